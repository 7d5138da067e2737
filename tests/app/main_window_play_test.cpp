// Whole commands through the main window: clicks on the board picture, the buttons and the Game
// menu, checked by what the window then shows: the stones in the board picture, the turn stone
// and the texts of the status panel.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "app_test_support.h"
#include "player/computer_player.h"

class MainWindowPlayTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramWindows> windows_;

  TForm1& Form() { return windows_->Form1; }
  const BoardCanvas& Canvas() { return Form().Canvas(); }
  const Zere19r19& Board() { return Form().Controller().Board(); }
  QWidget* Image1() { return Form().findChild<QWidget*>(QStringLiteral("Image1")); }

  QString Text(const char* name) {
    return Form().findChild<QLabel*>(QString::fromLatin1(name))->text();
  }

  void Press(const char* button) {
    QTest::mouseClick(Form().findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }

  void Choose(const char* item) {
    Form().findChild<QAction*>(QString::fromLatin1(item))->trigger();
  }

  void Click(int32_t column, int32_t row) {
    QTest::mouseClick(Image1(), Qt::LeftButton, {}, IntersectionPixel(column, row));
    QCOMPARE(QString::fromStdString(Board().CheckConsistency()), QString());
  }

  Shown At(int32_t column, int32_t row) {
    return ShownAt(Image1()->grab().toImage(), Canvas(), column, row);
  }

  // The turn stone beside "In turn ", by its centre pixel.
  int32_t TurnStone() {
    const QRgb centre = Form().centralWidget()->grab().toImage().pixel(408, 8);
    if (centre == Canvas().BlackStone.pixel(StoneReach, StoneReach)) return Black;
    if (centre == Canvas().WhiteStone.pixel(StoneReach, StoneReach)) return White;
    return Empty;
  }

  void CheckStatus(const char* move, const char* black, const char* white, int32_t turn) {
    QCOMPARE(Text("StaticText3"), QString::fromLatin1(move));
    QCOMPARE(Text("Black_Terr"), QString::fromLatin1(black));
    QCOMPARE(Text("White_Terr"), QString::fromLatin1(white));
    QCOMPARE(TurnStone(), turn);
  }

  // Every intersection shows what the board holds, and only the newest stone carries the mark.
  void CheckPictureMatchesBoard() {
    const QImage shown = Image1()->grab().toImage();
    const Zere19r19::gomove* newest = Board().Newest();
    for (int32_t column = 0; column < BoardLines; ++column) {
      for (int32_t row = 0; row < BoardLines; ++row) {
        const int32_t colour = Board().points[column][row].colour;
        const bool marked = newest != nullptr && newest->column == column && newest->row == row;
        const Shown expected = colour == Empty ? Shown::Board
                               : colour == Black
                                   ? (marked ? Shown::BlackStoneMarked : Shown::BlackStone)
                                   : (marked ? Shown::WhiteStoneMarked : Shown::WhiteStone);
        QCOMPARE(ShownAt(shown, Canvas(), column, row), expected);
      }
    }
  }

  // The pass message that fits the newest record, which the computer may have made.
  QString PassMessageOfNewest() {
    const Zere19r19::gomove* newest = Board().Newest();
    if (newest->column >= 0) return QString();
    return newest->colour == Black ? QStringLiteral("Black passes")
                                   : QStringLiteral("White passes");
  }

  GridPoint EmptyPoint() {
    for (int32_t column = 0; column < BoardLines; ++column) {
      for (int32_t row = 0; row < BoardLines; ++row) {
        if (Board().points[column][row].colour == Empty) return {column, row};
      }
    }
    qFatal("the board is full");
  }

 private slots:
  void initTestCase() { PrepareApplication(); }

  void init() {
    windows_ = std::make_unique<ProgramWindows>(PictureFolder());
    SeedRandom(4242);
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
  }

  void cleanup() { windows_.reset(); }

  void AlternatePlayShowsEachStoneAndTheCounts() {
    CheckStatus("0", "0", "0", Black);
    QCOMPARE(Text("StaticText4"), QStringLiteral("Go game for two partners"));
    Click(3, 3);
    QCOMPARE(At(3, 3), Shown::BlackStoneMarked);
    CheckStatus("1", "361", "0", White);
    Click(15, 15);
    QCOMPARE(At(15, 15), Shown::WhiteStoneMarked);
    QCOMPARE(At(3, 3), Shown::BlackStone);
    CheckStatus("2", "1", "1", Black);
    QCOMPARE(Text("StaticText1"), QString());
    Press("Button1");
    QCOMPARE(At(15, 15), Shown::WhiteStone);
    QCOMPARE(Text("StaticText1"), QStringLiteral("Black passes"));
    CheckStatus("3", "1", "1", White);
    Click(4, 4);
    QCOMPARE(Text("StaticText1"), QString());
    CheckPictureMatchesBoard();
  }

  // Black (1, 0) and (0, 1) take White's corner stone; Undo puts it back.
  void CaptureShowsTheGridAgainAndUndoRestoresTheStone() {
    Click(1, 0);
    Click(0, 0);
    Click(0, 1);
    QCOMPARE(At(0, 0), Shown::Board);
    QCOMPARE(Image1()->grab().toImage().pixel(IntersectionPixel(0, 0)), qRgb(0, 0, 0));
    CheckStatus("3", "361", "0", White);
    Press("Button2");
    QCOMPARE(At(0, 0), Shown::WhiteStoneMarked);
    QCOMPARE(At(0, 1), Shown::Board);
    CheckStatus("2", "1", "1", Black);
    CheckPictureMatchesBoard();
  }

  void StarPointComesBackWhenItsStoneGoes() {
    Click(3, 3);
    Press("Button2");
    const QPoint star = IntersectionPixel(3, 3);
    QCOMPARE(Image1()->grab().toImage().pixel(star), Canvas().BoardPicture.pixel(star));
    QCOMPARE(At(3, 3), Shown::Board);
    CheckStatus("0", "0", "0", Black);
  }

  // Black stones at (1, 0), (0, 1), (1, 2), (2, 1); White's at (2, 0), (3, 1), (2, 2); White
  // takes (2, 1) from (1, 1), and Black's immediate retake is refused.
  void KoRetakeIsRefused() {
    for (const auto& [column, row] :
         {std::pair{1, 0}, {2, 0}, {0, 1}, {3, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}})
      Click(column, row);
    QCOMPARE(At(2, 1), Shown::Board);
    QCOMPARE(At(1, 1), Shown::WhiteStoneMarked);
    Click(2, 1);
    QCOMPARE(At(2, 1), Shown::Board);
    QCOMPARE(At(1, 1), Shown::WhiteStoneMarked);
    QCOMPARE(Text("StaticText3"), QStringLiteral("8"));
    QCOMPARE(TurnStone(), Black);
    CheckPictureMatchesBoard();
  }

  void OneColourModesPlaceOnlyTheirColour() {
    Choose("pbso");
    Click(3, 3);
    Click(4, 4);
    QCOMPARE(At(3, 3), Shown::BlackStone);
    QCOMPARE(At(4, 4), Shown::BlackStoneMarked);
    CheckStatus("2", "361", "0", Black);
    Choose("pwso");
    QCOMPARE(TurnStone(), White);
    Click(5, 5);
    Press("Button1");
    QCOMPARE(At(5, 5), Shown::WhiteStone);
    QCOMPARE(Text("StaticText1"), QStringLiteral("White passes"));
    CheckStatus("4", "2", "1", White);
    QCOMPARE(Text("StaticText4"), QStringLiteral("Go game for two partners"));
  }

  void ComputerAnswersAsWhite() {
    Choose("ctw");
    QCOMPARE(Text("StaticText4"), QStringLiteral("Computer takes white"));
    CheckStatus("0", "0", "0", Black);
    Click(9, 9);
    QCOMPARE(Board().moveCount, 2);
    QCOMPARE(Board().Newest()->colour, White);
    QCOMPARE(Text("StaticText3"), QStringLiteral("2"));
    QCOMPARE(Text("StaticText1"), PassMessageOfNewest());
    QCOMPARE(TurnStone(), Black);
    CheckPictureMatchesBoard();
  }

  void ComputerAnswersAsBlack() {
    Choose("ctb");
    QCOMPARE(Text("StaticText4"), QStringLiteral("Computer takes black"));
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(TurnStone(), White);
    const GridPoint point = EmptyPoint();
    Click(point.column, point.row);
    QCOMPARE(Board().points[point.column][point.row].colour, White);
    QCOMPARE(Board().moveCount, 3);
    QCOMPARE(Board().Newest()->colour, Black);
    QCOMPARE(Text("StaticText1"), PassMessageOfNewest());
    QCOMPARE(TurnStone(), White);
    CheckPictureMatchesBoard();
  }

  void UndoWithTheComputerTakesBackBothRecords() {
    Choose("ctw");
    Click(9, 9);
    Press("Button2");
    QCOMPARE(Board().moveCount, 0);
    CheckStatus("0", "0", "0", Black);
    CheckPictureMatchesBoard();
  }

  void ClearAllWithTheComputerAsBlackOpensWithItsMove() {
    Choose("ctb");
    const GridPoint point = EmptyPoint();
    Click(point.column, point.row);
    Press("Button3");
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(Board().Newest()->colour, Black);
    QCOMPARE(Text("StaticText3"), QStringLiteral("1"));
    QCOMPARE(Text("StaticText4"), QStringLiteral("Computer takes black"));
    QCOMPARE(TurnStone(), White);
    CheckPictureMatchesBoard();
  }

  void ComputerAgainstItselfEndsWithTwoPartners() {
    Choose("paceFastest");
    Choose("ctbw");
    QCOMPARE(Form().Controller().PlayMode(), int32_t{AlternatePlay});
    QCOMPARE(Text("StaticText4"), QStringLiteral("Go game for two partners"));
    QVERIFY(Board().moveCount >= 1);
    QCOMPARE(Text("StaticText3"), QString::number(Board().moveCount));
    // The game ended on its own, so its result stands where the pass message would.
    QCOMPARE(Text("StaticText1"), ResultMessage(Board()));
    QCOMPARE(TurnStone(), -Board().Newest()->colour);
    CheckPictureMatchesBoard();
  }

  // Escape stops the game after the move being shown; a click meanwhile is dropped, not kept for
  // later.
  void EscapeStopsTheComputerGameAndClicksAreDropped() {
    QPushButton* pass = Form().findChild<QPushButton*>(QStringLiteral("Button1"));
    const QPoint middle = pass->rect().center();
    QCoreApplication::postEvent(&Form(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    QCoreApplication::postEvent(
        pass, new QMouseEvent(QEvent::MouseButtonPress, middle, pass->mapToGlobal(middle),
                              Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(
        pass, new QMouseEvent(QEvent::MouseButtonRelease, middle, pass->mapToGlobal(middle),
                              Qt::LeftButton, Qt::NoButton, {}));
    Choose("ctbw");
    QCoreApplication::processEvents();
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(Text("StaticText3"), QStringLiteral("1"));
    QCOMPARE(Text("StaticText4"), QStringLiteral("Go game for two partners"));
    QVERIFY(Form().isVisible());
  }

  // Closing the window stops the game too, and the window closes once the game has ended.
  void ClosingStopsTheComputerGameThenCloses() {
    QCoreApplication::postEvent(&Form(), new QCloseEvent);
    Choose("ctbw");
    QCOMPARE(Board().moveCount, 1);
    QVERIFY(!Form().isVisible());
  }
};

QTEST_MAIN(MainWindowPlayTest)
#include "main_window_play_test.moc"
