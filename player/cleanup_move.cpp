#include "player/cleanup_move.h"

#include "engine/neighbours.h"
#include "player/computer_player.h"

namespace {

// How well a stone next to a dead opponent stone serves, best first.
enum class Fit { Captures, KeepsTwoLiberties, SelfAtari, Illegal };

// A trial stone of colour on the empty point, judged and taken back.
Fit TrialFit(Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  if (!board.TryMove(column, row, colour, false)) return Fit::Illegal;
  const bool captures = board.Newest()->capturedStones > 0;
  const bool keepsTwo = board.points[column][row].stone->group->liberties > 1;
  board.TakeBack(false);
  if (captures) return Fit::Captures;
  return keepsTwo ? Fit::KeepsTwoLiberties : Fit::SelfAtari;
}

// True when the point is next to a stone of opponent that judgement calls dead.
bool BesideDeadStone(const Zere19r19& board, const Judgement& judgement, int32_t column,
                     int32_t row, int32_t opponent) {
  return AnyNeighbour(board, column, row, [&](int32_t ncolumn, int32_t nrow) {
    return board.ColourAt(ncolumn, nrow) == opponent &&
           judgement.status[ncolumn][nrow] == StoneStatus::Dead;
  });
}

}  // namespace

void CleanupMove(Zere19r19& board, int32_t colour, const Judgement& judgement) {
  Fit best = Fit::Illegal;
  int32_t bestColumn = -1, bestRow = -1;
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    for (int32_t row = 0; row < board.BoardSize(); ++row) {
      if (board.ColourAt(column, row) != Empty ||
          !BesideDeadStone(board, judgement, column, row, -colour))
        continue;
      const Fit fit = TrialFit(board, column, row, colour);
      if (fit < best) {
        best = fit;
        bestColumn = column;
        bestRow = row;
      }
    }
  }
  if (best == Fit::Illegal) {
    // No dead stone left, or none that can be reached this move (a ko just taken): play on.
    ComputerReply(board, colour);
    return;
  }
  board.TryMove(bestColumn, bestRow, colour, true);
}
