// Positions from the computer playing itself, for benchmarks that need realistic boards.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "player/computer_player.h"

// True when the newest two records are passes: the computer's game against itself is over.
inline bool TwoPassesInARow(const Zere19r19& board) {
  const Zere19r19::gomove* newest = board.Newest();
  return newest != nullptr && newest->column < 0 && newest->prev != nullptr &&
         newest->prev->column < 0;
}

// Resets board and lets the computer play both sides from the empty board, Black first, for
// moves records or until the game ends. Returns the colour to move next.
inline int32_t PlaySelf(Zere19r19& board, uint32_t seed, int32_t moves) {
  SeedRandom(seed);
  board.Reset();
  int32_t colour = Black;
  while (board.moveCount < moves && !TwoPassesInARow(board)) {
    ComputerMove(board, colour);
    colour = -colour;
  }
  return colour;
}
