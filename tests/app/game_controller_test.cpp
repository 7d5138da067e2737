// The game controller driven as calls: clicks are pixel positions, commands are calls, and the
// board, the controller's state and the status panel are checked after each.
#include <QTest>
#include <memory>

#include "app/game_controller.h"
#include "app_test_support.h"
#include "player/computer_player.h"

class GameControllerTest : public QObject {
  Q_OBJECT

 private:
  BoardCanvas canvas_;
  RecordingPanel panel_;
  std::unique_ptr<GameController> game_;

  const Zere19r19& Board() { return game_->Board(); }

  void CheckBoard() { QCOMPARE(QString::fromStdString(Board().CheckConsistency()), QString()); }

  void Click(int32_t column, int32_t row) {
    const QPoint at = IntersectionPixel(column, row);
    game_->Image1MouseDown(at.x(), at.y());
    CheckBoard();
  }

  int32_t ColourAt(int32_t column, int32_t row) { return Board().points[column][row].colour; }

  const Zere19r19::gomove& Newest() {
    const Zere19r19::gomove* newest = Board().Newest();
    if (newest == nullptr) qFatal("the history is empty");
    return *newest;
  }

  // An empty point for the person's next stone, whatever the computer has played.
  GridPoint EmptyPoint() {
    for (int32_t column = 0; column < BoardLines; ++column) {
      for (int32_t row = 0; row < BoardLines; ++row) {
        if (ColourAt(column, row) == Empty) return {column, row};
      }
    }
    qFatal("the board is full");
  }

  void CheckNewestIsComputerReplyOf(int32_t colour) {
    QCOMPARE(Newest().colour, colour);
    const QString expected = Newest().column >= 0 ? QString()
                             : colour == Black    ? QStringLiteral("Black passes")
                                                  : QStringLiteral("White passes");
    QCOMPARE(panel_.passMessage, expected);
  }

 private slots:
  void init() {
    canvas_.PrepareBoardPicture(PictureFolder());
    SeedRandom(20240601);
    game_ = std::make_unique<GameController>(canvas_, panel_);
  }

  void StartsInAlternatePlayWithBlackInTurn() {
    QCOMPARE(game_->BoardSize(), 19);
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
    QVERIFY(!game_->ComputerTakesBlack());
    QVERIFY(!game_->ComputerTakesWhite());
    QVERIFY(game_->BoardSettled());
    QCOMPARE(game_->SideToMove(), Black);
    QCOMPARE(panel_.turnStone, Black);
    QCOMPARE(panel_.moveNumber, QStringLiteral("0"));
    QCOMPARE(panel_.blackPoints, QStringLiteral("0"));
    QCOMPARE(panel_.whitePoints, QStringLiteral("0"));
    QCOMPARE(panel_.modeCaption, QStringLiteral("Go game for two partners"));
    QCOMPARE(canvas_.Displayed(), canvas_.BoardPicture);
  }

  void ClicksAlternateAndPassIsForTheNextColour() {
    Click(3, 3);
    QCOMPARE(ColourAt(3, 3), Black);
    QCOMPARE(game_->SideToMove(), White);
    QCOMPARE(panel_.blackPoints, QStringLiteral("361"));
    Click(15, 15);
    QCOMPARE(ColourAt(15, 15), White);
    QCOMPARE(game_->SideToMove(), Black);
    QCOMPARE(panel_.whitePoints, QStringLiteral("1"));
    game_->Button1Click();
    QCOMPARE(Newest().colour, Black);
    QCOMPARE(Newest().column, -1);
    QCOMPARE(game_->SideToMove(), White);
    QCOMPARE(panel_.passMessage, QStringLiteral("Black passes"));
    QCOMPARE(panel_.moveNumber, QStringLiteral("3"));
    Click(4, 4);
    QCOMPARE(ColourAt(4, 4), White);
    QCOMPARE(panel_.passMessage, QString());
  }

  void ClickMidwayPicksTheLowerColumn() {
    game_->Image1MouseDown(19, 16);
    QCOMPARE(ColourAt(0, 0), Black);
    QCOMPARE(ColourAt(1, 0), Empty);
  }

  void ClickOnAStoneChangesNothingButTheStatusIsRedrawn() {
    Click(3, 3);
    panel_.moveNumber.clear();
    Click(3, 3);
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(panel_.moveNumber, QStringLiteral("1"));
    QCOMPARE(game_->SideToMove(), White);
  }

  void OneColourModesPlaceAndPassThatColour_data() {
    QTest::addColumn<int32_t>("colour");
    QTest::newRow("black stones only") << Black;
    QTest::newRow("white stones only") << White;
  }

  void OneColourModesPlaceAndPassThatColour() {
    QFETCH(int32_t, colour);
    colour == Black ? game_->pbsoClick() : game_->pwsoClick();
    QCOMPARE(game_->PlayMode(), int32_t{colour == Black ? BlackStonesOnly : WhiteStonesOnly});
    QCOMPARE(panel_.turnStone, colour);
    Click(3, 3);
    Click(4, 4);
    QCOMPARE(ColourAt(3, 3), colour);
    QCOMPARE(ColourAt(4, 4), colour);
    game_->Button1Click();
    QCOMPARE(Newest().colour, colour);
    QCOMPARE(game_->SideToMove(), colour);
    QCOMPARE(panel_.turnStone, colour);
    game_->Button2Click();
    QCOMPARE(Board().moveCount, 2);
    QCOMPARE(game_->SideToMove(), colour);
  }

  // Black stones at (1, 0), (0, 1), (1, 2), (2, 1); White's at (2, 0), (3, 1), (2, 2). White
  // takes (2, 1) by playing (1, 1); Black may not take back at once, but may after a pass each.
  void KoRecaptureIsRefusedUntilAnotherRecordComesBetween() {
    for (const auto& [column, row] :
         {std::pair{1, 0}, {2, 0}, {0, 1}, {3, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}})
      Click(column, row);
    QCOMPARE(ColourAt(2, 1), Empty);
    QCOMPARE(Board().moveCount, 8);
    Click(2, 1);
    QCOMPARE(ColourAt(2, 1), Empty);
    QCOMPARE(Board().moveCount, 8);
    QCOMPARE(game_->SideToMove(), Black);
    game_->Button1Click();
    game_->Button1Click();
    Click(2, 1);
    QCOMPARE(ColourAt(2, 1), Black);
    QCOMPARE(ColourAt(1, 1), Empty);
  }

  void ComputerTakesBlackOnAnEmptyBoardMovesAtOnce() {
    game_->ctbClick();
    QCOMPARE(game_->PlayMode(), int32_t{ComputerBlack});
    QVERIFY(game_->ComputerTakesBlack());
    QVERIFY(!game_->ComputerTakesWhite());
    QCOMPARE(Board().moveCount, 1);
    CheckNewestIsComputerReplyOf(Black);
    QCOMPARE(game_->SideToMove(), White);
    QCOMPARE(panel_.modeCaption, QStringLiteral("Computer takes black"));
    CheckBoard();
  }

  void ComputerTakesWhiteOnAnEmptyBoardWaitsForBlack() {
    game_->ctwClick();
    QCOMPARE(game_->PlayMode(), int32_t{ComputerWhite});
    QCOMPARE(Board().moveCount, 0);
    QCOMPARE(game_->SideToMove(), Black);
    QCOMPARE(panel_.modeCaption, QStringLiteral("Computer takes white"));
  }

  void ComputerTakesBlackAnswersOnlyAfterAWhiteMove() {
    Click(3, 3);
    game_->ctbClick();
    QCOMPARE(Board().moveCount, 1);
    game_->cwbcClick();
    Click(4, 4);
    game_->ctbClick();
    QCOMPARE(Board().moveCount, 3);
    CheckNewestIsComputerReplyOf(Black);
  }

  void ComputerAnswersEveryStoneThatStands_data() {
    QTest::addColumn<int32_t>("computer");
    QTest::newRow("computer as White") << White;
    QTest::newRow("computer as Black") << Black;
  }

  void ComputerAnswersEveryStoneThatStands() {
    QFETCH(int32_t, computer);
    computer == White ? game_->ctwClick() : game_->ctbClick();
    const int32_t before = Board().moveCount;
    const GridPoint point = EmptyPoint();
    Click(point.column, point.row);
    QCOMPARE(ColourAt(point.column, point.row), -computer);
    QCOMPARE(Board().moveCount, before + 2);
    CheckNewestIsComputerReplyOf(computer);
    QCOMPARE(game_->SideToMove(), -computer);
    Click(point.column, point.row);
    QCOMPARE(Board().moveCount, before + 2);
  }

  void UndoWithTheComputerTakesBackTwoRecordsEvenPasses() {
    game_->ctwClick();
    game_->Button1Click();
    QCOMPARE(Board().moveCount, 2);
    QCOMPARE(panel_.moveNumber, QStringLiteral("2"));
    game_->Button2Click();
    QCOMPARE(Board().moveCount, 0);
    QCOMPARE(game_->SideToMove(), Black);
    QCOMPARE(canvas_.Displayed(), canvas_.BoardPicture);
  }

  void UndoOfTheComputersOnlyStoneLetsItOpenAgain() {
    game_->ctbClick();
    game_->Button2Click();
    QCOMPARE(Board().moveCount, 1);
    CheckNewestIsComputerReplyOf(Black);
    QCOMPARE(game_->SideToMove(), White);
    CheckBoard();
  }

  void UndoOnAnEmptyHistoryTakesNothing() {
    game_->Button2Click();
    QCOMPARE(Board().moveCount, 0);
    QCOMPARE(game_->SideToMove(), Black);
  }

  void ClearAllKeepsTheModeAndTheComputerAsBlackOpens() {
    game_->ctbClick();
    const GridPoint point = EmptyPoint();
    Click(point.column, point.row);
    game_->Button3Click();
    QCOMPARE(game_->PlayMode(), int32_t{ComputerBlack});
    QCOMPARE(Board().moveCount, 1);
    CheckNewestIsComputerReplyOf(Black);
    QCOMPARE(game_->SideToMove(), White);
  }

  void ClearAllAfterAPassKeepsThePassMessage() {
    game_->Button1Click();
    game_->Button3Click();
    QCOMPARE(panel_.moveNumber, QStringLiteral("0"));
    QCOMPARE(panel_.passMessage, QStringLiteral("Black passes"));
    QCOMPARE(game_->SideToMove(), Black);
    QCOMPARE(canvas_.Displayed(), canvas_.BoardPicture);
  }

  void ComputerAgainstItselfEndsInAlternatePlay() {
    int32_t watched = 0;
    game_->SetComputerGameWatcher([&] {
      ++watched;
      CheckBoard();
      return false;
    });
    game_->ctbwClick();
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
    QVERIFY(!game_->ComputerTakesBlack());
    QVERIFY(!game_->ComputerTakesWhite());
    QCOMPARE(panel_.modeCaption, QStringLiteral("Go game for two partners"));
    QCOMPARE(watched, Board().moveCount);
    QVERIFY(!GameContinues(Board()) || (game_->BoardSettled() && Board().moveCount >= 3) ||
            watched == ComputerGameMoveLimit);
    QCOMPARE(game_->SideToMove(), -Newest().colour);
  }

  void ComputerAgainstItselfStopsWhenTheWatcherAsks() {
    game_->SetComputerGameWatcher([] { return true; });
    game_->ctbwClick();
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
  }

  void ComputerAgainstItselfOnASettledPositionPlaysNothing() {
    game_->pbsoClick();
    Click(3, 3);
    Click(4, 4);
    Click(5, 5);
    QVERIFY(game_->BoardSettled());
    game_->ctbwClick();
    QCOMPARE(Board().moveCount, 3);
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
    QCOMPARE(game_->SideToMove(), White);
  }

  void GameContinuesUnlessTheNewestPassesFollowNoStone_data() {
    QTest::addColumn<QString>("records");  // s = a stone, p = a pass, oldest first.
    QTest::addColumn<bool>("continues");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("stone") << QStringLiteral("s") << true;
    QTest::newRow("lone pass") << QStringLiteral("p") << false;
    QTest::newRow("stone, pass") << QStringLiteral("sp") << true;
    QTest::newRow("pass, stone") << QStringLiteral("ps") << true;
    QTest::newRow("two passes") << QStringLiteral("pp") << false;
    QTest::newRow("stone, two passes") << QStringLiteral("spp") << false;
  }

  void GameContinuesUnlessTheNewestPassesFollowNoStone() {
    QFETCH(QString, records);
    QFETCH(bool, continues);
    Zere19r19 board;
    int32_t colour = Black;
    int32_t column = 0;
    for (const QChar record : records) {
      if (record == QLatin1Char('s')) {
        QVERIFY(board.TryMove(column++, 0, colour, false));
      } else {
        board.Pass(colour);
      }
      colour = -colour;
    }
    QCOMPARE(GameContinues(board), continues);
  }
};

QTEST_MAIN(GameControllerTest)
#include "game_controller_test.moc"
