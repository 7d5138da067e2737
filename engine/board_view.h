// The drawing interface through which the rules engine shows committed changes.
#pragma once

#include <cstdint>

class Zere19r19;

// Implemented by whatever shows the board; the engine calls it and never depends on it.
// Both operations ignore a negative column or row, which is how pass records pass through them.
class BoardView {
 public:
  virtual ~BoardView() = default;

  // Draws a stone of colour at the point, with the last-move mark when marked. When marked it
  // also redraws unmarked the stone of the record below the newest one, if that record is a
  // stone that still stands on the board.
  virtual void DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                         int32_t colour) = 0;

  // Shows the empty board again in the square of the point.
  virtual void ErasePoint(const Zere19r19& board, int32_t column, int32_t row) = 0;
};

// The view of a board that nobody looks at: tests, the GTP program and benchmarks.
class NullBoardView final : public BoardView {
 public:
  void DrawStone(const Zere19r19&, int32_t, int32_t, bool, int32_t) override {}
  void ErasePoint(const Zere19r19&, int32_t, int32_t) override {}
};
