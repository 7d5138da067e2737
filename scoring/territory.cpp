// The area count. Claiming region by region from every side of every stone, as the rule is
// stated, gives the same marks as looking at each empty region once, whatever number of stones
// border it; EmptyRegions does the latter through bit masks of the columns.
#include "scoring/territory.h"

#include <bit>

#include "scoring/empty_regions.h"

namespace {

// Sets every point's mark, colour on the claimed points and 0 elsewhere; returns how many points
// were claimed.
int32_t WriteMarks(Zere19r19& board, int32_t colour, EmptyRegions& regions) {
  int32_t claimed = 0;
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    const uint32_t rows = regions.ClaimedRows(column);
    claimed += std::popcount(rows);
    for (int32_t row = 0; row < board.BoardSize(); ++row) {
      board.points[column][row].territoryMark = colour & -static_cast<int32_t>(rows >> row & 1);
    }
  }
  return claimed;
}

}  // namespace

bool CountTerritory(Zere19r19& board, int32_t colour) {
  EmptyRegions regions(board, colour);
  const bool settled = regions.ClaimOwnRegions();
  board.Record(colour).territoryCount = WriteMarks(board, colour, regions);
  return settled;
}
