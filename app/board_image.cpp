#include "app/board_image.h"

#include <QMouseEvent>
#include <QPainter>

BoardImage::BoardImage(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  painter.drawImage(event->rect().topLeft(), picture_, event->rect());
}

void BoardImage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit pressed(at.x(), at.y());
}
