// Whole games of the computer against itself, checking every decision from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/board.h"
#include "player/computer_player.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/diagram.h"

namespace {

// Enough for any game: a random game fills the board a few times over at most.
constexpr int32_t kMoveBound = 3000;

using Position = std::array<std::array<int32_t, BoardLines>, BoardLines>;

Position ColoursOf(const Zere19r19& board) {
  Position position;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r)
      position[c][r] = board.points[c][r].colour;
  }
  return position;
}

// The position the newest record should have made out of before: its stone added, its captured
// groups' stones removed.
Position ExpectedAfterNewest(const Zere19r19& board, Position before) {
  const Zere19r19::gomove& move = *board.Newest();
  if (move.column < 0) return before;
  before[move.column][move.row] = move.colour;
  for (const StoneGroup* group : move.captured) {
    if (group == nullptr) continue;
    const StoneNode* stone = group->firstStone;
    do {
      before[stone->column][stone->row] = Empty;
      stone = stone->next;
    } while (stone != group->firstStone);
  }
  return before;
}

int32_t PoolLength(const Zere19r19& board) {
  int32_t length = 0;
  for (const BoardPoint* node = board.freeListNodes; node != nullptr; node = node->listNext)
    ++length;
  return length;
}

int32_t GroupsInAtari(const Zere19r19& board, int32_t colour) {
  int32_t count = 0;
  for (const StoneGroup* group = board.Record(colour).firstGroup; group != nullptr;
       group = group->next) {
    if (group->liberties < 2) ++count;
  }
  return count;
}

bool TwoPassesInARow(const Zere19r19& board) {
  const Zere19r19::gomove* newest = board.Newest();
  return newest != nullptr && newest->column < 0 && newest->prev != nullptr &&
         newest->prev->column < 0;
}

// One decision checked from outside: one record of the right colour, nothing else changed on the
// board, every list record back in a pool that grew only as far as this decision needed.
void CheckOneDecision(Zere19r19& board, int32_t colour) {
  const Position before = ColoursOf(board);
  const int32_t moves = board.moveCount;
  const int32_t records = 2 + GroupsInAtari(board, Black) + GroupsInAtari(board, White);
  const int32_t pool = PoolLength(board);

  ComputerMove(board, colour);

  ASSERT_EQ(board.moveCount, moves + 1);
  ASSERT_EQ(board.Newest()->colour, colour);
  ASSERT_EQ(PoolLength(board), std::max(pool, records));
  ASSERT_TRUE(ColoursOf(board) == ExpectedAfterNewest(board, before))
      << "a trial stone was left behind or a stone went missing:\n"
      << Diagram(board);
  ASSERT_EQ(board.CheckConsistency(), "") << Diagram(board);
}

TEST(SelfPlay, EveryDecisionAddsOneRecordAndLeavesNoTrace) {
  int32_t captures = 0;
  int32_t passes = 0;
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    Zere19r19 board;
    int32_t colour = Black;
    while (!TwoPassesInARow(board)) {
      ASSERT_LT(board.moveCount, kMoveBound) << "game with seed " << seed << " does not end";
      ASSERT_NO_FATAL_FAILURE(CheckOneDecision(board, colour)) << "seed " << seed;
      captures += board.Newest()->capturedStones > 0 ? 1 : 0;
      passes += board.Newest()->column < 0 ? 1 : 0;
      colour = -colour;
    }
  }
  // The games must have reached the interesting cases to prove anything about them.
  EXPECT_GT(captures, 100);
  EXPECT_GT(passes, 60);
}

TEST(SelfPlay, AWarmDecisionAllocatesNothing) {
  SeedRandom(7);
  Zere19r19 board;
  int32_t colour = Black;
  int32_t measured = 0;
  while (!TwoPassesInARow(board)) {
    // The first decision warms the pools; the same decision again must take only from them.
    const uint32_t seed = static_cast<uint32_t>(board.moveCount) + 1000;
    SeedRandom(seed);
    ComputerMove(board, colour);
    board.TakeBack(false);
    SeedRandom(seed);
    const uint64_t allocations = AllocationCount();
    ComputerMove(board, colour);
    ASSERT_EQ(AllocationCount(), allocations) << "decision " << measured << "\n" << Diagram(board);
    ++measured;
    colour = -colour;
  }
  EXPECT_GT(measured, 200);
}

}  // namespace
