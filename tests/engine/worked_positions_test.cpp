#include <gtest/gtest.h>

#include "engine/board.h"
#include "tests/support/diagram.h"

TEST(WorkedPositions, CornerCaptureAndTakeBack) {
  Zere19r19 board;
  PlaceDiagram(board, {"OX"});
  ASSERT_TRUE(board.TryMove(0, 1, Black, true));
  const Zere19r19::gomove* move = board.Newest();
  EXPECT_EQ(move->capturedStones, 1);
  EXPECT_EQ(move->captured[3], move->lastCaptured);
  EXPECT_EQ(board.points[0][1].stone->group->liberties, 3);
  EXPECT_EQ(board.points[1][0].stone->group->liberties, 3);
  EXPECT_EQ(board.CheckConsistency(), "");
  EXPECT_FALSE(board.TryMove(0, 0, White, true));
  board.TakeBack(true);
  EXPECT_EQ(board.points[0][0].stone->group->liberties, 1);
  EXPECT_EQ(board.points[1][0].stone->group->liberties, 2);
  EXPECT_EQ(board.CheckConsistency(), "");
}
