// The area count. CountTerritory visits each empty region once on a padded copy of the colours;
// FillTerritory and ClearTerritory keep the claim-and-withdraw fill for callers of their own.
#include "display/territory.h"

#include "engine/neighbours.h"

namespace {

// ---- The count: one visit per region ----

// A copy of the board's colours with a border one point wide, so that neighbour steps need no
// range test. Cells also record which empty points a fill has already reached.
class RegionScan {
 public:
  explicit RegionScan(Zere19r19& board);

  // The cell of a point of the board.
  static int32_t CellOf(int32_t column, int32_t row) { return (column + 1) * kStride + row + 1; }

  // Whether the cell is an empty point that no region claim has reached yet.
  bool Unvisited(int32_t cell) const { return cells_[cell] == Empty; }

  // Claims the empty region holding cell for colour, unless the region touches a stone of the
  // other colour; returns the number of points claimed (0 for a refused region). In both cases
  // the region counts as visited afterwards.
  int32_t ClaimRegion(int32_t cell, int32_t colour);

 private:
  static constexpr int32_t kStride = BoardLines + 2;
  static constexpr int32_t kCells = kStride * kStride;
  // Cell steps in direction order: a column is kStride cells long.
  static constexpr int32_t kSteps[4] = {kStride, 1, -kStride, -1};
  // Cells that are neither empty nor a stone: the border, and empty points already visited.
  static constexpr int8_t kBorder = 2;
  static constexpr int8_t kVisited = 3;

  // Visits the region holding cell, keeping its cells in region_; true if it touches enemy.
  bool CollectRegion(int32_t cell, int32_t enemy);

  Zere19r19& board_;
  int8_t cells_[kCells];
  int16_t region_[BoardLines * BoardLines];
  int32_t regionSize_ = 0;
};

RegionScan::RegionScan(Zere19r19& board) : board_(board) {
  for (int8_t& cell : cells_)
    cell = kBorder;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      BoardPoint& point = board.points[c][r];
      point.territoryMark = 0;
      cells_[CellOf(c, r)] = static_cast<int8_t>(point.colour);
    }
  }
}

bool RegionScan::CollectRegion(int32_t cell, int32_t enemy) {
  bool touchesEnemy = false;
  cells_[cell] = kVisited;
  region_[0] = static_cast<int16_t>(cell);
  regionSize_ = 1;
  for (int32_t next = 0; next < regionSize_; ++next) {
    const int32_t from = region_[next];
    for (const int32_t step : kSteps) {
      const int32_t to = from + step;
      touchesEnemy = touchesEnemy || cells_[to] == enemy;
      if (cells_[to] != Empty) continue;
      cells_[to] = kVisited;
      region_[regionSize_++] = static_cast<int16_t>(to);
    }
  }
  return touchesEnemy;
}

int32_t RegionScan::ClaimRegion(int32_t cell, int32_t colour) {
  if (CollectRegion(cell, -colour)) return 0;
  for (int32_t i = 0; i < regionSize_; ++i) {
    const int32_t claimed = region_[i];
    board_.points[claimed / kStride - 1][claimed % kStride - 1].territoryMark = colour;
  }
  return regionSize_;
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

bool CountTerritory(Zere19r19& board, int32_t colour) {
  RegionScan scan(board);
  bool settled = true;
  int32_t claimed = 0;
  for (const StoneGroup* group = board.Record(colour).firstGroup; group != nullptr;
       group = group->next) {
    const StoneNode* const first = group->firstStone;
    if (first == nullptr) return false;
    const StoneNode* stone = first;
    do {
      ForEachNeighbour(stone->column, stone->row, [&](int32_t column, int32_t row) {
        const int32_t cell = RegionScan::CellOf(column, row);
        if (!scan.Unvisited(cell)) return;
        const int32_t size = scan.ClaimRegion(cell, colour);
        settled = settled && size > 0;
        claimed += size;
      });
      stone = stone->next;
    } while (stone != first);
  }
  board.Record(colour).territoryCount = claimed;
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
