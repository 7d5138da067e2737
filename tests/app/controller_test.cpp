// The game controller driven through whole games in every play mode, read back from the history
// it leaves and from what it tells the status panel.
#include <QTest>
#include <memory>

#include "app/game_controller.h"
#include "player/computer_player.h"

namespace {

struct RecordingPanel final : StatusPanel {
  void ShowTurnStone(int32_t colour) override { turn = colour; }
  void ShowMoveNumber(const QString& text) override { moveNumber = text; }
  void ShowBlackPoints(const QString& text) override { black = text; }
  void ShowWhitePoints(const QString& text) override { white = text; }
  void ShowModeCaption(const QString& text) override { caption = text; }
  void ShowPassMessage(const QString& text) override { pass = text; }
  int32_t turn = Empty;
  QString moveNumber, black, white, caption, pass;
};

// Commands ("c,r" clicks that intersection, p passes, u undoes, x clears all, 1 to 6 choose the
// Game menu's items in order), then what is shown: the side in turn, Black's:White's points, the
// caption (P, B or W as in Captions), the history oldest first (B or W a stone, b or w a pass)
// and the pass message.
// clang-format off
constexpr const char* Games[][2] = {
    {"", "B 0:0 P []"},                               {"3,3", "W 361:0 P [B]"},
    {"3,3 15,15", "B 1:1 P [BW]"},                    {"3,3 15,15 p", "W 1:1 P [BWb] Black passes"},
    {"3,3 p 0,15", "W 361:0 P [BwB]"},                {"3,3 3,3", "W 361:0 P [B]"},
    {"3,3 15,15 u", "W 361:0 P [B]"},                 {"p x", "B 0:0 P [] Black passes"},
    {"1 3,3 4,4 p", "B 361:0 P [BBb] Black passes"},  {"2 3,3 p", "W 0:361 P [Ww] White passes"},
    {"1 3,3 3", "W 361:0 P [B]"},                        {"5", "B 0:0 W []"},
    {"5 3,3", "B 1:1 W [BW]"},                        {"5 3,3 3,3", "B 1:1 W [BW]"},
    {"5 p", "B 0:361 W [bW]"},                        {"5 3,3 u", "B 0:0 W []"},
    {"5 3,3 p u", "B 1:1 W [BW]"},                    {"3,3 5", "B 1:1 W [BW]"},
    {"2 5", "B 0:361 W [W]"},                         {"4", "W 361:0 B [B]"},
    {"4 p", "W 361:0 B [BwB]"},                       {"4 u", "W 361:0 B [B]"},
    {"4 x", "W 361:0 B [B]"},                         {"3,3 4", "W 361:0 B [B]"},
    {"3,3 15,15 4", "W 2:1 B [BWB]"},                 {"3,3 15,15 4 9,9", "W 3:2 B [BWBWB]"},
    {"p 6", "W 0:0 P [b] Equal points"},               {"p p 6", "B 0:0 P [bw] Equal points"},
    {"0,0 p 1,1 6", "W 361:0 P [BwB] Black wins by 361 points"}};
// clang-format on
const QStringList Captions = {"Go game for two partners", "Computer takes black",
                              "Computer takes white"};

QString History(const Zere19r19& board) {
  QString letters;
  for (const Zere19r19::gomove* move = board.Newest(); move != nullptr; move = move->prev) {
    const QChar letter = QLatin1Char(move->colour == Black ? 'B' : 'W');
    letters.prepend(move->column >= 0 ? letter : letter.toLower());
  }
  return letters;
}

void Play(GameController& game, const QString& commands) {
  void (GameController::*const items[])() = {
      &GameController::Button1Click, &GameController::Button2Click, &GameController::Button3Click,
      &GameController::pbsoClick,    &GameController::pwsoClick,    &GameController::cwbcClick,
      &GameController::ctbClick,     &GameController::ctwClick,     &GameController::ctbwClick};
  for (const QString& command : commands.split(' ', Qt::SkipEmptyParts)) {
    if (const QStringList at = command.split(','); at.size() == 2)
      game.Image1MouseDown(PixelX(at[0].toInt()), PixelY(at[1].toInt()));
    else
      (game.*items[QString("pux123456").indexOf(command)])();
  }
}

}  // namespace

class ControllerTest : public QObject {
  Q_OBJECT

  BoardCanvas canvas_;
  RecordingPanel panel_;
  std::unique_ptr<GameController> game_;

 private slots:
  void initTestCase() { canvas_.PrepareBoardPicture(); }

  void init() {
    panel_ = RecordingPanel();
    SeedRandom(7);
    game_ = std::make_unique<GameController>(canvas_, panel_);
  }

  void WholeGames_data() {
    QTest::addColumn<QString>("shown");
    for (const auto& [commands, shown] : Games)
      QTest::newRow(commands) << QString(shown);
  }

  void WholeGames() {
    Play(*game_, QTest::currentDataTag());
    QCOMPARE(game_->SideToMove(), panel_.turn);
    QCOMPARE(panel_.moveNumber, QString::number(game_->Board().moveCount));
    const QString shown = QString("%1 %2:%3 %4 [%5] %6")
                              .arg(panel_.turn == Black ? 'B' : 'W')
                              .arg(panel_.black, panel_.white)
                              .arg(QString("?PBW").at(Captions.indexOf(panel_.caption) + 1))
                              .arg(History(game_->Board()), panel_.pass);
    QTEST(shown.trimmed(), "shown");
  }

  // Against itself the computer plays both colours, shown in turn, until the position is settled
  // with three records or more, or two passes end it; then people play again, taking turns.
  void ComputerAgainstItselfStopsAtTheFirstEnd() {
    QString ends;       // For each move: '1' when the game is over by then, else '0'.
    bool shown = true;  // Every move is shown under its caption, the next colour in turn.
    game_->SetComputerGameWatcher([&] {
      const Zere19r19& board = game_->Board();
      const bool over = (game_->BoardSettled() && board.moveCount >= 3) || !GameContinues(board);
      ends += over ? '1' : '0';
      shown = shown && panel_.caption == "Computer takes both colors" &&
              panel_.turn == board.ColourToMove();
      return false;
    });
    Play(*game_, "6");
    QVERIFY(shown);
    QCOMPARE(ends, QString(ends.size() - 1, '0') + '1');
    QVERIFY(ends.size() >= 3 && ends.size() == game_->Board().moveCount);
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
    QCOMPARE(panel_.caption, Captions[0]);
    QCOMPARE(panel_.turn, game_->Board().ColourToMove());
  }
};

QTEST_MAIN(ControllerTest)
#include "controller_test.moc"
