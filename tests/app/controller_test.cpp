// The game controller driven through whole games in every play mode, read back from the history
// it leaves and from what it tells the status panel; the scoring of ended games and their komi;
// GTP engines as opponents, well behaved and not.
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>

#include "app/game_controller.h"
#include "app/opponents/engine_settings.h"
#include "app/opponents/gtp_client.h"
#include "player/computer_player.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace {

struct RecordingPanel final : StatusPanel {
  void ShowTurnStone(int32_t colour) override { turn = colour; }
  void ShowMoveNumber(const QString& text) override { moveNumber = text; }
  void ShowBlackPoints(const QString& text) override { black = text; }
  void ShowWhitePoints(const QString& text) override { white = text; }
  void ShowModeCaption(const QString& text) override { caption = text; }
  void ShowPassMessage(const QString& text) override { pass = text; }
  void ShowPointMarks(const PointMarks& shown) override { marks = shown; }
  void ShowDeadStones(const PointMarks& shown) override { dead = shown; }
  void ShowNotes(const QString& text, bool hasNotes) override {
    notes = text;
    gameHasNotes = hasNotes;
  }
  int32_t turn = Empty;
  QString moveNumber, black, white, caption, pass, notes;
  PointMarks marks{}, dead{};
  bool gameHasNotes = false;
};

// Commands ("c,r" clicks that intersection, p passes, u undoes, r redoes, x clears all, 1 to 6
// choose the Game menu's items in order, "k6.5" sets the komi, "(;...)" opens that SGF record,
// < > [ ] go back, forward, first and last, ^ v choose the previous or next variation), then what
// is shown: the side in turn, Black's:White's points, the caption (P, B or W as in Captions), the
// history oldest first (B or W a stone, b or w a pass) and the pass message or result.
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
    {"4 u", "W 361:0 B [B]"},                         {"4 x", "W 361:0 B [B]"},
    {"4 p", "W 361:0 B [Bwb] Black wins by 353.5 points\nB 361, W 0 + 7.5"},
    {"3,3 4", "W 361:0 B [B]"},
    {"3,3 15,15 4", "W 2:1 B [BWB]"},                 {"3,3 15,15 4 9,9", "W 3:2 B [BWBWB]"},
    {"p 6", "W 0:0 P [b] White wins by 7.5 points\nB 0, W 0 + 7.5"},
    {"p p 6", "B 0:0 P [bw] White wins by 7.5 points\nB 0, W 0 + 7.5"},
    {"0,0 p 1,1 6", "W 361:0 P [BwB] Black wins by 353.5 points\nB 361, W 0 + 7.5"},
    {"1 (;B[aa]) 3,3", "B 1:1 P [BW]"}};
// clang-format on
const QStringList Captions = {"Go game for two partners", "Computer takes black",
                              "Computer takes white"};

// Ended games of Black's wall on column 9 and White's on column 10 ("walls" opens them), every
// stone alive beyond doubt: Black's area is 190, White's 171. The commands as in Games, then the
// result line, and the move number, the two counters, the saved RE, the points marked Black:White
// and the stones marked dead Black:White.
constexpr char Walls[] = "(;AB[ja:js]AW[ka:ks])";
// clang-format off
constexpr const char* Scorings[][3] = {
    {"walls p p", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "2 190:171 B+11.5 171:152 0:0"},
    {"(;AB[ja:js]AW[ka:ks];B[];W[])", "Black wins by 11.5 points\nB 190, W 171 + 7.5",
     "2 190:171 B+11.5 171:152 0:0"},
    {"walls 6", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "0 190:171 B+11.5 171:152 0:0"},
    {"walls 5 p", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "2 190:171 B+11.5 171:152 0:0"},
    {"walls p p 9,0", "White wins by 368.5 points\nB 0, W 361 + 7.5", "2 190:171 W+368.5 0:342 19:0"},
    {"walls p p 10,4", "Black wins by 353.5 points\nB 361, W 0 + 7.5", "2 190:171 B+353.5 342:0 0:19"},
    {"walls p p 9,0 9,18", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "2 190:171 B+11.5 171:152 0:0"},
    {"walls p p 0,0", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "2 190:171 B+11.5 171:152 0:0"},
    {"walls p p k19", "Equal points\nB 190, W 171 + 19", "2 190:171 0 171:152 0:0"},
    {"walls p p k18", "Black wins by 1 point\nB 190, W 171 + 18", "2 190:171 B+1 171:152 0:0"},
    {"walls p p k20", "White wins by 1 point\nB 190, W 171 + 20", "2 190:171 W+1 171:152 0:0"},
    {"walls p p k-2.5", "Black wins by 21.5 points\nB 190, W 171 - 2.5", "2 190:171 B+21.5 171:152 0:0"},
    {"walls p p 9,0 k5.5", "White wins by 366.5 points\nB 0, W 361 + 5.5", "2 190:171 W+366.5 0:342 19:0"},
    {"walls p p 9,0 u", "Black passes", "1 190:171  171:152 0:0"},
    {"walls p p 9,0 p", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "3 190:171 B+11.5 171:152 0:0"},
    {"walls p p 9,0 1", "Black wins by 11.5 points\nB 190, W 171 + 7.5", "2 190:171 B+11.5 171:152 0:0"},
    // Black's wall on column 1 and White's on column 2, with a White stone on aj in the strip
    // Black encloses, dead as any judgement sees it: Black's area is 38, White's 323, and nothing
    // is open, so the computer passes after the person's pass.
    {"(;AB[ba:bs]AW[ca:cs][aj];B[];W[])", "White wins by 292.5 points\nB 38, W 323 + 7.5",
     "2 19:324 W+292.5 19:304 0:1"},
    {"(;AB[ba:bs]AW[ca:cs][aj]) 5 p", "White wins by 292.5 points\nB 38, W 323 + 7.5",
     "2 19:324 W+292.5 19:304 0:1"}};
// A record with a comment, setup stones and PL, and two variations after Black's D16 (dd is
// (3,3), pp (15,15)); "tree" opens it, "full" a tree with no room for another node. The commands
// as in Games, then the move number, the side in turn, the history, {the pass message} and the
// notes, a line break written '|'.
constexpr char Tree[] =
    "(;AB[aa]PL[W]C[root];W[dd]C[one];B[pp](;W[dp]C[main])(;W[pd];B[qq]C[side]))";
constexpr const char* Walks[][2] = {
    {"tree", "3 B [BWBW] {} main"},
    {"tree <", "2 W [BWB] {} Forward: variation 1 of 2"},
    {"tree < v", "2 W [BWB] {} Forward: variation 2 of 2"},
    {"tree < v v ^ >", "3 B [BWBW] {} main"},
    {"tree < v ]", "4 W [BWBWB] {} side"},
    {"tree < v ] < < >", "3 B [BWBW] {} "},
    {"tree [", "0 W [B] {} root"},
    {"tree [ < > >", "2 W [BWB] {} Forward: variation 1 of 2"},
    {"tree [ 3,3", "1 B [BW] {} one"},
    {"tree u", "2 W [BWB] {} Forward: variation 1 of 2"},
    {"tree u u r", "2 W [BWB] {} Forward: variation 1 of 2"},
    {"tree [ r r", "2 W [BWB] {} Forward: variation 1 of 2"},
    {"tree [ u", "0 W [B] {} root"},
    {"tree < < 15,3", "2 W [BWB] {} "},
    {"tree < < 15,3 < v", "1 B [BW] {} Forward: variation 2 of 2|one"},
    {"tree < < 15,3 u p", "2 W [BWb] {Black passes} "},
    {"3,3 4,4 u u r", "1 W [B] {} "},
    {"(;;B[aa](;W[bb])(;W[aa])) < v >", "1 W [B] {illegal move: W A19} Forward: variation 2 of 2"},
    {"(;SZ[9];B[aa](;W[bb])(;W[kk])) < v >", "1 W [B] {illegal move: W[kk] is off the board} Forward: variation 2 of 2"},
    {"(;SZ[9];B[aa](;W[bb])(;W[ja])) < v >", "1 W [B] {illegal move: W[ja] is off the board} Forward: variation 2 of 2"},
    {"full 3,3", "0 B [] {game too long} "},
    // Records with a node that holds no move, a setup node below the root, FF[3]'s "tt" pass, or
    // setup followed by Black's move: stepping through them keeps board and record in step.
    {"(;;B[aa];C[note];W[bb]) < <", "1 W [B] {} "},
    {"(;;B[aa];C[note];W[bb]) u u", "0 B [] {} "},
    {"(;;B[aa];C[note];W[bb]) [ r r", "2 B [BW] {} "},
    {"(;SZ[19];AB[aa];B[bb]) [ 3,3 < ^ >", "1 W [BB] {} "},
    {"(;;B[tt];W[aa]) < <", "0 B [] {Black passes} "},
    {"(;AB[dd];B[pp]) [", "0 B [B] {} "}};
// What "tree" grows into when Black answers D16 at Q16 instead (pd), saved with its komi.
constexpr char Grown[] =
    "(;AB[aa]PL[W]C[root]KM[7.5];W[dd]C[one](;B[pp](;W[dp]C[main])(;W[pd];B[qq]C[side]))(;B[pd]))";

// Commands, then the komi of the game and of its saved record.
const std::pair<const char*, double> Komis[] = {
    {"", 7.5}, {"x", 7.5}, {"k5.5 x", 5.5}, {"(;HA[2]AB[dd][pp])", 0.5}, {"(;KM[6.5])", 6.5},
    {"k5.5 (;HA[2]AB[dd][pp])", 0.5}, {"(;HA[2]AB[dd][pp]) x", 7.5}, {"k5.5 (;KM[6.5]) x", 5.5}};
// clang-format on

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
      &GameController::ctbClick,     &GameController::ctwClick,     &GameController::ctbwClick,
      &GameController::Redo,         &GameController::GoBack,       &GameController::GoForward,
      &GameController::GoFirst,      &GameController::GoLast};
  for (QString command : commands.split(' ', Qt::SkipEmptyParts)) {
    if (command == "walls") command = Walls;
    if (command == "tree") command = Tree;
    // As many nodes as a record may hold, none of them a move.
    if (command == "full") command = "(;" + QString(sgf::LongestGame, ';') + ')';
    if (const QStringList at = command.split(','); at.size() == 2) {
      const BoardGrid grid(game.Board().BoardSize());
      game.Image1MouseDown(grid.X(at[0].toInt()), grid.Y(at[1].toInt()));
    } else if (command == "^" || command == "v") {
      game.ChooseVariation(command == "v" ? 1 : -1);
    } else if (command.startsWith('k')) {
      game.SetKomi(command.mid(1).toDouble());
    } else if (command.startsWith('(')) {
      const sgf::ParsedRecord parsed = sgf::ParseSgf(command.toStdString());
      if (parsed.failure || game.OpenGame(parsed.tree))
        qFatal("cannot open %s", qPrintable(command));
    } else {
      (game.*items[QString("pux123456r<>[]").indexOf(command)])();
    }
  }
}

// The number of points marked Black and White, as "black:white".
QString MarkCounts(const PointMarks& marks) {
  int32_t counts[3] = {};
  for (const auto& column : marks) {
    for (const int32_t colour : column)
      ++counts[colour + 1];
  }
  return QString("%1:%2").arg(counts[2]).arg(counts[0]);
}

}  // namespace

class ControllerTest : public QObject {
  Q_OBJECT

  BoardCanvas canvas_;
  RecordingPanel panel_;
  std::unique_ptr<GameController> game_;
  QTemporaryDir settings_;  // Stands in for the user's settings.
  QString failure_;         // "name: what" of the last engine failure.

  // Starts a game of the person as Black against engine as White and plays D4.
  void PlayAgainst(const QString& engine) {
    game_->StartGame({{}, {Seat::Engine, engine}});
    Play(*game_, "3,15");
  }

  template <size_t Rows>
  void AddScorings(const char* const (&rows)[Rows][3]) {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown");
    for (const auto& [commands, result, shown] : rows)
      QTest::newRow(commands) << QString(result) << QString(shown);
  }

  void CheckScoring() {
    Play(*game_, QTest::currentDataTag());
    QTEST(panel_.pass, "result");
    const QString shown = QString("%1 %2:%3 %4 %5 %6")
                              .arg(panel_.moveNumber, panel_.black, panel_.white,
                                   QString::fromStdString(game_->RecordOfGame().result),
                                   MarkCounts(panel_.marks), MarkCounts(panel_.dead));
    QTEST(shown, "shown");
  }

 private slots:
  void initTestCase() {
    canvas_.PrepareBoardPicture();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QSettings(QStringLiteral("zadada"), QStringLiteral("zadada"))
        .setValue(QStringLiteral("engines/timeoutSeconds"), 1);
  }

  // No engine outlives the tests.
  void cleanupTestCase() {
    game_.reset();
    EndEnginesLeft();
  }

  void init() {
    panel_ = RecordingPanel();
    SeedRandom(7);
    game_ = std::make_unique<GameController>(canvas_, panel_);
    failure_.clear();
    game_->SetEngineFailedSignal(
        [this](const QString& name, const QString& what) { failure_ = name + ": " + what; });
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

  void Scoring_data() { AddScorings(Scorings); }

  // Ended games are judged, a click on a stone turns its group dead or alive, and the result, the
  // marks and the saved RE follow while the counters keep the count; any other command judges the
  // game afresh, so the player's judgement of a group lasts only while the game is scored.
  void Scoring() { CheckScoring(); }

  void LookingThrough_data() {
    QTest::addColumn<QString>("shown");
    for (const auto& [commands, shown] : Walks)
      QTest::newRow(commands) << QString(shown);
  }

  // Stepping through the tree moves the board, the move number (setup stones not counted), the
  // side in turn (PL after the setup) and the notes; a move played at an earlier point follows
  // the child holding it or starts a variation, and Undo and Redo step over moves in the line.
  void LookingThrough() {
    Play(*game_, QTest::currentDataTag());
    QCOMPARE(game_->SideToMove(), panel_.turn);
    const QString shown = QString("%1 %2 [%3] {%4} %5")
                              .arg(panel_.moveNumber)
                              .arg(panel_.turn == Black ? 'B' : 'W')
                              .arg(History(game_->Board()), panel_.pass, panel_.notes)
                              .replace('\n', '|');
    QTEST(shown, "shown");
  }

  // Looking through and playing at an earlier point keep the whole tree: every old line stays,
  // and the new move hangs beside the one it replaces.
  void NewVariationKeepsTheOldLine() {
    Play(*game_, "tree [ > > v ] < < < 15,3 ]");
    QCOMPARE(game_->GameText(), sgf::WriteTree(sgf::ParseSgf(Grown).tree));
  }

  // A game without notes gets them once a move played at an earlier point starts a variation.
  void NewVariationBringsNotes() {
    Play(*game_, "3,3");
    QVERIFY(!panel_.gameHasNotes);
    Play(*game_, "[ 4,4");
    QVERIFY(panel_.gameHasNotes);
  }

  void Komi_data() {
    QTest::addColumn<double>("komi");
    for (const auto& [commands, komi] : Komis)
      QTest::newRow(commands) << komi;
  }

  // Games start with the komi of a game without handicap, or the one the player last set; an
  // opened record keeps its own, or the one its handicap calls for.
  void Komi() {
    Play(*game_, QTest::currentDataTag());
    QTEST(game_->Komi(), "komi");
    QTEST(game_->RecordOfGame().komi.value_or(-1.0), "komi");
  }

  // A game started with a handicap is saved with it.
  void HandicapIsSaved() {
    game_->StartGame({{}, {}, 2, HandicapKomi});
    QCOMPARE(History(game_->Board()), QString("BB"));
    QCOMPARE(sgf::ParseSgf(game_->GameText()).record.handicap, 2);
  }

  // A new game keeps nothing of the game information of the record opened before it.
  void NewGameForgetsTheGameInfo() {
    Play(*game_, "(;PB[Ann]PW[Bob];B[dd]) x");
    QVERIFY(sgf::ParseSgf(game_->GameText()).record.info.empty());
  }

  // Redo after a resignation goes on with the game: the resignation is gone.
  void RedoAfterResigningGoesOn() {
    Play(*game_, "3,3 4,4 u");
    game_->Resign();
    QCOMPARE(game_->RecordOfGame().result, std::string("B+R"));
    Play(*game_, "r");
    QCOMPARE(History(game_->Board()), QString("BW"));
    QCOMPARE(game_->RecordOfGame().result, std::string());
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

  void EngineMisbehaves_data() {
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("shown");
    const QString bad = QStringLiteral(BAD_ENGINE " ");
    QTest::newRow("illegal") << bad + "illegal"
                             << "Bad: played D4, which the rules do not allow||";
    QTest::newRow("garbage") << bad + "garbage"
                             << "Bad: answered something that is not GTP||";
    QTest::newRow("crash") << bad + "crash"
                           << "Bad: crashed||";
    QTest::newRow("silent") << bad + "silent"
                            << "Bad: gave no answer in time||";
    QTest::newRow("missing") << "/nonexistent/engine"
                             << "/nonexistent/engine: did not start||";
    QTest::newRow("resign") << bad + "resign"
                            << "|Black wins by resignation|B+R";
  }

  // An engine that fails is let go and a person plays its colour, on the game as it was; one
  // that resigns ends the game.
  void EngineMisbehaves() {
    QFETCH(QString, engine);
    PlayAgainst(engine);
    QTRY_COMPARE(game_->Waiting(), int32_t{Empty});
    QCOMPARE(History(game_->Board()), QString("B"));
    QCOMPARE(game_->SeatOf(White), failure_.isEmpty() ? Seat::Engine : Seat::Person);
    const std::string result = game_->RecordOfGame().result;
    QTEST(QString("%1|%2|%3").arg(failure_, panel_.pass, QString::fromStdString(result)), "shown");
  }

  // The engine answers the handicap at once, follows Undo back to the person's turn and answers
  // the new move there; its name comes into the caption.
  void EngineFollowsTheGame() {
    game_->StartGame({{}, {Seat::Engine, ZADADA_GTP}, 2, HandicapKomi});
    QTRY_COMPARE(History(game_->Board()), QString("BBW"));
    QVERIFY2(panel_.caption.endsWith(" takes white"), qPrintable(panel_.caption));
    Play(*game_, "3,3");
    QTRY_COMPARE(game_->Board().moveCount, 5);
    Play(*game_, "u 3,3 u u");
    QTRY_COMPARE(History(game_->Board()), QString("BBW"));
    Play(*game_, "3,3");
    QTRY_COMPARE(game_->Board().moveCount, 5);
    QCOMPARE(failure_, QString());
  }

  // The engine is told the game's board size and komi, and its vertices are read on that board:
  // the top left corner of a 9 x 9 board is A9.
  void EngineIsToldTheBoardSizeAndKomi() {
    game_->StartGame({{}, {Seat::Engine, BAD_ENGINE " corner"}, 0, EvenGameKomi, 9});
    Play(*game_, "4,4");
    QTRY_COMPARE(History(game_->Board()), QString("BW"));
    QCOMPARE(game_->Board().ColourAt(0, 0), White);
    QCOMPARE(failure_, QString());
  }

  // Two engines play each other to the end of the game; Escape stops an engine against the
  // built-in player, and people take over.
  void OpponentsPlayEachOther() {
    game_->SetOpponentPace(0);
    game_->StartGame({{Seat::Engine, ZADADA_GTP}, {Seat::Engine, ZADADA_GTP}});
    QTRY_VERIFY_WITH_TIMEOUT(!game_->RecordOfGame().result.empty(), 120000);
    QCOMPARE(failure_, QString());
    game_->StartGame({{Seat::Engine, ZADADA_GTP}, {Seat::Computer, {}}});
    QTRY_VERIFY(game_->Board().moveCount >= 4);
    game_->StopOpponentGame();
    QCOMPARE(game_->PlayMode(), int32_t{AlternatePlay});
  }

  // The engines chosen are offered again.
  void ChosenEngineIsOffered() {
    RememberEngine("my-engine --mode gtp");
    QVERIFY(OfferedEngines().contains("my-engine --mode gtp"));
  }

  void GnuGoAnswers() {
    const QStringList engines = OfferedEngines();
    if (engines.isEmpty() || !engines.first().contains("gnugo")) QSKIP("GNU Go is not installed");
    PlayAgainst(engines.first());
    QTRY_COMPARE_WITH_TIMEOUT(game_->Board().moveCount, 2, 30000);
    QVERIFY2(panel_.caption.startsWith("GNU Go"), qPrintable(panel_.caption));
  }
};

QTEST_MAIN(ControllerTest)
#include "controller_test.moc"
