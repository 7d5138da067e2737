// The board control of the main window: shows the displayed board picture unscaled from its
// top-left corner and reports every mouse press in the picture's pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

class BoardImage final : public QWidget {
  Q_OBJECT

 public:
  // Shows picture, which must outlive the control; it is read afresh on every paint.
  BoardImage(const QImage& picture, QWidget* parent);

 signals:
  // A mouse button, any of them, went down at (x, y) of the picture.
  void pressed(int32_t x, int32_t y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const QImage& picture_;
};
