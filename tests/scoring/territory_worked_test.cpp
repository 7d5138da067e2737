// The area count on small hand-made positions.
#include <gtest/gtest.h>

#include <utility>

#include "engine/board.h"
#include "scoring/territory.h"
#include "tests/support/diagram.h"

namespace {

int32_t Points(const Zere19r19& board, int32_t colour) {
  const ColorRecord& record = board.Record(colour);
  return record.territoryCount + record.stonesOnBoard;
}

TEST(AreaCount, EmptyBoardCountsNothingAndIsSettled) {
  Zere19r19 board;
  EXPECT_TRUE(CountTerritory(board, Black));
  EXPECT_TRUE(CountTerritory(board, White));
  EXPECT_EQ(board.Record(Black).territoryCount, 0);
  EXPECT_EQ(board.Record(White).territoryCount, 0);
}

TEST(AreaCount, OneStoneOwnsTheWholeBoard) {
  Zere19r19 board;
  ASSERT_TRUE(board.TryMove(9, 9, Black, false));
  EXPECT_TRUE(CountTerritory(board, Black));
  EXPECT_EQ(board.Record(Black).territoryCount, 360);
  EXPECT_EQ(Points(board, Black), 361);
  EXPECT_TRUE(CountTerritory(board, White));
  EXPECT_EQ(Points(board, White), 0);
}

TEST(AreaCount, OneStoneEachLeavesTheRegionNeutral) {
  Zere19r19 board;
  ASSERT_TRUE(board.TryMove(5, 5, Black, false));
  ASSERT_TRUE(board.TryMove(12, 12, White, false));
  EXPECT_FALSE(CountTerritory(board, Black));
  EXPECT_EQ(Points(board, Black), 1);
  EXPECT_FALSE(CountTerritory(board, White));
  EXPECT_EQ(Points(board, White), 1);
  for (const auto& column : board.points) {
    for (const BoardPoint& point : column)
      EXPECT_EQ(point.territoryMark, 0);
  }
}

// Regions closed by Black and the edge count for Black, in the corners and on the edge, and so
// does a single point inside a ring of Black. The open region also touches White: neutral.
TEST(AreaCount, RegionsClosedByStonesAndTheEdge) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "..X..............X.",
                          "XXX...............X",
                          "",
                          "",
                          "X",
                          ".X",
                          ".X",
                          "X",
                      });
  for (const auto& [column, row] : {std::pair{9, 8}, {8, 9}, {10, 9}, {9, 10}})
    ASSERT_TRUE(board.TryMove(column, row, Black, false));
  ASSERT_TRUE(board.TryMove(12, 12, White, false));

  EXPECT_FALSE(CountTerritory(board, Black));
  for (const auto& [column, row] : {std::pair{0, 0}, {1, 0}, {18, 0}, {0, 5}, {0, 6}, {9, 9}})
    EXPECT_EQ(board.points[column][row].territoryMark, Black) << column << ", " << row;
  EXPECT_EQ(board.points[3][0].territoryMark, 0);
  EXPECT_EQ(board.Record(Black).territoryCount, 6);
}

// White stones left inside a Black area make that region neutral but still count as White's;
// the rest of the board, outside the wall, is Black's.
TEST(AreaCount, EnemyStonesInsideAnAreaMakeItNeutral) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          ".....X",
                          "..O..X",
                          ".....X",
                          "XXXXXX",
                      });
  EXPECT_FALSE(CountTerritory(board, Black));
  EXPECT_EQ(board.points[0][0].territoryMark, 0);
  EXPECT_EQ(board.points[4][2].territoryMark, 0);
  EXPECT_EQ(board.points[10][10].territoryMark, Black);
  EXPECT_EQ(board.Record(Black).territoryCount, 361 - 9 - 15);
  EXPECT_FALSE(CountTerritory(board, White));
  EXPECT_EQ(board.Record(White).territoryCount, 0);
  EXPECT_EQ(Points(board, White), 1);
}

// The empty column between the two colours counts for nobody; Black keeps its two corners, White
// its corners and everything beyond its wall.
TEST(AreaCount, PointsTouchingBothColoursAreNeutral) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          ".X.O.", "XX.OO", "XX.OO", "XX.OO", "XX.OO", "XX.OO", "XX.OO",
                          "XX.OO", "XX.OO", "XX.OO", "XX.OO", "XX.OO", "XX.OO", "XX.OO",
                          "XX.OO", "XX.OO", "XX.OO", "XX.OO", ".X.O.",
                      });
  EXPECT_FALSE(CountTerritory(board, Black));
  EXPECT_EQ(board.Record(Black).territoryCount, 2);
  EXPECT_EQ(board.points[2][5].territoryMark, 0);
  EXPECT_FALSE(CountTerritory(board, White));
  EXPECT_EQ(board.points[4][0].territoryMark, White);
  EXPECT_EQ(board.Record(White).territoryCount, 14 * 19 + 2);
  EXPECT_EQ(board.points[2][5].territoryMark, 0);
}

// Each count starts from clean marks, so after Black's and then White's only White's remain.
TEST(AreaCount, AfterBothCountsOnlyWhitesMarksRemain) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          ".X...............O.",
                          "XX...............OO",
                      });
  EXPECT_FALSE(CountTerritory(board, Black));
  EXPECT_EQ(board.points[0][0].territoryMark, Black);
  EXPECT_FALSE(CountTerritory(board, White));
  EXPECT_EQ(board.points[0][0].territoryMark, 0);
  EXPECT_EQ(board.points[18][0].territoryMark, White);
  EXPECT_EQ(board.Record(Black).territoryCount, 1);
  EXPECT_EQ(board.Record(White).territoryCount, 1);
}

}  // namespace
