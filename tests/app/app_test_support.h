// Helpers shared by the tests of the windows, the game controller and the status panel.
#pragma once

#include <QImage>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "display/board_picture.h"
#include "display/status_panel.h"

// The folder with the picture files that the build paints beside the programs, tests included.
QString PictureFolder();

// The pixel of the intersection (column, row) in the board picture.
QPoint IntersectionPixel(int32_t column, int32_t row);

// What a board picture shows at an intersection.
enum class Shown { Board, BlackStone, BlackStoneMarked, WhiteStone, WhiteStoneMarked, Unknown };

// Tells the four stone pictures and the clean board apart by the intersection's own pixel and one
// four pixels to its right, outside the last-move mark.
Shown ShownAt(const QImage& picture, const BoardCanvas& canvas, int32_t column, int32_t row);

// For Qt Test's failure messages.
char* toString(Shown shown);

// Keeps what the status panel was last told.
class RecordingPanel final : public StatusPanel {
 public:
  void ShowTurnStone(int32_t colour) override { turnStone = colour; }
  void ShowMoveNumber(const QString& text) override { moveNumber = text; }
  void ShowBlackPoints(const QString& text) override { blackPoints = text; }
  void ShowWhitePoints(const QString& text) override { whitePoints = text; }
  void ShowModeCaption(const QString& text) override { modeCaption = text; }
  void ShowPassMessage(const QString& text) override { passMessage = text; }

  int32_t turnStone = Empty;
  QString moveNumber;
  QString blackPoints;
  QString whitePoints;
  QString modeCaption;
  QString passMessage = QStringLiteral("(never written)");
};

// While alive, answers every message box that opens: keeps its caption, text, icon and buttons,
// then clicks OK with the mouse. A box that a click cannot close (because something swallows the
// user's input) is closed without it and counted.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();

  int boxes = 0;      // How many boxes were answered.
  int deafBoxes = 0;  // How many of them ignored the click on OK.
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;

 private:
  void AnswerOpenBoxes();

  QTimer timer_;
};
