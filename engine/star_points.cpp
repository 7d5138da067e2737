#include "engine/star_points.h"

#include <algorithm>

std::vector<Intersection> FixedHandicapPoints(int32_t boardSize, int32_t stones) {
  if (stones < 2 || stones > MostFixedHandicap(boardSize)) return {};
  const int32_t low = CornerLine(boardSize), middle = boardSize / 2, high = boardSize - 1 - low;
  // Black's first two stones take opposite corners, lower left and upper right as GTP shows them.
  const Intersection corners[] = {{low, high}, {high, low}, {low, low}, {high, high}};
  std::vector<Intersection> points(corners, corners + std::min(stones, 4));
  if (stones >= 6) points.insert(points.end(), {{low, middle}, {high, middle}});
  if (stones >= 8) points.insert(points.end(), {{middle, high}, {middle, low}});
  if (stones >= 5 && stones % 2 == 1) points.push_back({middle, middle});
  return points;
}

bool IsStarPoint(int32_t boardSize, int32_t column, int32_t row) {
  const int32_t low = CornerLine(boardSize), high = boardSize - 1 - low;
  const bool odd = boardSize % 2 == 1;
  const auto lineKind = [&](int32_t line) {
    if (boardSize >= 7 && (line == low || line == high)) return 1;  // A corner's line.
    return odd && line == boardSize / 2 ? 2 : 0;                    // The middle line.
  };
  const int32_t across = lineKind(column), down = lineKind(row);
  if (across == 0 || down == 0) return false;
  // A corner point, the centre, or a side's middle on a large board.
  return across == down || boardSize >= 15;
}
