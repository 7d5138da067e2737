// The direction order every neighbour scan of the program follows.
#pragma once

#include <cassert>
#include <cstdint>

#include "engine/board.h"

// Column and row offsets of directions 0..3.
constexpr int32_t DirectionColumn[4] = {1, 0, -1, 0};
constexpr int32_t DirectionRow[4] = {0, 1, 0, -1};

// Calls visit(ncolumn, nrow) for each neighbour of the point on board, in direction order. The
// point itself must be on the board, so each direction needs one bound tested, not four.
template <typename Visit>
inline void ForEachNeighbour(const Zere19r19& board, int32_t column, int32_t row, Visit&& visit) {
  assert(board.OnBoard(column, row) && "ForEachNeighbour: point off the board");
  const int32_t lines = board.BoardSize();
  if (column + 1 < lines) visit(column + 1, row);
  if (row + 1 < lines) visit(column, row + 1);
  if (column > 0) visit(column - 1, row);
  if (row > 0) visit(column, row - 1);
}

// True when test(ncolumn, nrow) holds for a neighbour of the point, which must be on board; the
// neighbours are tested in direction order and the first success ends the scan.
template <typename Test>
inline bool AnyNeighbour(const Zere19r19& board, int32_t column, int32_t row, Test&& test) {
  assert(board.OnBoard(column, row) && "AnyNeighbour: point off the board");
  const int32_t lines = board.BoardSize();
  return (column + 1 < lines && test(column + 1, row)) ||
         (row + 1 < lines && test(column, row + 1)) || (column > 0 && test(column - 1, row)) ||
         (row > 0 && test(column, row - 1));
}
