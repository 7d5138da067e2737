#include "app/game_controller.h"

#include <QCoreApplication>
#include <cassert>
#include <cstdlib>
#include <limits>
#include <memory>

#include "app/opponents/computer_opponent.h"
#include "app/opponents/engine_opponent.h"
#include "app/opponents/engine_settings.h"
#include "display/scoring_panel.h"
#include "gtp/vertex.h"
#include "scoring/komi.h"
#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("GameController", text);
}

}  // namespace

void GameController::LaterDeleter::operator()(Opponent* opponent) const {
  opponent->disconnect();
  opponent->deleteLater();
}

GameController::GameController(BoardCanvas& canvas, StatusPanel& panel)
    : canvas_(canvas),
      panel_(panel),
      board_(&canvas, canvas.BoardOriginX, canvas.BoardOriginY),
      path_(sgf::TreeOfRecord({})) {
  paceTimer_.setSingleShot(true);
  QObject::connect(&paceTimer_, &QTimer::timeout, [this] { NextOpponentMove(); });
  NewGame(BoardLines);
  UpdateStatus();
}

// Deleted at once, not later: the event loop may not run again to end the engines.
GameController::~GameController() {
  for (auto& opponent : opponents_)
    delete opponent.release();
}

void GameController::Image1MouseDown(int32_t x, int32_t y) {
  const GridPoint point = NearestPoint(board_, board_.BoardSize(), x, y);
  if (!OnBoard(point.column, point.row)) return;
  if (judgement_) {
    ToggleGroup(*judgement_, board_, point.column, point.row);
    ShowStatus();
    return;
  }
  const int32_t colour = waiting_ == Empty && resigned_ == Empty ? PersonColour() : Empty;
  const bool placed = colour != Empty && !PlayMove({colour, point.column, point.row});
  if (placed && Plays(-colour)) Ask(-colour, false);
  if (!placed && refusedClick_) refusedClick_();
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button1Click() {
  const int32_t colour = waiting_ == Empty && resigned_ == Empty ? PersonColour() : Empty;
  if (colour != Empty && !PlayMove({colour, -1, -1}) && Plays(-colour)) Ask(-colour, true);
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button2Click() {
  paceTimer_.stop();
  if (waiting_ != Empty || (resigned_ != Empty && Plays(resigned_))) {
    // The engine has not answered the person's move, or resigned instead: only that move goes.
    CancelWait();
    TakeBackMove();
  } else if (resigned_ == Empty) {
    // With an opponent, its answer and the person's move before it, either of which may be a pass.
    const int32_t records = Plays(Black) || Plays(White) ? 2 : 1;
    for (int32_t record = 0; record < records; ++record)
      TakeBackMove();
  }
  resigned_ = Empty;
  ApplyTurnRule();
  const int32_t next = NextColour();
  if (path_.AtFloor() && Plays(next) && !Plays(-next)) {
    Ask(next, false);
    ApplyTurnRule();
  }
  UpdateStatus();
  KeepOpponentsPlaying();
}

void GameController::Button3Click() {
  CancelWait();
  NewGame(board_.BoardSize());
  if (Plays(Black) && !Plays(White)) {
    Ask(Black, false);
    sideToMove_ = NextColour();
  }
  UpdateStatus();
  KeepOpponentsPlaying();
}

void GameController::pbsoClick() {
  SetPersonMode(BlackStonesOnly);
  UpdateStatus();
}

void GameController::pwsoClick() {
  SetPersonMode(WhiteStonesOnly);
  UpdateStatus();
}

void GameController::cwbcClick() {
  sideToMove_ = NextColour();
  SetPersonMode(AlternatePlay);
  UpdateStatus();
}

void GameController::ctbClick() {
  LetComputerTake(Black);
}

void GameController::ctwClick() {
  LetComputerTake(White);
}

void GameController::ctbwClick() {
  SetPersonMode(AlternatePlay);
  SetSeat(Black, {Seat::Computer, {}});
  SetSeat(White, {Seat::Computer, {}});
  // Until three records stand, a board with at most one colour on it counts as settled, which
  // would end the game before it starts.
  if (board_.moveCount < 3) boardSettled_ = false;
  for (int32_t played = 0;
       !boardSettled_ && GameContinues(board_) && !GameFull() && played < ComputerGameMoveLimit;
       ++played) {
    Ask(NextColour(), false);
    sideToMove_ = NextColour();
    UpdateStatus();
    if (board_.moveCount < 3) boardSettled_ = false;
    if (watcher_ && watcher_()) break;
  }
  // A game stopped by the watcher or the move limit has not ended, so it gets no result.
  announceResult_ = boardSettled_ || !GameContinues(board_);
  cwbcClick();
}

void GameController::StartGame(const GameChoice& choice) {
  assert(UsableKomi(choice.komi));
  SetPersonMode(AlternatePlay);
  NewGame(choice.boardSize);
  for (const gtp::Vertex& point : gtp::StandardHandicapPoints(choice.handicap, choice.boardSize))
    board_.TryMove(point.column, point.row, Black, true);
  setup_ = {board_.moveCount, board_.moveCount};
  komi_ = choice.komi;
  path_ = sgf::GamePath(sgf::TreeOfRecord(RecordOfGame()));
  SetSeat(Black, choice.black);
  SetSeat(White, choice.white);
  sideToMove_ = NextColour();
  if (Plays(sideToMove_)) Ask(sideToMove_, false);
  ApplyTurnRule();
  UpdateStatus();
  KeepOpponentsPlaying();
}

void GameController::Resign() {
  const int32_t colour = PersonColour();
  if (colour == Empty || resigned_ != Empty || judgement_) return;
  CancelWait();
  resigned_ = colour;
  UpdateStatus();
}

void GameController::StopOpponentGame() {
  if (!Plays(Black) || !Plays(White)) return;
  cwbcClick();
}

void GameController::GoBack() {
  Navigate(&GameController::StepBack, 1);
}

void GameController::GoForward() {
  Navigate(&GameController::StepForward, 1);
}

void GameController::GoFirst() {
  Navigate(&GameController::StepBack, std::numeric_limits<int32_t>::max());
}

void GameController::GoLast() {
  Navigate(&GameController::StepForward, std::numeric_limits<int32_t>::max());
}

void GameController::ChooseVariation(int32_t step) {
  if (path_.ChooseVariation(step)) ShowStatus();
}

void GameController::Redo() {
  paceTimer_.stop();
  CancelWait();
  const int32_t records = Plays(Black) || Plays(White) ? 2 : 1;
  int32_t redone = 0;
  while (redone < records && ForwardOneMove())
    ++redone;
  if (redone > 0) resigned_ = Empty;
  const int32_t next = NextColour();
  if (Plays(next) && !Plays(-next) && !GameOver()) Ask(next, false);
  ApplyTurnRule();
  UpdateStatus();
  KeepOpponentsPlaying();
}

void GameController::Navigate(bool (GameController::*step)(), int32_t steps) {
  if (Plays(Black) && Plays(White)) SetPersonMode(AlternatePlay);
  CancelWait();
  paceTimer_.stop();
  resigned_ = Empty;
  for (int32_t taken = 0; taken < steps && (this->*step)(); ++taken) {
  }
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::SetKomi(double komi) {
  assert(UsableKomi(komi));
  komi_ = komi;
  chosenKomi_ = komi;
  ShowStatus();
}

void GameController::NewGame(int32_t boardSize) {
  paceTimer_.stop();
  canvas_.ShowFreshBoard(boardSize);
  board_.Reset(boardSize);
  sideToMove_ = Black;
  setup_ = {};
  komi_ = chosenKomi_.value_or(DefaultKomi(0));
  info_.clear();
  judgement_.reset();
  resigned_ = Empty;
  opponentMoves_ = 0;
  path_ = sgf::GamePath(sgf::TreeOfRecord(RecordOfGame()));
}

void GameController::UpdateStatus() {
  if (resigned_ == Empty && (announceResult_ || TwoPassesEnded(board_)))
    judgement_ = JudgePosition(board_);
  else
    judgement_.reset();
  announceResult_ = false;
  UnmarkSetupStone();
  ShowStatus();
  notice_.clear();
  if (AnyEngine()) {
    const sgf::GameRecord game = RecordOfGame();
    for (const auto& opponent : opponents_) {
      if (opponent) opponent->Follow(game);
    }
  }
}

void GameController::ShowStatus() {
  if (placing_ != Empty) sideToMove_ = placing_;
  boardSettled_ =
      RefreshStatusPanel(board_, setup_.records, sideToMove_, Plays(Black), Plays(White), panel_);
  panel_.ShowNotes(NotesText(), path_.HasNotes());
  if (AnyEngine()) panel_.ShowModeCaption(EngineCaption());
  if (judgement_) ShowScoring(board_, *judgement_, komi_, panel_);
  if (resigned_ != Empty)
    panel_.ShowPassMessage(resigned_ == Black ? Tr("White wins by resignation")
                                              : Tr("Black wins by resignation"));
  if (waiting_ != Empty)
    panel_.ShowPassMessage(Tr("%1 is thinking...").arg(OpponentOf(waiting_)->Name()));
  if (!notice_.isEmpty()) panel_.ShowPassMessage(notice_);
}

QString GameController::NotesText() const {
  QString text = QString::fromStdString(std::string(path_.Comment()));
  if (path_.Variations() < 2) return text;
  const QString line =
      Tr("Forward: variation %1 of %2").arg(path_.ChosenVariation()).arg(path_.Variations());
  return text.isEmpty() ? line : line + '\n' + text;
}

QString GameController::EngineCaption() const {
  if (Plays(Black) && Plays(White))
    return Tr("%1 against %2").arg(OpponentOf(Black)->Name(), OpponentOf(White)->Name());
  if (Plays(Black)) return Tr("%1 takes black").arg(OpponentOf(Black)->Name());
  return Tr("%1 takes white").arg(OpponentOf(White)->Name());
}

std::optional<sgf::Failure> GameController::OpenGame(sgf::GameTree tree) {
  sgf::GameRecord record;
  if (auto failure = sgf::RecordOfLine(tree, tree.MainLine(), record)) return failure;
  // Checked on a board of its own first, so a record refused part-way leaves the game untouched;
  // only then replayed on the board that draws.
  if (auto failure = sgf::ReplayGame(record, *std::make_unique<Zere19r19>())) return failure;
  CancelWait();
  NewGame(record.boardSize);
  [[maybe_unused]] const bool replayed = !sgf::ReplayGame(record, board_).has_value();
  assert(replayed);
  setup_ = sgf::SetupOfRecord(record);
  assert(!record.komi || UsableKomi(*record.komi));
  komi_ = record.komi.value_or(DefaultKomi(record.handicap));
  info_ = record.info;
  path_ = sgf::GamePath(std::move(tree));
  placing_ = Empty;
  sideToMove_ = NextColour();
  if (Plays(sideToMove_) && !GameOver()) Ask(sideToMove_, false);
  ApplyTurnRule();
  UpdateStatus();
  KeepOpponentsPlaying();
  return std::nullopt;
}

sgf::GameRecord GameController::RecordOfGame() const {
  sgf::GameRecord record = sgf::RecordOfBoard(board_, setup_, komi_, Result());
  record.info = info_;
  return record;
}

std::string GameController::GameText() const {
  const sgf::GameTree& tree = path_.Tree();
  std::vector<sgf::Property> replaced;
  // A KM of the same value keeps its text; without one, the game's komi is written all the same,
  // as readers differ in the komi they assume.
  const sgf::Property* komi = tree.Find(sgf::GameTree::Root, "KM");
  if (komi == nullptr || std::strtod(komi->values.front().c_str(), nullptr) != komi_)
    replaced.push_back({"KM", {QString::number(komi_, 'g', 10).toStdString()}});
  if (std::string result = Result(); !result.empty())
    replaced.push_back({"RE", {std::move(result)}});
  return sgf::WriteTree(tree, std::move(replaced));
}

std::string GameController::Result() const {
  if (resigned_ != Empty) return resigned_ == Black ? "W+R" : "B+R";
  return judgement_ ? ScoreText(judgement_->Margin(komi_)) : "";
}

int32_t GameController::PlayMode() const {
  if (placing_ != Empty) return placing_ == Black ? BlackStonesOnly : WhiteStonesOnly;
  if (Plays(Black)) return Plays(White) ? ComputerBoth : ComputerBlack;
  return Plays(White) ? ComputerWhite : AlternatePlay;
}

Seat::Kind GameController::SeatOf(int32_t colour) const {
  const Opponent* opponent = OpponentOf(colour);
  if (opponent == nullptr) return Seat::Person;
  return opponent->Engine() ? Seat::Engine : Seat::Computer;
}

bool GameController::AnyEngine() const {
  return SeatOf(Black) == Seat::Engine || SeatOf(White) == Seat::Engine;
}

void GameController::ApplyTurnRule() {
  sideToMove_ = placing_ == Empty ? NextColour() : -NextColour();
}

int32_t GameController::PersonColour() const {
  if (placing_ != Empty) return placing_;
  if (Plays(Black)) return Plays(White) ? Empty : White;
  return Plays(White) ? Black : NextColour();
}

void GameController::LetComputerTake(int32_t colour) {
  SetPersonMode(AlternatePlay);
  SetSeat(colour, {Seat::Computer, {}});
  AnswerIfDue(colour);
  UpdateStatus();
}

void GameController::AnswerIfDue(int32_t colour) {
  // On an empty history the colour shown in turn decides, which the placing modes may have set.
  const bool due = board_.moveCount == 0 ? sideToMove_ == colour : NextColour() == colour;
  if (!due) return;
  Ask(colour, true);
  sideToMove_ = -colour;
}

void GameController::SetPersonMode(int32_t mode) {
  CancelWait();
  paceTimer_.stop();
  placing_ = mode == BlackStonesOnly ? Black : mode == WhiteStonesOnly ? White : Empty;
  SetSeat(Black, {});
  SetSeat(White, {});
}

void GameController::SetSeat(int32_t colour, const Seat& seat) {
  auto& place = opponents_[colour == Black ? 0 : 1];
  if (waiting_ == colour) CancelWait();
  place.reset();
  if (seat.kind == Seat::Computer) place.reset(new ComputerOpponent);
  if (seat.kind != Seat::Engine) return;
  place.reset(new EngineOpponent(seat.commandLine, EngineTimeoutMs(), RecordOfGame()));
  Opponent* opponent = place.get();
  QObject::connect(opponent, &Opponent::moved, opponent,
                   [this](int32_t mover, const OpponentMove& move) { OpponentMoved(mover, move); });
  QObject::connect(opponent, &Opponent::failed, opponent,
                   [this, colour](const QString& what) { EngineFailed(colour, what); });
  QObject::connect(opponent, &Opponent::renamed, opponent, [this] { ShowStatus(); });
}

void GameController::Ask(int32_t colour, bool replying) {
  if (GameFull()) {
    notice_ = QString::fromStdString(sgf::Failure{sgf::FailureKind::TooLong, ""}.Message());
    return;
  }
  const int32_t before = board_.moveCount;
  if (!OpponentOf(colour)->Move(board_, RecordOfGame(), colour, replying)) {
    waiting_ = colour;
  } else if (board_.moveCount > before) {
    const Zere19r19::gomove* newest = board_.Newest();
    path_.Play({newest->colour, newest->column, newest->row});
  }
}

std::optional<sgf::Failure> GameController::PlayMove(const sgf::Move& move) {
  std::optional<sgf::Failure> failure =
      path_.Full() ? sgf::Failure{sgf::FailureKind::TooLong, ""} : PlayOnBoard(move);
  if (!failure)
    path_.Play(move);
  else if (failure->kind == sgf::FailureKind::TooLong)
    notice_ = QString::fromStdString(failure->Message());
  return failure;
}

std::optional<sgf::Failure> GameController::PlayOnBoard(const sgf::Move& move) {
  if (board_.moveCount >= sgf::LongestGame) return sgf::Failure{sgf::FailureKind::TooLong, ""};
  if (move.column < 0) {
    board_.Pass(move.colour);
  } else if (!board_.TryMove(move.column, move.row, move.colour, true)) {
    const std::string point = gtp::VertexText(move.column, move.row, board_.BoardSize());
    return sgf::Failure{sgf::FailureKind::IllegalMove,
                        (move.colour == Black ? "B " : "W ") + point};
  }
  return std::nullopt;
}

bool GameController::GameFull() const {
  return board_.moveCount >= sgf::LongestGame || path_.Full();
}

std::optional<sgf::Move> GameController::CurrentMove() const {
  std::optional<sgf::Move> move;
  sgf::MoveOfNode(path_.Tree(), path_.Current(), board_.BoardSize(), move);
  return move;
}

bool GameController::StepBack() {
  if (path_.AtFloor()) return false;
  if (CurrentMove()) board_.TakeBack(true);
  path_.Back();
  return true;
}

bool GameController::StepForward() {
  const sgf::NodeId next = path_.Next();
  if (next == sgf::NoNode) return false;
  std::optional<sgf::Move> move;
  std::optional<sgf::Failure> failure =
      sgf::MoveOfNode(path_.Tree(), next, board_.BoardSize(), move);
  if (!failure && move) failure = PlayOnBoard(*move);
  if (failure) {
    notice_ = QString::fromStdString(failure->Message());
    return false;
  }
  path_.Forward();
  return true;
}

void GameController::TakeBackMove() {
  while (!path_.AtFloor()) {
    const bool move = CurrentMove().has_value();
    StepBack();
    if (move) return;
  }
}

bool GameController::ForwardOneMove() {
  while (StepForward()) {
    if (CurrentMove()) return true;
  }
  return false;
}

void GameController::UnmarkSetupStone() {
  const Zere19r19::gomove* newest = board_.Newest();
  if (MoveNumber() == 0 && newest != nullptr && newest->column >= 0)
    canvas_.DrawStone(board_, newest->column, newest->row, false, newest->colour);
}

void GameController::CancelWait() {
  if (waiting_ == Empty) return;
  OpponentOf(waiting_)->Cancel();
  waiting_ = Empty;
}

void GameController::OpponentMoved(int32_t colour, const OpponentMove& move) {
  if (colour != waiting_) return;
  waiting_ = Empty;
  if (move.kind == OpponentMove::Resign) {
    resigned_ = colour;
  } else if (const auto failure = PlayMove({colour, move.column, move.row});
             failure && failure->kind != sgf::FailureKind::TooLong) {
    const QString point =
        QString::fromStdString(gtp::VertexText(move.column, move.row, board_.BoardSize()));
    EngineFailed(colour, Tr("played %1, which the rules do not allow").arg(point));
    return;
  }
  ApplyTurnRule();
  UpdateStatus();
  KeepOpponentsPlaying();
}

void GameController::EngineFailed(int32_t colour, const QString& what) {
  const QString name = OpponentOf(colour)->Name();
  paceTimer_.stop();
  if (waiting_ == colour) waiting_ = Empty;
  opponents_[colour == Black ? 0 : 1].reset();
  ApplyTurnRule();
  UpdateStatus();
  if (engineFailed_) engineFailed_(name, what);
}

void GameController::KeepOpponentsPlaying() {
  if (Plays(Black) && Plays(White) && waiting_ == Empty && !GameOver() &&
      opponentMoves_ < ComputerGameMoveLimit)
    paceTimer_.start();
}

void GameController::NextOpponentMove() {
  if (!Plays(Black) || !Plays(White) || waiting_ != Empty || GameOver()) return;
  ++opponentMoves_;
  Ask(NextColour(), true);
  ApplyTurnRule();
  UpdateStatus();
  KeepOpponentsPlaying();
}

bool GameController::GameOver() const {
  return resigned_ != Empty || TwoPassesEnded(board_);
}

bool GameContinues(const Zere19r19& board) {
  const Zere19r19::gomove* newest = board.Newest();
  if (newest == nullptr || newest->column >= 0) return true;
  const Zere19r19::gomove* before = newest->prev;
  return before != nullptr && before->column >= 0;
}

bool TwoPassesEnded(const Zere19r19& board) {
  const Zere19r19::gomove* newest = board.Newest();
  return newest != nullptr && newest->column < 0 && newest->prev != nullptr &&
         newest->prev->column < 0;
}
