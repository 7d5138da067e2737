// The real main window driven by the mouse on its board and buttons and read back from its pixels
// and texts; its menus and the windows of the Help menu; game files, the scoring of an ended game
// and its komi, the point marks and the signal of a refused click; the New Game dialog; a start
// without its pictures.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/game_file.h"
#include "app/program.h"
#include "player/computer_player.h"

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramWindows> windows_;
  QTemporaryDir folder_;
  QString box_;  // The title, text and icon of the last message box accepted.

  TForm1& Form() { return windows_->Form1; }
  const BoardCanvas& Canvas() { return Form().Canvas(); }
  const Zere19r19& Board() { return Form().Controller().Board(); }

  template <typename Control = QWidget>
  Control* Find(const char* name) {
    return Form().findChild<Control*>(name);
  }

  QImage Shown(const char* name) {
    return Find(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  QString Text(const char* name) { return Find<QLabel>(name)->text(); }
  void Press(const char* button) { QTest::mouseClick(Find(button), Qt::LeftButton); }
  void Click(int32_t column, int32_t row) {
    QTest::mouseClick(Find("Image1"), Qt::LeftButton, {}, QPoint(PixelX(column), PixelY(row)));
  }

  QString FileWith(const char* name, const QByteArray& text) {
    QFile file(folder_.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) qFatal("cannot write");
    return file.fileName();
  }

  // Runs answer on the next modal window of the kind Dialog as soon as it is open.
  template <typename Dialog, typename Answer>
  void AnswerNext(Answer answer) {
    QTimer::singleShot(0, [this, answer] {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
        answer(*dialog);
      else
        AnswerNext<Dialog>(answer);
    });
  }

  void AcceptNextBox() {
    AnswerNext<QMessageBox>([this](QMessageBox& box) {
      box_ = box.windowTitle() + '|' + box.text() + '|' + QString::number(box.icon());
      box.accept();
    });
  }

  // Chooses Game > "Komi..." and answers komi.
  void SetKomi(double komi) {
    AnswerNext<QInputDialog>([komi](QInputDialog& dialog) {
      dialog.setDoubleValue(komi);
      dialog.accept();
    });
    Find<QAction>("komi")->trigger();
  }

  // The clean board with each stone's picture centred on its intersection, the newest one marked.
  QImage Expected() {
    QImage picture = Canvas().BoardPicture.copy();
    QPainter painter(&picture);
    const QImage* stones[] = {&Canvas().WhiteStoneMarked, &Canvas().WhiteStone, nullptr,
                              &Canvas().BlackStone, &Canvas().BlackStoneMarked};
    const Zere19r19::gomove* newest = Board().Newest();
    for (int32_t point = 0; point < BoardLines * BoardLines; ++point) {
      const int32_t column = point / BoardLines, row = point % BoardLines;
      const bool marked = newest != nullptr && newest->column == column && newest->row == row;
      if (const QImage* stone = stones[2 + Board().ColourAt(column, row) * (marked ? 2 : 1)])
        painter.drawImage(PixelX(column) - StoneReach, PixelY(row) - StoneReach, *stone);
    }
    return picture;
  }

  // The texts of the move number, Black's and White's points and the pass message; the board.
  void CheckShown(const QString& texts) {
    QStringList shown;
    for (const char* label : {"StaticText3", "Black_Terr", "White_Terr", "StaticText1"})
      shown << Text(label);
    QCOMPARE(shown.join(' '), texts);
    QCOMPARE(Shown("Image1"), Expected());
  }

 private slots:
  void init() {
    windows_ = std::make_unique<ProgramWindows>(QCoreApplication::applicationDirPath());
    SeedRandom(7);
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
  }

  void cleanup() { windows_.reset(); }

  // A click lands on the nearest intersection (of two as near, the lower column's) and its stone
  // is drawn there with the mark, which leaves the stone before; captured stones are erased.
  void BoardClicksPlaceDrawAndCount() {
    const struct {
      QPoint click, point;
    } clicks[] = {{{19, 16}, {0, 0}},     {{61, 77}, {3, 3}},     {{64, 54}, {3, 2}},
                  {{280, 301}, {15, 15}}, {{46, 73}, {2, 3}},     {{283, 313}, {15, 16}},
                  {{82, 73}, {4, 3}},     {{331, 362}, {18, 18}}, {{64, 92}, {3, 4}}};
    for (const auto& [click, point] : clicks) {
      QTest::mouseClick(Find("Image1"), Qt::LeftButton, {}, click);
      QVERIFY(Board().Newest() != nullptr);
      QCOMPARE(QPoint(Board().Newest()->column, Board().Newest()->row), point);
      QCOMPARE(Shown("Image1"), Expected());
    }
    QImage corner = Canvas().BoardPicture.copy(2, 8, 17, 17), turn = Shown("ClientArea");
    QPainter(&corner).drawImage(0, 0, Canvas().BlackStone);
    QCOMPARE(Shown("Image1").copy(2, 8, 17, 17), corner);
    QPainter(&turn).drawImage(400, 0, Canvas().WhiteStone);
    QCOMPARE(Shown("ClientArea"), turn);
    CheckShown("9 6 3 ");
    const char* steps[][2] = {{"Button1", "10 6 3 White passes"},
                              {"Button2", "9 6 3 "},
                              {"Button2", "8 4 4 "},
                              {"Button3", "0 0 0 "}};
    for (const auto& [button, texts] : steps) {
      Press(button);
      CheckShown(texts);
    }
  }

  void MenusButtonsAndLayout() {
    QStringList texts;
    for (const QAction* menu : Find<QMenuBar>("MainMenu1")->actions())
      texts << menu->text();
    for (const char* menu : {"File1", "Game1", "View1", "Help1"}) {
      for (const QAction* item : Find<QMenu>(menu)->actions())
        texts << item->text() + (item->isEnabled() ? "" : " (greyed)");
    }
    for (const char* button : {"Button1", "Button2", "Button3"})
      texts << Find<QPushButton>(button)->text();
    QCOMPARE(
        texts.join(", "),
        "File, Game, View, Help, Open Game..., Save Game As..., "
        "Placing black stones only, Placing White stones only, Let's begin to play go!, "
        "Computer takes Black !, Computer takes White !, Computer takes both colors!, , New "
        "Game..., "
        "Resign, , Pace, "
        "Komi..., Show Points, Rules of Go, How to ... (greyed), About the program, Pass, Undo, "
        "Clear All");
    const std::pair<const char*, int32_t> modes[] = {
        {"pbso", BlackStonesOnly}, {"pwso", WhiteStonesOnly}, {"cwbc", AlternatePlay},
        {"ctb", ComputerBlack},    {"ctw", ComputerWhite},    {"ctbw", AlternatePlay}};
    Find<QAction>("paceFastest")->trigger();
    for (const auto& [item, mode] : modes) {
      Find<QAction>(item)->trigger();
      QCOMPARE(Form().Controller().PlayMode(), mode);
    }
    QVERIFY(Board().moveCount > 3);
    Find<QAction>("rules")->trigger();
    QVERIFY(windows_->Form2.isVisible() && windows_->Form2.windowTitle() == "Rules of Go");
    Find<QAction>("about")->trigger();
    QVERIFY(windows_->AboutBox.isVisible() && windows_->AboutBox.windowTitle() == "About");
    QCOMPARE(Form().windowTitle(), "Zada Da and have fun");
    QCOMPARE(Find("ClientArea")->size(), QSize(481, 413));
    QCOMPARE(Form().minimumSize(), Form().maximumSize());
    QCOMPARE(Find("Image1")->geometry(), QRect(16, 24, 345, 375));
  }

  // Black's and White's setup stones, then two moves; Undo stops at the setup stones.
  void OpenedGameSavesAgainAndKeepsItsSetup() {
    const QString opened = FileWith("in.sgf", "(;GM[1]SZ[19]PB[Ann]AB[dd][pp]AW[dp];B[qd];W[cc])");
    QVERIFY(Form().OpenGameFile(opened));
    QCOMPARE(Text("StaticText3"), QStringLiteral("5"));
    QCOMPARE(Form().Controller().SideToMove(), Black);
    const QString saved = FileWith("out.sgf", "an older file");
    QVERIFY(Form().SaveGameFile(saved));
    const sgf::GameRecord original = ReadGameFile(opened).record, copy = ReadGameFile(saved).record;
    QVERIFY(copy.setup == original.setup && copy.moves == original.moves &&
            copy.info == original.info);
    for (int undo = 0; undo < 3; ++undo)
      Press("Button2");
    QCOMPARE(Board().moveCount, 3);
  }

  // The record's first move would stand; its second is refused, and nothing of it reaches the
  // board.
  void IllegalRecordLeavesTheGameAsItWas() {
    Click(3, 3);
    const QImage before = Shown("Image1");
    AcceptNextBox();
    QVERIFY(!Form().OpenGameFile(FileWith("bad.sgf", "(;GM[1]SZ[19];B[pp];W[pp])")));
    QVERIFY2(box_.contains(QStringLiteral("bad.sgf")) &&
                 box_.contains(QStringLiteral("illegal move: W[pp] (move 2)")),
             qPrintable(box_));
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(Shown("Image1"), before);
  }

  // Black's wall on column 9, White's on column 10, both passed: the game is scored. A click turns
  // Black's wall dead: each of its stones shows a White cross and counts for White, as the marks,
  // the result line and the saved record say, while the counters keep the count. Undo goes back
  // to play with the picture as it was.
  void EndedGameIsScoredUntilTheNextCommand() {
    QVERIFY(Form().OpenGameFile(FileWith("walls.sgf", "(;AB[ja:js]AW[ka:ks];B[];W[])")));
    CheckShown("40 190 171 Black wins by 11.5 points\nB 190, W 171 + 7.5");
    Click(9, 4);
    Find<QAction>("showPoints")->trigger();
    const QImage shown = Shown("Image1");
    QMap<QRgb, int32_t> marks;  // Points without a White stone by the colour inside a mark.
    for (int32_t point = 0; point < BoardLines * BoardLines; ++point) {
      const int32_t column = point / BoardLines, row = point % BoardLines;
      if (Board().ColourAt(column, row) != White)
        ++marks[shown.pixel(QPoint(PixelX(column), PixelY(row)) + QPoint(2, 2))];
    }
    QCOMPARE(marks[qRgb(255, 255, 255)], 342);
    QCOMPARE(shown.pixel(PixelX(9) + 4, PixelY(4) - 4), qRgb(255, 255, 255));
    QCOMPARE(Text("StaticText1"), "White wins by 368.5 points\nB 0, W 361 + 7.5");
    QVERIFY(Form().SaveGameFile(folder_.filePath("scored.sgf")));
    const sgf::GameRecord saved = ReadGameFile(folder_.filePath("scored.sgf")).record;
    QCOMPARE(QString::fromStdString(saved.result) + ' ' + QString::number(*saved.komi),
             "W+368.5 7.5");
    Find<QAction>("showPoints")->trigger();
    Press("Button2");
    CheckShown("39 190 171 Black passes");
  }

  // The komi chosen counts at once in the result; one that no game could use is refused.
  void KomiItemSetsTheKomi() {
    QVERIFY(Form().OpenGameFile(FileWith("walls.sgf", "(;AB[ja:js]AW[ka:ks];B[];W[])")));
    SetKomi(19);
    QCOMPARE(Text("StaticText1"), "Equal points\nB 190, W 171 + 19");
    AnswerNext<QInputDialog>([this](QInputDialog& dialog) {
      AcceptNextBox();
      dialog.setDoubleValue(5000);
      dialog.accept();
    });
    Find<QAction>("komi")->trigger();
    QVERIFY2(box_.contains("5000"), qPrintable(box_));
    QCOMPARE(Form().Controller().Komi(), 19.0);
  }

  // Black closes the corner (0, 0), White the corner (18, 18): one empty point each.
  void PointMarksAgreeWithTheCounters() {
    for (const auto& [column, row] :
         {std::pair{1, 0}, {17, 18}, {0, 1}, {18, 17}, {1, 1}, {17, 17}})
      Click(column, row);
    Find<QAction>("showPoints")->trigger();
    const QImage shown = Shown("Image1");
    QMap<QRgb, int32_t> marks;  // Empty points by the colour inside a mark, off the grid lines.
    for (int32_t point = 0; point < BoardLines * BoardLines; ++point) {
      const int32_t column = point / BoardLines, row = point % BoardLines;
      if (Board().ColourAt(column, row) == Empty)
        ++marks[shown.pixel(QPoint(PixelX(column), PixelY(row)) + QPoint(2, 2))];
    }
    QCOMPARE(QString::number(marks[qRgb(0, 0, 0)] + 3), Text("Black_Terr"));
    QCOMPARE(QString::number(marks[qRgb(255, 255, 255)] + 3), Text("White_Terr"));
  }

  void RefusedClickIsSignalled() {
    int refused = 0;
    Form().Controller().SetRefusedClickSignal([&] { ++refused; });
    Click(3, 3);
    QCOMPARE(refused, 0);
    Click(3, 3);
    QCOMPARE(refused, 1);
  }

  // New Game with the computer as White and two handicap stones: White answers the setup at
  // once; Resign gives the game to White.
  void NewGameDialogStartsTheGameChosen() {
    AnswerNext<QDialog>([](QDialog& dialog) {
      dialog.findChild<QComboBox*>("whitePlayer")->setCurrentText("Computer");
      dialog.findChild<QComboBox*>("handicap")->setCurrentIndex(1);
      dialog.accept();
    });
    Find<QAction>("newGame")->trigger();
    QCOMPARE(Text("StaticText3"), QStringLiteral("3"));
    QCOMPARE(Text("StaticText4"), QStringLiteral("Computer takes white"));
    QCOMPARE(Form().Controller().Komi(), 0.5);
    Find<QAction>("resign")->trigger();
    QCOMPARE(Text("StaticText1"), QStringLiteral("White wins by resignation"));
  }

  void StartWithoutItsPicturesFails() {
    AcceptNextBox();
    const QTemporaryDir empty;
    const QString before = QDir::currentPath();
    QDir::setCurrent(empty.path());
    QCOMPARE(RunProgram(empty.path()), 1);
    QDir::setCurrent(before);
    QCOMPARE(box_, "Zada Da|Cannot open file B-256.bmp.|" + QString::number(QMessageBox::Critical));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
