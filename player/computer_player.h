// The computer player: a few fixed rules with no look-ahead, judged by trial moves on the live
// board.
#pragma once

#include <cstdint>

#include "engine/board.h"

// Decides and plays one move for colour (Black or White): exactly one history record is added,
// a committed stone or a pass. Every trial is taken back and nothing else is drawn.
void ComputerMove(Zere19r19& board, int32_t colour);

// The computer's answer for colour to the opponent's last record: a pass when that was a pass and
// the game is decided (no empty point left that matters, by JudgePosition), otherwise
// ComputerMove. A game against the computer can end this way instead of running on into its own
// territory.
void ComputerReply(Zere19r19& board, int32_t colour);

// A pseudo-random integer in 0..n-1, or 0 when n is 0.
int32_t RandomBelow(int32_t n);

// Seeds the generator behind RandomBelow; the programs seed it once from the clock at start,
// tests and benchmarks with a fixed value for reproducible games.
void SeedRandom(uint32_t seed);
