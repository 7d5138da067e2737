#include "app/client_area.h"

#include <QPainter>

namespace {
// The square the turn stone may cover, cleared whenever the stone changes.
const QRect TurnStoneSquare(TurnStonePosition, QSize(17, 17));
}  // namespace

void ClientArea::ShowTurnStone(const QImage& stone) {
  stone_ = stone;
  update(TurnStoneSquare);
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(TurnStonePosition, stone_);
}
