#include "app/game_controller.h"

#include <cassert>
#include <memory>

#include "display/scoring_panel.h"
#include "player/computer_player.h"
#include "scoring/komi.h"
#include "sgf/replay.h"

GameController::GameController(BoardCanvas& canvas, StatusPanel& panel)
    : canvas_(canvas), panel_(panel), board_(&canvas, canvas.BoardOriginX, canvas.BoardOriginY) {
  NewGame();
  UpdateStatus();
}

void GameController::Image1MouseDown(int32_t x, int32_t y) {
  const GridPoint point = NearestPoint(board_, boardSize_, x, y);
  if (!OnBoard(point.column, point.row)) return;
  if (judgement_) {
    ToggleGroup(*judgement_, board_, point.column, point.row);
    ShowStatus();
    return;
  }
  bool placed = false;
  if (const int32_t colour = ModeColour(); colour != Empty)
    placed = board_.TryMove(point.column, point.row, colour, true);
  if (computerTakesBlack_ && board_.TryMove(point.column, point.row, White, true)) {
    placed = true;
    ComputerMove(board_, Black);
  }
  if (computerTakesWhite_ && board_.TryMove(point.column, point.row, Black, true)) {
    placed = true;
    ComputerMove(board_, White);
  }
  if (!placed && refusedClick_) refusedClick_();
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button1Click() {
  if (const int32_t colour = ModeColour(); colour != Empty) board_.Pass(colour);
  if (computerTakesBlack_) {
    board_.Pass(White);
    ComputerReply(board_, Black);
  }
  if (computerTakesWhite_) {
    board_.Pass(Black);
    ComputerReply(board_, White);
  }
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button2Click() {
  if (ModeColour() != Empty) TakeBackAboveSetup();
  if (ComputerPlays()) {
    // The computer's answer and the person's move before it, either of which may be a pass.
    TakeBackAboveSetup();
    TakeBackAboveSetup();
  }
  ApplyTurnRule();
  if (computerTakesBlack_ && board_.Newest() == nullptr) {
    ComputerMove(board_, Black);
    sideToMove_ = White;
  }
  UpdateStatus();
}

void GameController::Button3Click() {
  NewGame();
  if (computerTakesBlack_) {
    ComputerMove(board_, Black);
    sideToMove_ = White;
  }
  UpdateStatus();
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
  sideToMove_ = board_.ColourToMove();
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
  playMode_ = ComputerBoth;
  computerTakesWhite_ = true;
  computerTakesBlack_ = true;
  // Until three records stand, a board with at most one colour on it counts as settled, which
  // would end the game before it starts.
  if (board_.moveCount < 3) boardSettled_ = false;
  for (int32_t played = 0;
       !boardSettled_ && GameContinues(board_) && played < ComputerGameMoveLimit; ++played) {
    ComputerMove(board_, board_.ColourToMove());
    sideToMove_ = board_.ColourToMove();
    UpdateStatus();
    if (board_.moveCount < 3) boardSettled_ = false;
    if (watcher_ && watcher_()) break;
  }
  // A game stopped by the watcher or the move limit has not ended, so it gets no result.
  announceResult_ = boardSettled_ || !GameContinues(board_);
  cwbcClick();
}

void GameController::SetKomi(double komi) {
  assert(UsableKomi(komi));
  komi_ = komi;
  chosenKomi_ = komi;
  ShowStatus();
}

void GameController::NewGame() {
  canvas_.ShowFreshBoard();
  board_.Reset();
  sideToMove_ = Black;
  setup_ = {};
  komi_ = chosenKomi_.value_or(DefaultKomi(0));
  info_.clear();
  judgement_.reset();
}

void GameController::UpdateStatus() {
  if (announceResult_ || TwoPassesEnded(board_))
    judgement_ = JudgePosition(board_);
  else
    judgement_.reset();
  announceResult_ = false;
  ShowStatus();
}

void GameController::ShowStatus() {
  if (playMode_ == BlackStonesOnly) sideToMove_ = Black;
  if (playMode_ == WhiteStonesOnly) sideToMove_ = White;
  boardSettled_ =
      RefreshStatusPanel(board_, sideToMove_, computerTakesBlack_, computerTakesWhite_, panel_);
  if (judgement_) ShowScoring(board_, *judgement_, komi_, panel_);
}

std::optional<sgf::Failure> GameController::OpenGame(const sgf::GameRecord& record) {
  // Checked on a board of its own first, so a record refused part-way leaves the game untouched;
  // only then replayed on the board that draws.
  if (auto failure = sgf::ReplayGame(record, *std::make_unique<Zere19r19>())) return failure;
  NewGame();
  [[maybe_unused]] const bool replayed = !sgf::ReplayGame(record, board_).has_value();
  assert(replayed);
  setup_ = {static_cast<int32_t>(record.setup.size()), record.handicap};
  assert(!record.komi || UsableKomi(*record.komi));
  komi_ = record.komi.value_or(DefaultKomi(record.handicap));
  info_ = record.info;
  SetPersonMode(AlternatePlay);
  sideToMove_ = board_.ColourToMove();
  UpdateStatus();
  return std::nullopt;
}

sgf::GameRecord GameController::RecordOfGame() const {
  const std::string result = judgement_ ? ScoreText(judgement_->Margin(komi_)) : "";
  sgf::GameRecord record = sgf::RecordOfBoard(board_, setup_, komi_, result);
  record.info = info_;
  return record;
}

void GameController::ApplyTurnRule() {
  sideToMove_ =
      ComputerPlays() || playMode_ == AlternatePlay ? board_.ColourToMove() : LastColour();
}

int32_t GameController::ModeColour() const {
  switch (playMode_) {
    case BlackStonesOnly:
      return Black;
    case WhiteStonesOnly:
      return White;
    case AlternatePlay:
      return board_.ColourToMove();
    default:
      return Empty;
  }
}

void GameController::LetComputerTake(int32_t colour) {
  playMode_ = colour == Black ? ComputerBlack : ComputerWhite;
  computerTakesBlack_ = colour == Black;
  computerTakesWhite_ = colour == White;
  AnswerIfDue(colour);
  UpdateStatus();
}

void GameController::AnswerIfDue(int32_t colour) {
  const Zere19r19::gomove* newest = board_.Newest();
  const bool due = newest != nullptr ? newest->colour == -colour : sideToMove_ == colour;
  if (!due) return;
  ComputerReply(board_, colour);
  sideToMove_ = -colour;
}

void GameController::SetPersonMode(int32_t mode) {
  playMode_ = mode;
  computerTakesWhite_ = false;
  computerTakesBlack_ = false;
}

void GameController::TakeBackAboveSetup() {
  if (board_.moveCount > setup_.records) board_.TakeBack(true);
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
