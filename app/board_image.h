// The board control of the main window: shows the displayed board picture unscaled from its
// top-left corner, with the stones judged dead while a game is scored and the point marks when
// they are asked for laid over it, and reports every mouse press in the picture's pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "display/status_panel.h"

class BoardImage final : public QWidget {
  Q_OBJECT

 public:
  // Shows picture, which must outlive the control; it is read afresh on every paint.
  BoardImage(const QImage& picture, QWidget* parent);

  // The points each colour counts, marked with a small square of that colour while shown.
  void SetPointMarks(const PointMarks& marks);
  // Shows or hides the point marks; they are off at first.
  void ShowPointMarks(bool shown);
  // The stones judged dead, each marked with a cross of the other colour; none at first.
  void SetDeadStones(const PointMarks& dead);

 signals:
  // A mouse button, any of them, went down at (x, y) of the picture.
  void pressed(int32_t x, int32_t y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Lay the marks over the picture. They are never drawn into it, so the picture keeps changing
  // point by point as the game goes on and is whole again once they are gone.
  void PaintPointMarks(QPainter& painter) const;
  void PaintDeadStones(QPainter& painter) const;

  const QImage& picture_;
  PointMarks marks_{};
  bool marksShown_ = false;
  PointMarks dead_{};
};
