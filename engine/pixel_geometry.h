// Where the intersections and stones lie in the pixels of the board picture. The engine stores
// each point's pixel position in its BoardPoint; the display draws the grid, the star points and
// the stones from these numbers and maps clicks back to points with them; the artwork is painted
// to fit them. The cells are not square: columns are 18 pixels apart, rows 19.
//
// Those numbers are the full-size board's. A smaller board is laid out as the full-size one would
// be with fewer lines (the same spacings, the same margins around the grid measured in the same
// pixels), and that layout is scaled up to fill the board picture without changing its
// proportions, centred: its grid spacing grows, and its stones, star points and marks grow with
// it (BoardGrid).
#pragma once

#include <cstdint>

#include "engine/records.h"

// Pixel of the intersection at column 0, row 0.
inline constexpr int32_t GridOriginX = 10;
inline constexpr int32_t GridOriginY = 16;

// Pixels from one column's line to the next, and from one row's line to the next.
inline constexpr int32_t ColumnSpacing = 18;
inline constexpr int32_t RowSpacing = 19;

// The grid from the line of column 0 to that of column 18, and from row 0's to row 18's, both ends
// included.
inline constexpr int32_t GridWidth = ColumnSpacing * (BoardLines - 1) + 1;
inline constexpr int32_t GridHeight = RowSpacing * (BoardLines - 1) + 1;

// The board picture as the board control shows it, unscaled from its top-left corner.
inline constexpr int32_t BoardPictureWidth = 345;
inline constexpr int32_t BoardPictureHeight = 375;

// A stone covers its intersection and this many pixels on every side: the square erasing
// restores, which every stone picture must fit.
inline constexpr int32_t StoneReach = 8;
inline constexpr int32_t StoneSquareSize = 2 * StoneReach + 1;

// Each star point is a disc reaching this many pixels from its intersection.
inline constexpr int32_t StarPointReach = 2;

// Pixel x of column in a picture whose column 0 lies at originX.
constexpr int32_t PixelX(int32_t column, int32_t originX = GridOriginX) {
  return originX + ColumnSpacing * column;
}

// Pixel y of row in a picture whose row 0 lies at originY.
constexpr int32_t PixelY(int32_t row, int32_t originY = GridOriginY) {
  return originY + RowSpacing * row;
}

// The grid of a board of some size in the board picture.
class BoardGrid {
 public:
  // The grid of a board of boardSize lines (MinBoardLines..BoardLines) in a picture whose
  // full-size grid has column 0, row 0 at (originX, originY).
  explicit BoardGrid(int32_t boardSize = BoardLines, int32_t originX = GridOriginX,
                     int32_t originY = GridOriginY);

  int32_t Lines() const { return lines_; }  // Lines on each side of the board.
  // This grid's pixels per pixel of the full-size grid: exactly 1 on a full-size board.
  double Scale() const { return scale_; }
  // Pixel x of column, rounded; PixelX(column, originX) on a full-size board.
  int32_t X(int32_t column) const;
  // Pixel y of row, rounded; PixelY(row, originY) on a full-size board.
  int32_t Y(int32_t row) const;
  // A length of the full-size board's pictures (a stone's reach, a mark's) at this grid's scale,
  // rounded; the length itself on a full-size board.
  int32_t Scaled(int32_t pixels) const;

 private:
  int32_t lines_;
  double scale_;
  double centreX_;  // Pixel x of the middle of the grid, which is that of the picture too.
  double centreY_;
};
