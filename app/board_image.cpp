#include "app/board_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/pixel_geometry.h"

namespace {
// A mark reaches this many pixels from its intersection: a 7 x 7 square, well inside a stone's.
constexpr int32_t MarkReach = 3;
// The arms of a dead stone's cross reach this far along each axis, inside the stone, and a mark
// laid over it leaves their ends showing.
constexpr int32_t CrossReach = 5;
constexpr int32_t CrossWidth = 2;
}  // namespace

BoardImage::BoardImage(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
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
  painter.drawImage(event->rect().topLeft(), picture_, event->rect());
  PaintDeadStones(painter);
  if (marksShown_) PaintPointMarks(painter);
}

void BoardImage::PaintDeadStones(QPainter& painter) const {
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      const int32_t colour = dead_[column][row];
      if (colour == Empty) continue;
      painter.setPen(QPen(colour == Black ? Qt::white : Qt::black, CrossWidth));
      const QPoint centre(PixelX(column), PixelY(row));
      painter.drawLine(centre + QPoint(-CrossReach, -CrossReach),
                       centre + QPoint(CrossReach, CrossReach));
      painter.drawLine(centre + QPoint(-CrossReach, CrossReach),
                       centre + QPoint(CrossReach, -CrossReach));
    }
  }
}

void BoardImage::PaintPointMarks(QPainter& painter) const {
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      const int32_t colour = marks_[column][row];
      if (colour == Empty) continue;
      const QRect square(PixelX(column) - MarkReach, PixelY(row) - MarkReach, 2 * MarkReach + 1,
                         2 * MarkReach + 1);
      // A dark rim keeps White's squares visible on the light board.
      painter.fillRect(square, Qt::black);
      if (colour == White) painter.fillRect(square.adjusted(1, 1, -1, -1), Qt::white);
    }
  }
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit pressed(at.x(), at.y());
}
