// The status panel: the stone of the side in turn, the move number, both colours' points, the
// caption naming the play mode and the pass message, all brought up to date after every command.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/board.h"

// For every point, [column][row] like the board's points, a colour or Empty: the colour whose
// points it counts among as an empty point that colour alone surrounds, or the colour of a stone
// judged dead, or, while a finished game is scored, the colour the point goes to.
using PointMarks = std::array<std::array<int32_t, BoardLines>, BoardLines>;

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
  // The pass message, or the result once a game has ended. Called only when the history holds a
  // record; an empty history leaves the message as it was.
  virtual void ShowPassMessage(const QString& text) = 0;
  // The empty points behind the two point counters, from the same count, or while a finished
  // game is scored the points each colour gets; a panel that does not mark them on the board
  // ignores them.
  virtual void ShowPointMarks(const PointMarks&) {}
  // The stones judged dead while a finished game is scored, by their colour; none at other times.
  virtual void ShowDeadStones(const PointMarks&) {}
  // The comment of the position shown and, where the game branches, which variation Forward
  // follows; gameHasNotes is false for a game without comments and variations, which needs no
  // room for them.
  virtual void ShowNotes(const QString& /*text*/, bool /*gameHasNotes*/) {}
};

// Rewrites every item of the panel from the board: the turn stone of sideToMove (White's for
// White, Black's for anything else), the move number (the history records above the oldest
// setupRecords, which are setup stones), each colour's points (its stones plus the empty points
// it alone surrounds, after counting Black and then White) and the marks of those empty points,
// no dead stones, the caption for the two computer flags and, when there is a newest record, its
// pass message.
// Returns true when both colours' counts found every region next to their stones their own.
bool RefreshStatusPanel(Zere19r19& board, int32_t setupRecords, int32_t sideToMove,
                        bool computerTakesBlack, bool computerTakesWhite, StatusPanel& panel);

// The caption naming the play mode for the two computer flags.
QString ModeCaption(bool computerTakesBlack, bool computerTakesWhite);
