// The status panel: the stone of the side in turn, the move number, both colours' points, the
// caption naming the play mode and the pass message, all brought up to date after every command.
#pragma once

#include <QString>
#include <cstdint>

#include "engine/board.h"

// Where the panel's items are shown; the main window implements it, tests record it.
class StatusPanel {
 public:
  virtual ~StatusPanel() = default;

  // Shows the stone of colour (Black or White) beside "In turn ".
  virtual void ShowTurnStone(int32_t colour) = 0;
  virtual void ShowMoveNumber(const QString& text) = 0;
  virtual void ShowBlackPoints(const QString& text) = 0;
  virtual void ShowWhitePoints(const QString& text) = 0;
  virtual void ShowModeCaption(const QString& text) = 0;
  // Called only when the history holds a record; an empty history leaves the message as it was.
  virtual void ShowPassMessage(const QString& text) = 0;
};

// Rewrites every item of the panel from the board: the turn stone of sideToMove (White's for
// White, Black's for anything else), the number of history records, each colour's points (its
// stones plus the empty points it alone surrounds, after counting Black and then White), the
// caption for the two computer flags and, when there is a newest record, its pass message.
// Returns true when both colours' counts found every region next to their stones their own.
bool RefreshStatusPanel(Zere19r19& board, int32_t sideToMove, bool computerTakesBlack,
                        bool computerTakesWhite, StatusPanel& panel);

// The caption naming the play mode for the two computer flags.
QString ModeCaption(bool computerTakesBlack, bool computerTakesWhite);
