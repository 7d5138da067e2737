// The marked points of a board of each size: the star points of its grid, and the points where
// fixed handicap stones go as GTP places them. Both programs draw, print and place from here.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/records.h"

// A point of the board by its column and row.
struct Intersection {
  int32_t column;
  int32_t row;

  bool operator==(const Intersection&) const = default;
};

// The line, counted from 0 at the edge, of the corner star points and handicap stones: the
// third line on boards below 13 x 13, the fourth from there up. Meaningless below 7 x 7.
constexpr int32_t CornerLine(int32_t boardSize) {
  return boardSize < 13 ? 2 : 3;
}

// The most fixed handicap stones a board takes: none below 7 x 7, where the corners crowd the
// centre; four on 7 x 7 and on even boards, which have no middle line; nine otherwise.
constexpr int32_t MostFixedHandicap(int32_t boardSize) {
  if (boardSize < 7) return 0;
  return boardSize == 7 || boardSize % 2 == 0 ? 4 : 9;
}

// The fixed handicap points of stones (2..MostFixedHandicap) stones: the corners first, the
// sides' midpoints from six stones, the centre for an odd number from five. Empty when the board
// takes no such handicap.
std::vector<Intersection> FixedHandicapPoints(int32_t boardSize, int32_t stones);

// True when the point is a star point: the four corner points from 7 x 7 up, the centre of an odd
// board and, from 15 x 15 up, the middles of the sides.
bool IsStarPoint(int32_t boardSize, int32_t column, int32_t row);
