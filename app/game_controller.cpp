#include "app/game_controller.h"

#include "player/computer_player.h"

GameController::GameController(BoardCanvas& canvas, StatusPanel& panel)
    : canvas_(canvas), panel_(panel), board_(&canvas, canvas.BoardOriginX, canvas.BoardOriginY) {
  NewGame();
  UpdateStatus();
}

void GameController::Image1MouseDown(int32_t x, int32_t y) {
  const GridPoint point = NearestPoint(board_, BoardSize, x, y);
  if (!OnBoard(point.column, point.row)) return;
  if (const int32_t colour = ModeColour(); colour != Empty)
    board_.TryMove(point.column, point.row, colour, true);
  if (ComputerTakesBlack && board_.TryMove(point.column, point.row, White, true))
    ComputerMove(board_, Black);
  if (ComputerTakesWhite && board_.TryMove(point.column, point.row, Black, true))
    ComputerMove(board_, White);
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button1Click() {
  if (const int32_t colour = ModeColour(); colour != Empty) board_.Pass(colour);
  if (ComputerTakesBlack) {
    board_.Pass(White);
    ComputerMove(board_, Black);
  }
  if (ComputerTakesWhite) {
    board_.Pass(Black);
    ComputerMove(board_, White);
  }
  ApplyTurnRule();
  UpdateStatus();
}

void GameController::Button2Click() {
  if (ModeColour() != Empty) board_.TakeBack(true);
  if (ComputerPlays()) {
    // The computer's answer and the person's move before it, either of which may be a pass.
    board_.TakeBack(true);
    board_.TakeBack(true);
  }
  ApplyTurnRule();
  if (ComputerTakesBlack && board_.Newest() == nullptr) {
    ComputerMove(board_, Black);
    SideToMove = White;
  }
  UpdateStatus();
}

void GameController::Button3Click() {
  NewGame();
  if (ComputerTakesBlack) {
    ComputerMove(board_, Black);
    SideToMove = White;
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
  SideToMove = board_.ColourToMove();
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
  PlayMode = ComputerBoth;
  ComputerTakesWhite = true;
  ComputerTakesBlack = true;
  // Until three records stand, a board with at most one colour on it counts as settled, which
  // would end the game before it starts.
  if (board_.moveCount < 3) BoardSettled = false;
  for (int32_t played = 0; !BoardSettled && GameContinues(board_) && played < ComputerGameMoveLimit;
       ++played) {
    ComputerMove(board_, board_.ColourToMove());
    SideToMove = board_.ColourToMove();
    UpdateStatus();
    if (board_.moveCount < 3) BoardSettled = false;
    if (watcher_ && watcher_()) break;
  }
  cwbcClick();
}

void GameController::NewGame() {
  canvas_.ShowFreshBoard();
  board_.Reset();
  SideToMove = Black;
}

void GameController::UpdateStatus() {
  if (PlayMode == BlackStonesOnly) SideToMove = Black;
  if (PlayMode == WhiteStonesOnly) SideToMove = White;
  BoardSettled =
      RefreshStatusPanel(board_, SideToMove, ComputerTakesBlack, ComputerTakesWhite, panel_);
}

void GameController::ApplyTurnRule() {
  SideToMove = ComputerPlays() || PlayMode == AlternatePlay ? board_.ColourToMove() : LastColour();
}

int32_t GameController::ModeColour() const {
  switch (PlayMode) {
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
  PlayMode = colour == Black ? ComputerBlack : ComputerWhite;
  ComputerTakesBlack = colour == Black;
  ComputerTakesWhite = colour == White;
  AnswerIfDue(colour);
  UpdateStatus();
}

void GameController::AnswerIfDue(int32_t colour) {
  const Zere19r19::gomove* newest = board_.Newest();
  const bool due = newest != nullptr ? newest->colour == -colour : SideToMove == colour;
  if (!due) return;
  ComputerMove(board_, colour);
  SideToMove = -colour;
}

void GameController::SetPersonMode(int32_t mode) {
  PlayMode = mode;
  ComputerTakesWhite = false;
  ComputerTakesBlack = false;
}

bool GameContinues(const Zere19r19& board) {
  const Zere19r19::gomove* newest = board.Newest();
  if (newest == nullptr || newest->column >= 0) return true;
  const Zere19r19::gomove* before = newest->prev;
  return before != nullptr && before->column >= 0;
}
