#include "app/client_area.h"

#include <QPainter>

#include "engine/pixel_geometry.h"

namespace {
// The square the turn stone may cover, cleared whenever the stone changes.
const QRect TurnStoneSquare(TurnStonePosition, QSize(StoneSquareSize, StoneSquareSize));
}  // namespace

void ClientArea::ShowTurnStone(const QImage& stone) {
  stone_ = stone;
  update(TurnStoneSquare);
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(TurnStonePosition, stone_);
}
