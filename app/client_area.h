// The main window's client area: the window's background, with the stone of the side in turn
// painted at its top, again whenever the area is uncovered.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// Top-left corner of the turn stone in the client area.
inline constexpr QPoint TurnStonePosition(400, 0);

class ClientArea final : public QWidget {
 public:
  using QWidget::QWidget;

  // Shows stone beside "In turn " in place of the one shown before.
  void ShowTurnStone(const QImage& stone);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage stone_;
};
