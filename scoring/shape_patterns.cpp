#include "scoring/shape_patterns.h"

#include <array>
#include <string>
#include <vector>

namespace {

// The surroundings of a point, read row by row from the top left, the point itself skipped:
// two bits a point, for empty, Black, White and off the board.
constexpr int32_t Surroundings = 1 << 16;
enum Cell : uint32_t { EmptyCell = 0, BlackCell = 1, WhiteCell = 2, OffCell = 3 };

// Each pattern is three rows of three, the middle the empty point to play. X and O are stones of
// the two colours, x anything but X, o anything but O, '.' empty, ' ' off the board, '?' anything.
// These are the playout shapes that made random games read fights far better in published Monte
// Carlo programs.
const char* const Shapes[][3] = {
    {"XOX", "...", "???"},  // Hane that encloses.
    {"XO.", "...", "?.?"},  // Hane that does not cut.
    {"XO?", "X..", "x.?"},  // Hane at the head of two stones.
    {".O.", "X..", "..."},  // Attachment beside a stone.
    {"XO?", "O.o", "?o?"},  // Cut where the cutting stone is safe.
    {"XO?", "O.X", "???"},  // Cut of a peep.
    {"?X?", "O.O", "ooo"},  // Pushing through between two stones.
    {"OX?", "o.O", "???"},  // Cut of a knight's move.
    {"X.?", "O.?", "   "},  // Chasing along the edge.
    {"OX?", "X.O", "   "},  // Blocking a cut on the edge.
    {"?X?", "x.O", "   "},  // Blocking a connection on the edge.
    {"?XO", "x.x", "   "},  // Descending to the edge.
    {"?OX", "X.O", "   "},  // Cutting on the edge.
};

using Grid = std::array<std::string, 3>;

Grid Turned(const Grid& grid) {
  Grid turned;
  for (int32_t row = 0; row < 3; ++row) {
    for (int32_t column = 0; column < 3; ++column)
      turned[row] += grid[2 - column][row];
  }
  return turned;
}

Grid Mirrored(const Grid& grid) {
  return {grid[2], grid[1], grid[0]};
}

Grid ColoursSwapped(Grid grid) {
  for (std::string& line : grid) {
    for (char& cell : line) {
      const std::string from = "XOxo";
      const std::string to = "OXox";
      if (const auto at = from.find(cell); at != std::string::npos) cell = to[at];
    }
  }
  return grid;
}

// The cells a pattern character stands for.
std::vector<Cell> CellsFor(char pattern) {
  switch (pattern) {
    case 'X':
      return {BlackCell};
    case 'O':
      return {WhiteCell};
    case 'x':
      return {EmptyCell, WhiteCell, OffCell};
    case 'o':
      return {EmptyCell, BlackCell, OffCell};
    case '.':
      return {EmptyCell};
    case ' ':
      return {OffCell};
    default:
      return {EmptyCell, BlackCell, WhiteCell, OffCell};
  }
}

// Marks every surrounding the eight cells of the grid from index on can stand for, code holding
// the cells before.
void MarkAll(const std::string& cells, size_t index, uint32_t code, std::vector<bool>& matches) {
  if (index == cells.size()) {
    matches[code] = true;
    return;
  }
  for (const Cell cell : CellsFor(cells[index]))
    MarkAll(cells, index + 1, code | (cell << (2 * index)), matches);
}

std::vector<bool> BuildTable() {
  std::vector<bool> matches(Surroundings, false);
  for (const auto& shape : Shapes) {
    Grid grid{shape[0], shape[1], shape[2]};
    for (int32_t turn = 0; turn < 4; ++turn, grid = Turned(grid)) {
      for (const Grid& seen : {grid, Mirrored(grid)}) {
        for (const Grid& coloured : {seen, ColoursSwapped(seen)}) {
          const std::string all = coloured[0] + coloured[1] + coloured[2];
          MarkAll(all.substr(0, 4) + all.substr(5), 0, 0, matches);
        }
      }
    }
  }
  return matches;
}

Cell CellAt(const Zere19r19& board, int32_t column, int32_t row) {
  if (!board.OnBoard(column, row)) return OffCell;
  const int32_t colour = board.ColourAt(column, row);
  return colour == Black ? BlackCell : colour == White ? WhiteCell : EmptyCell;
}

}  // namespace

bool MatchesShape(const Zere19r19& board, int32_t column, int32_t row) {
  static const std::vector<bool> table = BuildTable();
  uint32_t code = 0;
  int32_t index = 0;
  for (int32_t dr = -1; dr <= 1; ++dr) {
    for (int32_t dc = -1; dc <= 1; ++dc) {
      if (dc == 0 && dr == 0) continue;
      code |= CellAt(board, column + dc, row + dr) << (2 * index++);
    }
  }
  return table[code];
}
