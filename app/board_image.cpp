#include "app/board_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/pixel_geometry.h"

namespace {
// On the full-size board, a mark reaches this many pixels from its intersection: a 7 x 7 square,
// well inside a stone's.
constexpr int32_t MarkReach = 3;
// The arms of a dead stone's cross reach this far along each axis, inside the stone, and a mark
// laid over it leaves their ends showing.
constexpr int32_t CrossReach = 5;
constexpr int32_t CrossWidth = 2;

const QRect PictureRect(0, 0, BoardPictureWidth, BoardPictureHeight);
}  // namespace

BoardImage::BoardImage(const BoardCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QTransform BoardImage::PictureTransform() const {
  const double scale = std::min(static_cast<double>(width()) / BoardPictureWidth,
                                static_cast<double>(height()) / BoardPictureHeight);
  // Whole pixels of offset keep the picture's edges sharp.
  const double left = std::round((width() - BoardPictureWidth * scale) / 2);
  const double top = std::round((height() - BoardPictureHeight * scale) / 2);
  return QTransform(scale, 0, 0, scale, left, top);
}

void BoardImage::SetPointMarks(const PointMarks& marks) {
  if (marks == marks_) return;
  marks_ = marks;
  if (marksShown_) update();
}

void BoardImage::ShowPointMarks(bool shown) {
  marksShown_ = shown;
  update();
}

void BoardImage::SetDeadStones(const PointMarks& dead) {
  if (dead == dead_) return;
  dead_ = dead;
  update();
}

void BoardImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  painter.setTransform(PictureTransform());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(0, 0, canvas_.Displayed());
  PaintDeadStones(painter);
  if (marksShown_) PaintPointMarks(painter);
}

void BoardImage::PaintDeadStones(QPainter& painter) const {
  const BoardGrid& grid = canvas_.Grid();
  const int32_t reach = grid.Scaled(CrossReach);
  for (int32_t column = 0; column < grid.Lines(); ++column) {
    for (int32_t row = 0; row < grid.Lines(); ++row) {
      const int32_t colour = dead_[column][row];
      if (colour == Empty) continue;
      painter.setPen(QPen(colour == Black ? Qt::white : Qt::black, grid.Scaled(CrossWidth)));
      const QPoint centre(grid.X(column), grid.Y(row));
      painter.drawLine(centre + QPoint(-reach, -reach), centre + QPoint(reach, reach));
      painter.drawLine(centre + QPoint(-reach, reach), centre + QPoint(reach, -reach));
    }
  }
}

void BoardImage::PaintPointMarks(QPainter& painter) const {
  const BoardGrid& grid = canvas_.Grid();
  const int32_t reach = grid.Scaled(MarkReach);
  for (int32_t column = 0; column < grid.Lines(); ++column) {
    for (int32_t row = 0; row < grid.Lines(); ++row) {
      const int32_t colour = marks_[column][row];
      if (colour == Empty) continue;
      const QRect square(grid.X(column) - reach, grid.Y(row) - reach, 2 * reach + 1, 2 * reach + 1);
      // A dark rim keeps White's squares visible on the light board.
      painter.fillRect(square, Qt::black);
      if (colour == White) painter.fillRect(square.adjusted(1, 1, -1, -1), Qt::white);
    }
  }
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
  // The picture's pixel under the centre of the control's pixel pressed.
  const QPointF at =
      PictureTransform().inverted().map(event->position().toPoint() + QPointF(0.5, 0.5));
  const QPoint pixel(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
  if (PictureRect.contains(pixel)) emit pressed(pixel.x(), pixel.y());
}
