// The status panel's texts and the turn stone, read straight from positions built on the board.
#include <QTest>

#include "app_test_support.h"
#include "display/status_panel.h"

class StatusPanelTest : public QObject {
  Q_OBJECT

 private:
  // Plays a committed-free stone that has to stand.
  static void Play(Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
    QVERIFY(board.TryMove(column, row, colour, false));
  }

  static bool Refresh(Zere19r19& board, RecordingPanel& panel, int32_t side = Black) {
    return RefreshStatusPanel(board, side, false, false, panel);
  }

 private slots:
  void EmptyBoardShowsNothingCountedAndIsSettled() {
    Zere19r19 board;
    RecordingPanel panel;
    QVERIFY(Refresh(board, panel));
    QCOMPARE(panel.turnStone, Black);
    QCOMPARE(panel.moveNumber, QStringLiteral("0"));
    QCOMPARE(panel.blackPoints, QStringLiteral("0"));
    QCOMPARE(panel.whitePoints, QStringLiteral("0"));
    QCOMPARE(panel.modeCaption, QStringLiteral("Go game for two partners"));
    QCOMPARE(panel.passMessage, QStringLiteral("(never written)"));
  }

  void OneBlackStoneOwnsTheWholeBoard() {
    Zere19r19 board;
    Play(board, 9, 9, Black);
    RecordingPanel panel;
    QVERIFY(Refresh(board, panel));
    QCOMPARE(panel.moveNumber, QStringLiteral("1"));
    QCOMPARE(panel.blackPoints, QStringLiteral("361"));
    QCOMPARE(panel.whitePoints, QStringLiteral("0"));
    QCOMPARE(panel.passMessage, QString());
  }

  void OneStoneEachCountsOnlyTheStonesAndIsNotSettled() {
    Zere19r19 board;
    Play(board, 3, 3, Black);
    Play(board, 15, 15, White);
    RecordingPanel panel;
    QVERIFY(!Refresh(board, panel));
    QCOMPARE(panel.blackPoints, QStringLiteral("1"));
    QCOMPARE(panel.whitePoints, QStringLiteral("1"));
    QCOMPARE(panel.moveNumber, QStringLiteral("2"));
  }

  // Black walls off the left three columns; White's stone sits far away on the right.
  void WalledAreaCountsForItsOwnerAlone() {
    Zere19r19 board;
    for (int32_t row = 0; row < 19; ++row)
      Play(board, 3, row, Black);
    Play(board, 12, 9, White);
    RecordingPanel panel;
    QVERIFY(!Refresh(board, panel));
    QCOMPARE(panel.blackPoints, QString::number(19 + 3 * 19));
    QCOMPARE(panel.whitePoints, QStringLiteral("1"));
    QCOMPARE(panel.moveNumber, QStringLiteral("20"));
  }

  void PassMessageNamesWhoPassedAndAStoneClearsIt() {
    Zere19r19 board;
    RecordingPanel panel;
    board.Pass(Black);
    Refresh(board, panel);
    QCOMPARE(panel.passMessage, QStringLiteral("Black passes"));
    QCOMPARE(panel.moveNumber, QStringLiteral("1"));
    QCOMPARE(panel.blackPoints, QStringLiteral("0"));
    QCOMPARE(panel.whitePoints, QStringLiteral("0"));
    board.Pass(White);
    Refresh(board, panel);
    QCOMPARE(panel.passMessage, QStringLiteral("White passes"));
    Play(board, 0, 0, Black);
    Refresh(board, panel);
    QCOMPARE(panel.passMessage, QString());
  }

  void EmptyHistoryLeavesThePassMessageAlone() {
    Zere19r19 board;
    RecordingPanel panel;
    board.Pass(Black);
    Refresh(board, panel);
    board.TakeBack(false);
    Refresh(board, panel);
    QCOMPARE(panel.passMessage, QStringLiteral("Black passes"));
    QCOMPARE(panel.moveNumber, QStringLiteral("0"));
  }

  void TurnStoneIsWhiteOnlyForWhite_data() {
    QTest::addColumn<int32_t>("side");
    QTest::addColumn<int32_t>("shown");
    QTest::newRow("Black") << Black << Black;
    QTest::newRow("White") << White << White;
    QTest::newRow("neither") << Empty << Black;
  }

  void TurnStoneIsWhiteOnlyForWhite() {
    QFETCH(int32_t, side);
    QFETCH(int32_t, shown);
    Zere19r19 board;
    RecordingPanel panel;
    Refresh(board, panel, side);
    QCOMPARE(panel.turnStone, shown);
  }

  void CaptionNamesTheComputerSides_data() {
    QTest::addColumn<bool>("computerTakesBlack");
    QTest::addColumn<bool>("computerTakesWhite");
    QTest::addColumn<QString>("caption");
    QTest::newRow("people") << false << false << QStringLiteral("Go game for two partners");
    QTest::newRow("black") << true << false << QStringLiteral("Computer takes black");
    QTest::newRow("white") << false << true << QStringLiteral("Computer takes white");
    QTest::newRow("both") << true << true << QStringLiteral("Computer takes both colors");
  }

  void CaptionNamesTheComputerSides() {
    QFETCH(bool, computerTakesBlack);
    QFETCH(bool, computerTakesWhite);
    QFETCH(QString, caption);
    Zere19r19 board;
    RecordingPanel panel;
    RefreshStatusPanel(board, Black, computerTakesBlack, computerTakesWhite, panel);
    QCOMPARE(panel.modeCaption, caption);
  }

  // The panel leaves the area count's marks as White's count set them, which nothing else
  // depends on, but the board must stay consistent.
  void CountingLeavesTheBoardConsistent() {
    Zere19r19 board;
    Play(board, 2, 2, Black);
    Play(board, 2, 3, White);
    RecordingPanel panel;
    Refresh(board, panel);
    QCOMPARE(QString::fromStdString(board.CheckConsistency()), QString());
  }
};

QTEST_GUILESS_MAIN(StatusPanelTest)
#include "status_panel_test.moc"
