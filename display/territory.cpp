// The area count. CountTerritory looks at each empty region once, through bit masks of the
// columns; FillTerritory and ClearTerritory keep the claim-and-withdraw fill for callers of their
// own.
#include "display/territory.h"

#include <bit>

#include "display/empty_regions.h"
#include "engine/neighbours.h"

namespace {

// ---- The count ----

// The first group of colour whose ring has lost its entry stone, null on a sound board.
const StoneGroup* FirstGroupWithoutEntry(const Zere19r19& board, int32_t colour) {
  for (const StoneGroup* group = board.Record(colour).firstGroup; group != nullptr;
       group = group->next) {
    if (group->firstStone == nullptr) return group;
  }
  return nullptr;
}

// Claims the regions next to the stones of the groups in front of broken, as the count had when
// it reached the broken group.
void ClaimFromGroupsBefore(const Zere19r19& board, int32_t colour, const StoneGroup* broken,
                           EmptyRegions& regions) {
  for (const StoneGroup* group = board.Record(colour).firstGroup; group != broken;
       group = group->next) {
    const StoneNode* stone = group->firstStone;
    do {
      ForEachNeighbour(stone->column, stone->row, [&](int32_t column, int32_t row) {
        if (board.points[column][row].colour == Empty) {
          regions.ClaimUnlessForeign(regions.RegionOf(column, row));
        }
      });
      stone = stone->next;
    } while (stone != group->firstStone);
  }
}

// Sets every point's mark, colour on the claimed points and 0 elsewhere; returns how many points
// were claimed.
int32_t WriteMarks(Zere19r19& board, int32_t colour, EmptyRegions& regions) {
  int32_t claimed = 0;
  for (int32_t column = 0; column < BoardLines; ++column) {
    const uint32_t rows = regions.ClaimedRows(column);
    claimed += std::popcount(rows);
    for (int32_t row = 0; row < BoardLines; ++row) {
      board.points[column][row].territoryMark = colour & -static_cast<int32_t>(rows >> row & 1);
    }
  }
  return claimed;
}

// ---- The standalone fill ----

// One level of the claim: a claimed point and the direction its fill is exploring.
struct FillLevel {
  int32_t column;
  int32_t row;
  int32_t direction;
};

// Withdraws a failed claim level by level from the deepest: each level loses its own mark and
// the regions it had already filled, the most recent first.
void WithdrawClaim(Zere19r19& board, const FillLevel* levels, int32_t depth) {
  for (int32_t level = depth - 1; level >= 0; --level) {
    const FillLevel& at = levels[level];
    board.points[at.column][at.row].territoryMark = 0;
    for (int32_t d = at.direction - 1; d >= 0; --d) {
      const int32_t column = at.column + kDirectionColumn[d];
      const int32_t row = at.row + kDirectionRow[d];
      if (OnBoard(column, row)) ClearTerritory(board, column, row);
    }
  }
}

// Whether a claim by colour stops at this point without failing: already claimed, or own stone.
bool BordersClaim(const BoardPoint& point, int32_t colour) {
  return point.territoryMark == colour || point.colour == colour;
}

bool ClearablePoint(const BoardPoint& point) {
  return point.territoryMark != 0 && point.colour == Empty;
}

}  // namespace

// The result is the same as claiming region by region from every side of every stone in the
// order of the group list, but each region is looked at once, whatever number of stones border it.
bool CountTerritory(Zere19r19& board, int32_t colour) {
  EmptyRegions regions(board, colour);
  if (const StoneGroup* broken = FirstGroupWithoutEntry(board, colour); broken != nullptr) {
    // The count stops at the broken group, keeping what it had claimed until then.
    ClaimFromGroupsBefore(board, colour, broken, regions);
    WriteMarks(board, colour, regions);
    return false;
  }
  const bool settled = regions.ClaimOwnRegions();
  board.Record(colour).territoryCount = WriteMarks(board, colour, regions);
  return settled;
}

// The claim is a depth-first walk kept on an explicit stack, exploring the directions of each
// point in order and withdrawn whole at the first stone of the other colour.
bool FillTerritory(Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  BoardPoint& start = board.points[column][row];
  if (BordersClaim(start, colour)) return true;
  if (start.colour == -colour) return false;
  start.territoryMark = colour;
  FillLevel levels[BoardLines * BoardLines];
  int32_t depth = 0;
  levels[depth++] = {column, row, 0};
  while (depth > 0) {
    FillLevel& top = levels[depth - 1];
    if (top.direction == 4) {
      // This level succeeded: its caller moves on to its next direction.
      if (--depth > 0) ++levels[depth - 1].direction;
      continue;
    }
    const int32_t ncolumn = top.column + kDirectionColumn[top.direction];
    const int32_t nrow = top.row + kDirectionRow[top.direction];
    if (!OnBoard(ncolumn, nrow) || BordersClaim(board.points[ncolumn][nrow], colour)) {
      ++top.direction;
      continue;
    }
    BoardPoint& next = board.points[ncolumn][nrow];
    if (next.colour == -colour) {
      WithdrawClaim(board, levels, depth);
      return false;
    }
    next.territoryMark = colour;
    levels[depth++] = {ncolumn, nrow, 0};
  }
  return true;
}

void ClearTerritory(Zere19r19& board, int32_t column, int32_t row) {
  BoardPoint& start = board.points[column][row];
  if (!ClearablePoint(start)) return;
  // Each point is unmarked as it is stacked, so it is stacked at most once.
  const BoardPoint* stack[BoardLines * BoardLines];
  int32_t depth = 0;
  start.territoryMark = 0;
  stack[depth++] = &start;
  while (depth > 0) {
    const BoardPoint& at = *stack[--depth];
    ForEachNeighbour(at.column, at.row, [&](int32_t ncolumn, int32_t nrow) {
      BoardPoint& neighbour = board.points[ncolumn][nrow];
      if (!ClearablePoint(neighbour)) return;
      neighbour.territoryMark = 0;
      stack[depth++] = &neighbour;
    });
  }
}
