// Colours and vertices as GTP writes them.
//
// GTP names columns A..T without I and counts rows from the bottom line (row 1) up; the engine
// counts rows from the top line (row 0) down, so a vertex's row depends on the board's size.
// Both are case-insensitive on input. Every function here takes the size of the board, 19 x 19
// when not given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/records.h"
#include "engine/star_points.h"

namespace gtp {

// A point of the board in engine coordinates, or a pass.
struct Vertex {
  int32_t column = -1;  // 0..board size - 1 from the left, -1 for a pass.
  int32_t row = -1;     // 0..board size - 1 from the top, -1 for a pass.

  bool IsPass() const { return column < 0; }
};

// The most handicap stones with standard points on any board.
inline constexpr int32_t MostStandardHandicap = MostFixedHandicap(BoardLines);

// GTP's fixed placement of stones handicap stones (see FixedHandicapPoints); none when the board
// takes no fixed handicap of that many stones.
std::vector<Vertex> StandardHandicapPoints(int64_t stones, int32_t boardSize = BoardLines);

// Parses "b", "w", "black" or "white" in any case into Black or White; false for anything else.
bool ParseColour(std::string_view text, int32_t& colour);

// "black" or "white".
std::string_view ColourName(int32_t colour);

// Parses a vertex such as "D4", "t19" or "pass" in any case; false for anything off the board or
// malformed.
bool ParseVertex(std::string_view text, Vertex& vertex, int32_t boardSize = BoardLines);

// The GTP text of a point ("D4"), or "pass" for a negative column or row.
std::string VertexText(int32_t column, int32_t row, int32_t boardSize = BoardLines);

// The letter of a column.
char ColumnLetter(int32_t column);

// The vertices of the points for which keep(column, row) is true, blank-separated, from the
// bottom line up and left to right within a line.
template <typename Keep>
std::string VertexList(int32_t boardSize, Keep&& keep) {
  std::string vertices;
  for (int32_t row = boardSize - 1; row >= 0; --row) {
    for (int32_t column = 0; column < boardSize; ++column) {
      if (!keep(column, row)) continue;
      if (!vertices.empty()) vertices += ' ';
      vertices += VertexText(column, row, boardSize);
    }
  }
  return vertices;
}

}  // namespace gtp
