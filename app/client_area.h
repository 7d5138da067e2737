// The main window's client area, laid out at its smallest size and grown from there: the board
// control takes all the room the area gains, from its top-left corner; the panel on the right
// keeps its size and follows the right edge; the notes below the board follow its bottom edge
// and its width. The panel paints the stone of the side in turn at its top, again whenever it is
// uncovered.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "engine/pixel_geometry.h"

// The layout at the area's smallest size, without the notes.
inline constexpr QSize SmallestClientSize(481, 413);
inline constexpr QRect BoardControlGeometry(16, 24, BoardPictureWidth, BoardPictureHeight);
// The notes below the board, and the room the area grows by while they are shown.
inline constexpr QRect NotesGeometry(16, 405, 449, 80);
inline constexpr int NotesRoom = 80;
// Left edge of the panel: every control right of the board lies beyond it.
inline constexpr int PanelLeft = 384;
// Top-left corner of the turn stone in the client area at its smallest.
inline constexpr QPoint TurnStonePosition(400, 0);

// The panel right of the board; its controls are placed in the area's pixels less PanelLeft.
class PanelArea final : public QWidget {
 public:
  using QWidget::QWidget;

  // Shows stone beside "In turn " in place of the one shown before.
  void ShowTurnStone(const QImage& stone);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage stone_;
};

class ClientArea final : public QWidget {
 public:
  explicit ClientArea(QWidget* parent);

  PanelArea* Panel() const { return panel_; }
  // The board control and the notes, placed now and whenever the area changes size.
  void Arrange(QWidget* board, QWidget* notes);
  // Shows or hides the notes; while they are shown the area's smallest size has room for them.
  void ShowNotes(bool shown);

  QSize sizeHint() const override { return minimumSize(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place();  // Places the board, the panel and the notes for the area's size.

  PanelArea* panel_;
  QWidget* board_ = nullptr;
  QWidget* notes_ = nullptr;
};
