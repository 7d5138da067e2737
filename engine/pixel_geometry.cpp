#include "engine/pixel_geometry.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// The layout of a board of lines lines, unscaled, fills this much of the picture across and down:
// its grid with the full-size board's margins on both sides. The full-size layout fills the
// picture exactly, last pixels included, so its scale comes out as exactly 1.
constexpr double LayoutWidth(int32_t lines) {
  return (lines - 1) * ColumnSpacing + 2 * GridOriginX;
}

constexpr double LayoutHeight(int32_t lines) {
  return (lines - 1) * RowSpacing + 2 * GridOriginY;
}

static_assert(LayoutWidth(BoardLines) == BoardPictureWidth - 1 &&
              LayoutHeight(BoardLines) == BoardPictureHeight - 1);

}  // namespace

BoardGrid::BoardGrid(int32_t boardSize, int32_t originX, int32_t originY)
    : lines_(boardSize),
      scale_(std::min(LayoutWidth(BoardLines) / LayoutWidth(boardSize),
                      LayoutHeight(BoardLines) / LayoutHeight(boardSize))),
      centreX_(originX + (BoardLines - 1) * ColumnSpacing / 2.0),
      centreY_(originY + (BoardLines - 1) * RowSpacing / 2.0) {
  assert(boardSize >= MinBoardLines && boardSize <= BoardLines && "BoardGrid: no such board size");
}

int32_t BoardGrid::X(int32_t column) const {
  return static_cast<int32_t>(
      std::lround(centreX_ + (column - (lines_ - 1) / 2.0) * ColumnSpacing * scale_));
}

int32_t BoardGrid::Y(int32_t row) const {
  return static_cast<int32_t>(
      std::lround(centreY_ + (row - (lines_ - 1) / 2.0) * RowSpacing * scale_));
}

int32_t BoardGrid::Scaled(int32_t pixels) const {
  return static_cast<int32_t>(std::lround(pixels * scale_));
}
