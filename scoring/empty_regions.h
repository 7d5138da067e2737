// The empty regions of a board as the area count sees them, found with bit masks column by
// column: the empty points of a column fall into runs of neighbouring rows, and runs of
// neighbouring columns that share a row belong to the same region.
#pragma once

#include <cstdint>

#include "engine/board.h"

class EmptyRegions {
 public:
  // Finds the regions of the board and which of them touch a stone of colour (own) or of the
  // other colour (foreign). Nothing is claimed yet.
  EmptyRegions(const Zere19r19& board, int32_t colour);

  // Claims every region that touches an own stone and no foreign one. True when no region that
  // touches an own stone touches a foreign one.
  bool ClaimOwnRegions();

  // The claimed points of the column, one bit per row.
  uint32_t ClaimedRows(int32_t column);

 private:
  static constexpr uint8_t TouchesOwn = 1;
  static constexpr uint8_t TouchesForeign = 2;
  // A column of 19 points holds at most 10 runs; a smaller board needs fewer.
  static constexpr int32_t MaxRuns = BoardLines * (BoardLines + 1) / 2;

  struct Run {
    uint32_t rows;    // One bit per row of its column.
    int16_t parent;   // Union-find link; a region is named by its root run.
    uint8_t touches;  // TouchesOwn | TouchesForeign, gathered at the root once all are joined.
    bool claimed;     // Meaningful at the root.
  };

  void ReadColours(const Zere19r19& board, int32_t colour);
  void SplitColumnIntoRuns(int32_t column);
  uint8_t TouchesOf(int32_t column, uint32_t rows) const;
  int32_t Root(int32_t run);
  void Join(int32_t a, int32_t b);

  // Masks by column, with an empty column on either side of the board: index column + 1. The
  // columns beyond a smaller board stay empty.
  uint32_t empty_[BoardLines + 2] = {};
  uint32_t own_[BoardLines + 2] = {};
  uint32_t foreign_[BoardLines + 2] = {};
  Run runs_[MaxRuns];
  int16_t
      firstRun_[BoardLines + 1];  // Runs of a column c are firstRun_[c] .. firstRun_[c + 1] - 1.
  int32_t runCount_ = 0;
  int32_t lines_;  // The board's size.
};
