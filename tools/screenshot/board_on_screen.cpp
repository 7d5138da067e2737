#include "tools/screenshot/board_on_screen.h"

#include <initializer_list>

namespace {

constexpr QRgb GridColour = qRgb(0, 0, 0);
constexpr int RowLineLength = GridWidth;
constexpr int ColumnLineLength = GridHeight;

bool IsGrid(const QImage& screen, int x, int y) {
  return screen.valid(x, y) && screen.pixel(x, y) == GridColour;
}

bool LineFrom(const QImage& screen, QPoint start, QPoint step, int length) {
  for (int i = 0; i < length; ++i) {
    const QPoint p = start + step * i;
    if (!IsGrid(screen, p.x(), p.y())) return false;
  }
  return true;
}

// The grid's corner: two lines of the right lengths meeting there, with no black around them,
// which tells the grid from a black screen or window.
bool IsTopLeftCorner(const QImage& screen, QPoint corner) {
  const int x = corner.x(), y = corner.y();
  return LineFrom(screen, corner, {1, 0}, RowLineLength) &&
         LineFrom(screen, corner, {0, 1}, ColumnLineLength) && !IsGrid(screen, x - 1, y) &&
         !IsGrid(screen, x, y - 1) && !IsGrid(screen, x + RowLineLength, y) &&
         !IsGrid(screen, x, y + ColumnLineLength) && !IsGrid(screen, x + 1, y + 1);
}

// What one pixel of a stone or of the board looks like.
char Classify(QRgb pixel) {
  if (qGray(pixel) < 100) return 'X';
  if (qGray(pixel) > 150 && std::abs(qRed(pixel) - qBlue(pixel)) < 40) return 'O';
  if (qRed(pixel) - qBlue(pixel) > 60) return '.';
  return '?';
}

}  // namespace

std::optional<BoardOnScreen> FindBoard(const QImage& screen) {
  for (int y = 0; y < screen.height(); ++y) {
    int run = 0;
    for (int x = 0; x < screen.width(); ++x) {
      run = IsGrid(screen, x, y) ? run + 1 : 0;
      const int start = x - RowLineLength + 1;
      if (run == RowLineLength && IsTopLeftCorner(screen, {start, y}))
        return BoardOnScreen{{start, y}};
    }
  }
  return std::nullopt;
}

// Three samples on the diagonals, 4 pixels out: inside a stone, off the grid lines and star
// points, and away from the stones' highlight and mark.
char StoneAt(const QImage& screen, const BoardOnScreen& board, int column, int row) {
  const QPoint centre = board.Intersection(column, row);
  char seen = 0;
  for (const QPoint offset : {QPoint(4, 4), QPoint(-4, 4), QPoint(4, -4)}) {
    const QPoint p = centre + offset;
    if (!screen.valid(p)) return '?';
    const char sample = Classify(screen.pixel(p));
    if (seen != 0 && sample != seen) return '?';
    seen = sample;
  }
  return seen;
}

bool MarkedAt(const QImage& screen, const BoardOnScreen& board, int column, int row) {
  const QPoint centre = board.Intersection(column, row);
  if (!screen.valid(centre)) return false;
  const QRgb pixel = screen.pixel(centre);
  return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}
