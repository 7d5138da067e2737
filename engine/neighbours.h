// The direction order every neighbour scan of the program follows.
#pragma once

#include <cstdint>

#include "engine/records.h"

// Column and row offsets of directions 0..3.
constexpr int32_t kDirectionColumn[4] = {1, 0, -1, 0};
constexpr int32_t kDirectionRow[4] = {0, 1, 0, -1};

// Calls visit(ncolumn, nrow) for each neighbour of the point on the board, in direction order.
template <typename Visit>
inline void ForEachNeighbour(int32_t column, int32_t row, Visit&& visit) {
  for (int32_t d = 0; d < 4; ++d) {
    const int32_t ncolumn = column + kDirectionColumn[d];
    const int32_t nrow = row + kDirectionRow[d];
    if (OnBoard(ncolumn, nrow)) visit(ncolumn, nrow);
  }
}
