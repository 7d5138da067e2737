// The real main window driven by the mouse on its board and buttons and read back from its pixels
// and texts; its menus and the windows of the Help menu; game files, the scoring of an ended game
// and its komi, the point marks and the signal of a refused click; the New Game dialog; the
// question before an unsaved game is lost; a start with a picture missing or bad.
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include <sys/stat.h>

#include "app/game_file.h"
#include "app/program.h"
#include "player/computer_player.h"
#include "sgf/sgf_reader.h"

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
  // Clicks the intersection on a board control showing the picture scale times its size.
  void Click(int32_t column, int32_t row, int32_t scale = 1) {
    const BoardGrid& grid = Canvas().Grid();
    QTest::mouseClick(Find("Image1"), Qt::LeftButton, {},
                      QPoint(grid.X(column), grid.Y(row)) * scale);
  }

  // The main line of the game saved in path, as the window reads it back.
  static sgf::GameRecord RecordIn(const QString& path) {
    const sgf::GameTree tree = ReadGameFile(path).tree;
    sgf::GameRecord record;
    if (sgf::RecordOfLine(tree, tree.MainLine(), record)) qFatal("unreadable record");
    return record;
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

  // Presses answer in the next message box, after choosing saved in the save dialog it opens.
  void Answer(QMessageBox::StandardButton answer, const QString& saved = {}) {
    AnswerNext<QMessageBox>([this, answer, saved](QMessageBox& box) {
      if (!saved.isEmpty()) {
        AnswerNext<QFileDialog>([saved](QFileDialog& dialog) {
          dialog.selectFile(saved);
          static_cast<QDialog&>(dialog).accept();
        });
      }
      box.button(answer)->click();
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
    const BoardGrid& grid = Canvas().Grid();
    const int32_t reach = grid.Scaled(StoneReach);
    const Zere19r19::gomove* newest = Board().Newest();
    for (int32_t point = 0; point < grid.Lines() * grid.Lines(); ++point) {
      const int32_t column = point / grid.Lines(), row = point % grid.Lines();
      const bool marked = newest != nullptr && newest->column == column && newest->row == row &&
                          Form().Controller().MoveNumber() > 0;
      if (const int32_t colour = Board().ColourAt(column, row); colour != Empty)
        painter.drawImage(grid.X(column) - reach, grid.Y(row) - reach,
                          Canvas().Stone(colour, marked));
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

  // The grid's outer lines are drawn whole, from corner to corner, the last row and column too.
  void GridIsClosed() {
    const BoardGrid& grid = Canvas().Grid();
    const int32_t top = grid.Y(0), bottom = grid.Y(grid.Lines() - 1);
    const int32_t left = grid.X(0), right = grid.X(grid.Lines() - 1);
    const auto gray = [this](int32_t x, int32_t y) {
      return qGray(Canvas().BoardPicture.pixel(x, y));
    };
    for (int32_t x = left; x <= right; ++x) {
      QCOMPARE(gray(x, top), 0);
      QCOMPARE(gray(x, bottom), 0);
    }
    for (int32_t y = top; y <= bottom; ++y) {
      QCOMPARE(gray(left, y), 0);
      QCOMPARE(gray(right, y), 0);
    }
  }

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
    // The newest stone is Black's, dark with the red mark, a White one is light, and the corners
    // of a stone's square show the board.
    const QImage shown = Shown("Image1");
    const QRgb mark = shown.pixel(PixelX(3), PixelY(4));
    QVERIFY(qRed(mark) > 2 * qGreen(mark));
    QVERIFY(qGray(shown.pixel(PixelX(3) + 4, PixelY(4) + 4)) < 80);
    QVERIFY(qGray(shown.pixel(PixelX(15) + 4, PixelY(15) + 4)) > 160);
    QCOMPARE(shown.pixel(PixelX(3) - 8, PixelY(4) - 8),
             Canvas().BoardPicture.pixel(PixelX(3) - 8, PixelY(4) - 8));
    QPainter(&turn).drawImage(400, 0, Canvas().WhiteStone);
    QCOMPARE(Shown("ClientArea"), turn);
    CheckShown("9 6 3 ");
    const char* steps[][2] = {{"Button1", "10 6 3 White passes"},
                              {"Button2", "9 6 3 "},
                              {"Button2", "8 4 4 "},
                              {"Button3", "0 0 0 "}};
    for (const auto& [button, texts] : steps) {
      if (QByteArray(button) == "Button3") Answer(QMessageBox::Discard);
      Press(button);
      CheckShown(texts);
    }
  }

  void MenusButtonsAndLayout() {
    QStringList texts;
    for (const QAction* menu : Find<QMenuBar>("MainMenu1")->actions())
      texts << menu->text();
    for (const char* menu : {"File1", "Game1", "Move1", "View1", "Help1"}) {
      for (const QAction* item : Find<QMenu>(menu)->actions())
        texts << item->text() + (item->isEnabled() ? "" : " (greyed)");
    }
    for (const char* button : {"Button1", "Button2", "Button3"})
      texts << Find<QPushButton>(button)->text();
    QCOMPARE(texts.join(", "),
             "File, Game, Move, View, Help, Open Game..., Save Game As..., , Quit, "
             "Placing black stones only, Placing White stones only, Let's begin to play go!, "
             "Computer takes Black !, Computer takes White !, Computer takes both colors!, , New "
             "Game..., "
             "Resign, , Pace, "
             "Komi..., Undo, Redo, , Back, Forward, First, Last, , Previous Variation, "
             "Next Variation, Show Points, Rules of Go, How to ..., About the program, Pass, Undo, "
             "Clear All");
    const std::pair<const char*, int32_t> modes[] = {
        {"pbso", BlackStonesOnly}, {"pwso", WhiteStonesOnly}, {"cwbc", AlternatePlay},
        {"ctb", ComputerBlack},    {"ctw", ComputerWhite},    {"ctbw", AlternatePlay}};
    QVERIFY(Find<QAction>("paceNormal")->isChecked());
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
    QCOMPARE(windows_->AboutBox.findChild<QLabel*>("Version")->text(), "Version: " ZADADA_VERSION);
    Find<QAction>("tips")->trigger();
    QVERIFY(windows_->HowTo.isVisible() && windows_->HowTo.windowTitle() == "How to ...");
    QCOMPARE(Form().windowTitle(), "Zada Da and have fun");
    QCOMPARE(Find("ClientArea")->size(), QSize(481, 413));
    QCOMPARE(Find("Image1")->geometry(), QRect(16, 24, 345, 375));
    Form().resize(Form().size() + QSize(100, 0));  // The picture stays in the middle.
    QTRY_COMPARE(Find("Image1")->size(), QSize(445, 375));
    QCOMPARE(Shown("Image1").copy(50, 0, 345, 375), Expected());
  }

  // Grown by the picture's size, the window shows the board twice as large and the panel as it
  // was beside it; clicks land where the intersections are shown.
  void ResizedWindowScalesTheBoard() {
    Form().resize(Form().size() + QSize(345, 375));
    QTRY_COMPARE(Find("Image1")->size(), QSize(690, 750));
    QCOMPARE(Find("Button1")->mapTo(Find("ClientArea"), QPoint()), QPoint(745, 264));
    for (const auto& [column, row] : {std::pair{0, 0}, {18, 18}, {3, 15}}) {
      Click(column, row, 2);
      QCOMPARE(QPoint(Board().Newest()->column, Board().Newest()->row), QPoint(column, row));
    }
    QImage expected(690, 750, QImage::Format_RGB32);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(2, 2);
    painter.drawImage(0, 0, Expected());
    painter.end();
    QCOMPARE(Shown("Image1"), expected);
  }

  // A 9 x 9 record fills the board picture with its wider grid and its star points, the four 3-3
  // points and the centre; clicks at its corners place stones there, and its size is saved.
  void SmallBoardFillsThePicture() {
    QVERIFY(Form().OpenGameFile(FileWith("nine.sgf", "(;GM[1]SZ[9])")));
    const BoardGrid& grid = Canvas().Grid();
    QVERIFY(grid.X(1) - grid.X(0) >= 2 * ColumnSpacing && grid.Y(1) - grid.Y(0) >= 2 * RowSpacing);
    QString stars;  // Points whose star disc covers a pixel off the lines.
    for (int32_t point = 0; point < 81; ++point) {
      if (Canvas().BoardPicture.pixel(grid.X(point % 9) + 2, grid.Y(point / 9) + 2) ==
          qRgb(0, 0, 0))
        stars += QString("%1%2 ").arg(point % 9).arg(point / 9);
    }
    QCOMPARE(stars, "22 62 44 26 66 ");
    for (const auto& [column, row] : {std::pair{0, 0}, {8, 0}, {0, 8}, {8, 8}}) {
      Click(column, row);
      QCOMPARE(QPoint(Board().Newest()->column, Board().Newest()->row), QPoint(column, row));
      QCOMPARE(Shown("Image1"), Expected());
    }
    QVERIFY(Form().SaveGameFile(folder_.filePath("nine.sgf")));
    const sgf::GameRecord saved = RecordIn(folder_.filePath("nine.sgf"));
    QCOMPARE(saved.boardSize, 9);
    QCOMPARE(saved.moves.size(), 4u);
  }

  // Black's and White's setup stones, then two moves; Undo stops at the setup stones.
  void OpenedGameSavesAgainAndKeepsItsSetup() {
    const QString opened = FileWith("in.sgf", "(;GM[1]SZ[19]PB[Ann]AB[dd][pp]AW[dp];B[qd];W[cc])");
    QVERIFY(Form().OpenGameFile(opened));
    QVERIFY(!Form().GameUnsaved());
    QCOMPARE(Text("StaticText3"), QStringLiteral("2"));
    QCOMPARE(Form().Controller().SideToMove(), Black);
    const QString saved = FileWith("out.sgf", "an older file");
    QVERIFY(Form().SaveGameFile(saved));
    const sgf::GameRecord original = RecordIn(opened), copy = RecordIn(saved);
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
    CheckShown("2 190 171 Black wins by 11.5 points\nB 190, W 171 + 7.5");
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
    const sgf::GameRecord saved = RecordIn(folder_.filePath("scored.sgf"));
    QCOMPARE(QString::fromStdString(saved.result) + ' ' + QString::number(*saved.komi),
             "W+368.5 7.5");
    Click(10, 4);  // White's wall dead as well: its stones show a Black cross.
    QCOMPARE(Shown("Image1").pixel(PixelX(10) + 4, PixelY(4) - 4), qRgb(0, 0, 0));
    Find<QAction>("showPoints")->trigger();
    Press("Button2");
    CheckShown("1 190 171 Black passes");
  }

  // The komi chosen counts at once in the result; one that no game could use is refused.
  void KomiItemSetsTheKomi() {
    QVERIFY(Form().OpenGameFile(FileWith("walls.sgf", "(;AB[ja:js]AW[ka:ks];B[];W[])")));
    SetKomi(19);
    QCOMPARE(Text("StaticText1"), "Equal points\nB 190, W 171 + 19");
    double offered = 0;  // The dialog starts from the komi in force.
    AnswerNext<QInputDialog>([this, &offered](QInputDialog& dialog) {
      offered = dialog.doubleValue();
      AcceptNextBox();
      dialog.setDoubleValue(5000);
      dialog.accept();
    });
    Find<QAction>("komi")->trigger();
    QVERIFY2(box_.contains("5000"), qPrintable(box_));
    QCOMPARE(offered, 19.0);
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

  // New Game on a 9 x 9 board with the computer as White and two handicap stones: White answers
  // the setup at once; Resign gives the game to White.
  void NewGameDialogStartsTheGameChosen() {
    // On the command line, --komi replaces the komi that the handicap would give.
    QCOMPARE(ReadArguments({"zadada", "--handicap", "2", "--komi", "3"}).game->komi, 3.0);
    AnswerNext<QDialog>([](QDialog& dialog) {
      dialog.findChild<QComboBox*>("boardSize")->setCurrentText("9 x 9");
      dialog.findChild<QComboBox*>("whitePlayer")->setCurrentText("Computer");
      dialog.findChild<QComboBox*>("handicap")->setCurrentIndex(1);
      dialog.accept();
    });
    Find<QAction>("newGame")->trigger();
    QCOMPARE(Board().BoardSize(), 9);
    QVERIFY(Board().ColourAt(2, 6) == Black && Board().ColourAt(6, 2) == Black);
    QCOMPARE(Text("StaticText3"), QStringLiteral("1"));
    QVERIFY(!Form().GameUnsaved());
    QCOMPARE(Text("StaticText4"), QStringLiteral("Computer takes white"));
    QCOMPARE(Form().Controller().Komi(), 0.5);
    Find<QAction>("resign")->trigger();
    QCOMPARE(Text("StaticText1"), QStringLiteral("White wins by resignation"));
    QVERIFY(Form().SaveGameFile(folder_.filePath("resigned.sgf")));
    QString offered;  // Opened again, the dialog offers the game chosen last.
    AnswerNext<QDialog>([&offered](QDialog& dialog) {
      for (const char* box : {"boardSize", "whitePlayer", "handicap"})
        offered += dialog.findChild<QComboBox*>(box)->currentText() + ", ";
      offered += dialog.findChild<QWidget*>("komi")->property("text").toString();
      dialog.reject();
    });
    Find<QAction>("newGame")->trigger();
    QCOMPARE(offered, "9 x 9, Computer, 2 stones, 0.5");
  }

  // The keys look through a record with the board focused, the notes below the board follow, and
  // saving writes the tree read, apart from the program's name and the charset.
  void RecordIsLookedThroughAndSavedWhole() {
    const QString opened =
        FileWith("tree.sgf",
                 "(;GM[1]SZ[19]KM[6.50]RE[B+R]AB[aa]C[Setup]XX[kept];B[dd]C[Ann's\\] move]"
                 "(;W[pp]TR[dd])(;W[pd];B[qq]))\n");
    QVERIFY(Form().OpenGameFile(opened));
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    const QString branch = "1 Forward: variation %1 of 2\nAnn's] move";
    const std::pair<QKeySequence, QString> steps[] = {
        {Qt::Key_Home, "0 Setup"},     {Qt::Key_Right, branch.arg(1)},
        {Qt::Key_Down, branch.arg(2)}, {Qt::Key_End, "3 "},
        {Qt::Key_Left, "2 "},          {Qt::CTRL | Qt::Key_Z, branch.arg(2)},
        {Qt::Key_Up, branch.arg(1)},   {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "2 "}};
    for (const auto& [keys, shown] : steps) {
      QTest::keySequence(Find("Image1"), keys);
      QCOMPARE(Text("StaticText3") + ' ' + Find<QPlainTextEdit>("notes")->toPlainText(), shown);
      QCOMPARE(Shown("Image1"), Expected());
    }
    QCOMPARE(Find("ClientArea")->size(), QSize(481, 493));
    QVERIFY(Form().SaveGameFile(folder_.filePath("saved.sgf")));
    sgf::GameTree saved = ReadGameFile(folder_.filePath("saved.sgf")).tree;
    std::erase_if(saved.nodes.front().properties, [](const sgf::Property& property) {
      return property.ident == "AP" || property.ident == "CA";
    });
    QVERIFY(saved == ReadGameFile(opened).tree);
  }

  // Space, Return and Enter after clicks on the board and on Pass do not press Pass again.
  void StrayKeysPlayNothing() {
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    Click(3, 3);
    Press("Button1");
    QCOMPARE(QApplication::focusWidget(), Find("Image1"));
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
      QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(Board().moveCount, 2);
  }

  void UnsavedGameIsLostOnlyWhenSaidSo_data() {
    QTest::addColumn<bool>("closing");  // Closing the window, or Clear All.
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("kept");  // The game still on the board, or the window still open.
    for (const bool closing : {false, true}) {
      const char* command = closing ? "close" : "Clear All";
      QTest::addRow("%s, save", command) << closing << QMessageBox::Save << false;
      QTest::addRow("%s, discard", command) << closing << QMessageBox::Discard << false;
      QTest::addRow("%s, cancel", command) << closing << QMessageBox::Cancel << true;
    }
  }

  // A saved game, and one of no moves, go without a question.
  void UnsavedGameIsLostOnlyWhenSaidSo() {
    QFETCH(bool, closing);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, kept);
    QVERIFY(!Form().GameUnsaved());
    Click(3, 3);
    QVERIFY(Form().GameUnsaved());
    const QTemporaryDir empty;  // The save dialog would ask before replacing a file.
    const QString saved = empty.filePath("saved.sgf");  // Chosen as "saved": Save As adds ".sgf".
    Answer(answer, answer == QMessageBox::Save ? empty.filePath("saved") : QString());
    QGuiApplication::setQuitOnLastWindowClosed(false);
    if (closing)
      Form().close();
    else
      Press("Button3");
    QCOMPARE(closing ? Form().isVisible() : Board().moveCount == 1, kept);
    QCOMPARE(RecordIn(saved).moves.size(), answer == QMessageBox::Save ? 1u : 0u);
    if (answer == QMessageBox::Save) QVERIFY(!Form().GameUnsaved());
  }

  // New Game and Open ask about a game not saved before their own dialogs open.
  void NewAndOpenAskFirst() {
    Click(3, 3);
    for (const char* item : {"newGame", "openGame"}) {
      QString first;
      AnswerNext<QDialog>([&first](QDialog& dialog) {
        first = dialog.metaObject()->className();
        dialog.reject();
      });
      Find<QAction>(item)->trigger();
      QCOMPARE(first, "QMessageBox");
    }
  }

  void PipeIsRefusedWithoutWaiting() {
    const QString pipe = folder_.filePath("pipe.sgf");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    AcceptNextBox();
    QVERIFY(!Form().OpenGameFile(pipe));
    QVERIFY2(box_.contains("pipe.sgf:\nnot a regular file."), qPrintable(box_));
  }

  // While the computer plays itself the panel says how to stop it; a menu item chosen meanwhile
  // stops the game and is carried out once it has stopped.
  void ComputerGameShowsHowToStopAndTakesMenuItems() {
    QString shown;
    Form().Controller().SetComputerGameWatcher([&] {
      shown = Text("StaticText1");
      auto* help = Find<QMenu>("Help1");
      help->popup(QPoint());
      QTest::mouseClick(help, Qt::LeftButton, {},
                        help->actionGeometry(Find<QAction>("rules")).center());
      return true;
    });
    Find<QAction>("ctbw")->trigger();
    QVERIFY2(shown.endsWith("Press Escape\nto stop"), qPrintable(shown));
    QVERIFY(!Text("StaticText1").contains("Escape"));
    QVERIFY(!windows_->Form2.isVisible());
    QCoreApplication::processEvents();
    QVERIFY(windows_->Form2.isVisible());
  }

  // Started from another folder, the program finds its pictures beside itself.
  void PicturesAreFoundBesideTheProgram() {
    const auto backHome = qScopeGuard([before = QDir::currentPath()] { QDir::setCurrent(before); });
    QDir::setCurrent(folder_.path());
    BoardCanvas canvas;
    QVERIFY_THROWS_NO_EXCEPTION(canvas.PrepareBoardPicture());
  }

  void BadPictureEndsTheStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // Null for a missing file.
    QTest::addColumn<QString>("box");
    const QString folder = QCoreApplication::applicationDirPath();
    QFile board(folder + "/B-256.bmp"), stone(folder + "/stw3.bmp");
    QVERIFY(board.open(QIODevice::ReadOnly) && stone.open(QIODevice::ReadOnly));
    const QByteArray whole = board.readAll();
    QByteArray tiny, huge = stone.readAll();
    QBuffer buffer(&tiny);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "BMP");
    for (const int at : {18, 22})
      huge.replace(at, 4, QByteArray::fromHex("88130000"));  // 5000
    const QString invalid =
        "Zada Da|Bitmap image %1 is not valid: it must be a complete bitmap of %2";
    QTest::newRow("missing") << "B-256.bmp" << QByteArray()
                             << "Zada Da|Cannot open file B-256.bmp.|" +
                                    QString::number(QMessageBox::Critical);
    QTest::newRow("cut off") << "B-256.bmp" << whole.left(whole.size() / 2)
                             << invalid.arg("B-256.bmp", "345 x 375");
    QTest::newRow("1 x 1") << "B-256.bmp" << tiny << invalid.arg("B-256.bmp", "345 x 375");
    QTest::newRow("huge") << "stw3.bmp" << huge << invalid.arg("stw3.bmp", "17 x 17");
  }

  void BadPictureEndsTheStart() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, box);
    const QTemporaryDir pictures;
    for (const char* picture : {"B-256.bmp", "stw3.bmp", "stw3_k.bmp", "stb3.bmp", "stb3_k.bmp"})
      QFile::copy(QCoreApplication::applicationDirPath() + '/' + picture,
                  pictures.filePath(picture));
    QFile::remove(pictures.filePath(name));
    QFile file(pictures.filePath(name));
    QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) > 0));
    file.close();
    AcceptNextBox();
    const QString before = QDir::currentPath();
    QDir::setCurrent(pictures.path());
    QCOMPARE(RunProgram(pictures.path()), 1);
    QDir::setCurrent(before);
    QVERIFY2(box_.startsWith(box), qPrintable(box_));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
