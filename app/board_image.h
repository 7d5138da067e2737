// The board control of the main window: shows the displayed board picture, with the stones judged
// dead while a game is scored and the point marks when they are asked for laid over it, and
// reports every mouse press in the picture's pixels. The picture and what lies over it are painted
// through one transform, scaled to fit the control whole keeping their proportions and centred in
// it, and presses are mapped back through its inverse, so drawing and clicking cannot disagree; a
// control of the picture's own size shows it unscaled.
#pragma once

#include <QTransform>
#include <QWidget>
#include <cstdint>

#include "display/board_picture.h"
#include "display/status_panel.h"

class BoardImage final : public QWidget {
  Q_OBJECT

 public:
  // Shows canvas's displayed picture, which is read afresh on every paint, at the scale of its
  // grid; canvas must outlive the control.
  BoardImage(const BoardCanvas& canvas, QWidget* parent);

  // The points each colour counts, marked with a small square of that colour while shown.
  void SetPointMarks(const PointMarks& marks);
  // Shows or hides the point marks; they are off at first.
  void ShowPointMarks(bool shown);
  // The stones judged dead, each marked with a cross of the other colour; none at first.
  void SetDeadStones(const PointMarks& dead);

  // From the board picture's pixels to the control's.
  QTransform PictureTransform() const;

 signals:
  // A mouse button, any of them, went down at (x, y) of the picture; presses beside the picture
  // are not reported.
  void pressed(int32_t x, int32_t y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Lay the marks over the picture. They are never drawn into it, so the picture keeps changing
  // point by point as the game goes on and is whole again once they are gone.
  void PaintPointMarks(QPainter& painter) const;
  void PaintDeadStones(QPainter& painter) const;

  const BoardCanvas& canvas_;
  PointMarks marks_{};
  bool marksShown_ = false;
  PointMarks dead_{};
};
