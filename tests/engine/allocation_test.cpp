// Trial moves must not touch the heap once the free lists hold enough records: the computer
// player makes hundreds of them per reply. Runs in its own executable because it replaces the
// global operator new.
#include <gtest/gtest.h>

#include "engine/board.h"
#include "tests/engine/random_play.h"
#include "tests/support/allocation_counter.h"

namespace {

// Tries every empty point for the colour to move and takes each legal one back: one trial pair.
int TryEveryEmptyPoint(Zere19r19& board) {
  const int32_t colour = -board.history->colour;
  int legal = 0;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      if (board.points[c][r].colour != Empty) continue;
      if (board.TryMove(c, r, colour, false)) {
        board.TakeBack(false);
        ++legal;
      }
    }
  }
  return legal;
}

class Allocations : public ::testing::TestWithParam<int> {};

TEST_P(Allocations, TrialPairsAllocateNothingOnceWarm) {
  Zere19r19 board;
  PlayFightingMoves(board, 7, GetParam());
  TryEveryEmptyPoint(board);  // Warms the free lists.
  const uint64_t before = AllocationCount();
  const int legal = TryEveryEmptyPoint(board);
  EXPECT_EQ(AllocationCount(), before);
  EXPECT_GT(legal, 0);
  EXPECT_EQ(board.CheckConsistency(), "");
}

INSTANTIATE_TEST_SUITE_P(AfterMoves, Allocations, ::testing::Values(0, 100, 200, 300));

TEST(AllocationsOfWholeGames, ReplayingAGameTakenBackAllocatesNothing) {
  Zere19r19 board;
  PlayUniformRandomMoves(board, 11, 250);
  while (board.moveCount > 0)
    board.TakeBack(false);
  const uint64_t before = AllocationCount();
  PlayUniformRandomMoves(board, 11, 250);
  EXPECT_EQ(AllocationCount(), before);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST(AllocationsOfWholeGames, NewGamesLeaveNothingOfTheOldOnesBehind) {
  Zere19r19 board;
  PlayFightingMoves(board, 3, 250);
  board.Reset();
  const int64_t live = LiveAllocationCount();
  for (int game = 0; game < 5; ++game) {
    PlayFightingMoves(board, 3, 250);
    board.Reset();
    EXPECT_EQ(LiveAllocationCount(), live) << "game " << game;
  }
}

}  // namespace
