// Hand-made positions, each next to what the rules say must happen on it. Points are written
// (column, row); column 0 is the left line, row 0 the top line, as in the diagrams.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/board.h"
#include "tests/engine/board_snapshot.h"
#include "tests/support/diagram.h"

namespace {

// The group of the stone at a point; the point must hold a stone.
const StoneGroup& GroupAt(const Zere19r19& board, int32_t column, int32_t row) {
  return *board.points[column][row].stone->group;
}

int32_t LibertiesAt(const Zere19r19& board, int32_t column, int32_t row) {
  return GroupAt(board, column, row).liberties;
}

int CountGroups(const Zere19r19& board, int32_t colour) {
  int count = 0;
  for (const StoneGroup* g = board.Record(colour).firstGroup; g != nullptr; g = g->next)
    ++count;
  return count;
}

// Plays a move that the rules must refuse and checks that it left no trace.
void ExpectRefused(Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  const BoardSnapshot before = TakeSnapshot(board);
  EXPECT_FALSE(board.TryMove(column, row, colour, true));
  EXPECT_EQ(FirstDifference(before, TakeSnapshot(board)), "");
  EXPECT_EQ(board.CheckConsistency(), "");
}

class WorkedPosition : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(board.CheckConsistency(), "") << Diagram(board); }

  Zere19r19 board;
};

TEST_F(WorkedPosition, NewBoardIsEmptyWithWhiteAtTheHead) {
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      EXPECT_EQ(board.points[c][r].colour, Empty);
      EXPECT_EQ(board.points[c][r].stone, nullptr);
    }
  }
  EXPECT_EQ(board.moveCount, 0);
  EXPECT_EQ(board.Newest(), nullptr);
  EXPECT_EQ(board.history->colour, White);
  EXPECT_EQ(board.Record(Black).stonesOnBoard, 0);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 0);
  EXPECT_EQ(board.colorRecord[1], nullptr);
  EXPECT_EQ(board.points[0][0].x, 10);
  EXPECT_EQ(board.points[0][0].y, 16);
  EXPECT_EQ(board.points[18][18].x, 334);
  EXPECT_EQ(board.points[18][18].y, 358);
}

TEST_F(WorkedPosition, LoneStoneHasALibertyPerNeighbourOnTheBoard) {
  ASSERT_TRUE(board.TryMove(0, 0, Black, true));
  ASSERT_TRUE(board.TryMove(9, 0, White, true));
  ASSERT_TRUE(board.TryMove(9, 9, Black, true));
  EXPECT_EQ(LibertiesAt(board, 0, 0), 2);
  EXPECT_EQ(LibertiesAt(board, 9, 0), 3);
  EXPECT_EQ(LibertiesAt(board, 9, 9), 4);
}

TEST_F(WorkedPosition, LibertySharedByTwoStonesOfAGroupCountsOnce) {
  PlaceDiagram(board, {
                          "XX",
                          "X.",
                      });
  // (1, 1) touches both (1, 0) and (0, 1).
  EXPECT_EQ(LibertiesAt(board, 0, 0), 3);
  EXPECT_EQ(GroupAt(board, 0, 0).stones, 3);
}

TEST_F(WorkedPosition, KoRecaptureIsRefusedAtOnce) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  EXPECT_EQ(board.Newest()->capturedStones, 1);
  EXPECT_EQ(board.points[2][1].colour, Empty);
  EXPECT_EQ(LibertiesAt(board, 1, 1), 1);
  ExpectRefused(board, 2, 1, Black);
}

TEST_F(WorkedPosition, KoRecaptureIsLegalAfterAPassInBetween) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  board.Pass(Black);
  board.Pass(White);
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));
  EXPECT_EQ(board.Newest()->capturedStones, 1);
  EXPECT_EQ(board.points[1][1].colour, Empty);
}

TEST_F(WorkedPosition, KoRecaptureIsLegalAfterMovesInBetween) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  ASSERT_TRUE(board.TryMove(10, 10, Black, true));
  ASSERT_TRUE(board.TryMove(12, 12, White, true));
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));
  EXPECT_EQ(board.points[1][1].colour, Empty);
  // And now White may not take back at once.
  ExpectRefused(board, 1, 1, White);
}

TEST_F(WorkedPosition, KoRefusedRightAfterTheCaptureIsTakenBackAndReplayed) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  board.TakeBack(true);
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  ExpectRefused(board, 2, 1, Black);
}

TEST_F(WorkedPosition, CornerCaptureWithExactLibertiesAndItsTakeBack) {
  PlaceDiagram(board, {"O X"});
  const StoneGroup* white = &GroupAt(board, 0, 0);
  const int32_t whiteStones = board.Record(White).stonesOnBoard;
  const int32_t blackStones = board.Record(Black).stonesOnBoard;

  ASSERT_TRUE(board.TryMove(0, 1, Black, true));
  const Zere19r19::gomove& move = *board.Newest();
  EXPECT_EQ(move.captured[3], white);
  EXPECT_EQ(move.lastCaptured, white);
  EXPECT_EQ(move.captured[0], nullptr);
  EXPECT_EQ(move.captured[1], nullptr);
  EXPECT_EQ(move.capturedStones, 1);
  EXPECT_EQ(board.Record(White).stonesOnBoard, whiteStones - 1);
  EXPECT_EQ(board.points[0][0].colour, Empty);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 3);  // (1, 1), (0, 2), (0, 0).
  EXPECT_EQ(LibertiesAt(board, 1, 0), 3);  // (2, 0), (1, 1), (0, 0).
  ExpectRefused(board, 0, 0, White);       // Captures nothing and would have no liberty.

  board.TakeBack(true);
  EXPECT_EQ(board.points[0][1].colour, Empty);
  ASSERT_EQ(board.points[0][0].colour, White);
  EXPECT_EQ(board.Record(White).firstGroup, white);
  EXPECT_EQ(white->liberties, 1);
  EXPECT_EQ(white->stones, 1);
  EXPECT_EQ(LibertiesAt(board, 1, 0), 2);  // (2, 0), (1, 1).
  EXPECT_EQ(board.Record(White).stonesOnBoard, whiteStones);
  EXPECT_EQ(board.Record(Black).stonesOnBoard, blackStones);
}

TEST_F(WorkedPosition, LoneStoneAmongEnemiesWithOtherLibertiesIsSuicide) {
  PlaceDiagram(board, {
                          ". O .",
                          "O . O",
                          ". O .",
                      });
  ExpectRefused(board, 1, 1, Black);
  EXPECT_EQ(LibertiesAt(board, 1, 0), 3);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 3);
  EXPECT_EQ(LibertiesAt(board, 2, 1), 4);
  EXPECT_EQ(LibertiesAt(board, 1, 2), 4);
}

TEST_F(WorkedPosition, JoiningTwoGroupsIntoNoLibertyIsSuicide) {
  PlaceDiagram(board, {
                          "X . X O",
                          "O O O .",
                      });
  const int32_t before = board.moveCount;
  ExpectRefused(board, 1, 0, Black);
  EXPECT_EQ(board.moveCount, before);
  EXPECT_EQ(GroupAt(board, 0, 0).stones, 1);
  EXPECT_EQ(LibertiesAt(board, 0, 0), 1);
  EXPECT_EQ(GroupAt(board, 2, 0).stones, 1);
  EXPECT_EQ(LibertiesAt(board, 2, 0), 1);
  EXPECT_NE(&GroupAt(board, 0, 0), &GroupAt(board, 2, 0));
}

TEST_F(WorkedPosition, FillingTheLastLibertiesOfBothSidesCapturesFirst) {
  // Black at (1, 1) has no liberty of its own but takes the White stone at (2, 1).
  PlaceDiagram(board, {
                          ". O X .",
                          "O . O X",
                          ". O X .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, Black, true)) << Diagram(board);
  EXPECT_EQ(board.Newest()->capturedStones, 1);
  EXPECT_EQ(LibertiesAt(board, 1, 1), 1);
}

TEST_F(WorkedPosition, SingleStoneRecaptureAfterATwoStoneCaptureIsASnapback) {
  PlaceDiagram(board, {
                          ". O O X",
                          "O X X .",
                      });
  ASSERT_TRUE(board.TryMove(0, 0, Black, true));
  EXPECT_EQ(board.Newest()->capturedStones, 2);
  EXPECT_EQ(LibertiesAt(board, 0, 0), 1);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 1);

  ASSERT_TRUE(board.TryMove(1, 0, White, true));
  EXPECT_EQ(board.Newest()->capturedStones, 1);
  EXPECT_EQ(board.points[0][0].colour, Empty);
  EXPECT_EQ(LibertiesAt(board, 1, 0), 2);  // (0, 0) and (2, 0).
}

TEST_F(WorkedPosition, OneStoneCapturesTwoGroupsThroughTwoDirections) {
  PlaceDiagram(board, {
                          "X X X X X",
                          "O O . O X",
                          "X X X X .",
                      });
  const StoneGroup* east = &GroupAt(board, 3, 1);
  const StoneGroup* west = &GroupAt(board, 0, 1);
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));
  const Zere19r19::gomove& move = *board.Newest();
  EXPECT_EQ(move.captured[0], east);
  EXPECT_EQ(move.captured[2], west);
  EXPECT_EQ(move.lastCaptured, west);
  EXPECT_EQ(move.capturedStones, 3);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 0);
  // Joined the lower row through direction 1 and the upper row through direction 3.
  EXPECT_EQ(move.joinedStones[1], 4);
  EXPECT_EQ(move.joinedStones[3], 6);
  EXPECT_EQ(GroupAt(board, 2, 1).stones, 11);
}

TEST_F(WorkedPosition, EnemyGroupTouchedOnTwoSidesLosesOneLiberty) {
  PlaceDiagram(board, {
                          ". . . .",
                          ". . O .",
                          ". O O .",
                      });
  ASSERT_EQ(LibertiesAt(board, 2, 1), 7);
  ASSERT_TRUE(board.TryMove(1, 1, Black, true));
  EXPECT_EQ(LibertiesAt(board, 2, 1), 6);
  EXPECT_EQ(board.Newest()->capturedStones, 0);
}

TEST_F(WorkedPosition, JoinThroughTwoDirectionsIsRecordedOnce) {
  PlaceDiagram(board, {
                          ". . . .",
                          ". . X .",
                          ". X X .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, Black, true));
  const Zere19r19::gomove& move = *board.Newest();
  EXPECT_EQ(move.joinedStones[0], 3);
  EXPECT_EQ(move.joinedLiberties[0], 7);
  EXPECT_EQ(move.joinedStones[1], 0);
  EXPECT_EQ(move.joinedLiberties[1], 0);
  EXPECT_EQ(GroupAt(board, 1, 1).stones, 4);
  EXPECT_EQ(LibertiesAt(board, 1, 1), 8);
}

TEST_F(WorkedPosition, TakingBackAJoinOfThreeGroupsRestoresThem) {
  PlaceDiagram(board, {
                          ". . . .",
                          "X . X X",
                          ". X . .",
                      });
  const BoardSnapshot before = TakeSnapshot(board);
  ASSERT_TRUE(board.TryMove(1, 1, Black, true));
  EXPECT_EQ(CountGroups(board, Black), 1);
  board.TakeBack(true);
  EXPECT_EQ(FirstDifference(before, TakeSnapshot(board)), "");
  EXPECT_EQ(CountGroups(board, Black), 3);
  EXPECT_EQ(GroupAt(board, 2, 1).stones, 2);
  EXPECT_EQ(LibertiesAt(board, 2, 1), 6);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 3);
  EXPECT_EQ(LibertiesAt(board, 1, 2), 4);
}

// The entry stone of a group in the order of its colour's list, which is the order in which the
// computer player meets groups and the stone from which it walks their rings.
std::vector<std::pair<int32_t, int32_t>> EntryStones(const Zere19r19& board, int32_t colour) {
  std::vector<std::pair<int32_t, int32_t>> stones;
  for (const StoneGroup* g = board.Record(colour).firstGroup; g != nullptr; g = g->next)
    stones.emplace_back(g->firstStone->column, g->firstStone->row);
  return stones;
}

TEST_F(WorkedPosition, JoinKeepsTheNewGroupFirstAndTakeBackPutsTheSplitGroupsInFront) {
  // Around (5, 5): three stones east, one south and six west, so that each of them is once the
  // larger and once the smaller part of a join; (10, 10) and (12, 12) stand apart.
  for (auto [c, r] : {std::pair{10, 10},
                      {6, 5},
                      {7, 5},
                      {8, 5},
                      {5, 6},
                      {4, 5},
                      {3, 5},
                      {2, 5},
                      {1, 5},
                      {0, 5},
                      {0, 6},
                      {12, 12}}) {
    ASSERT_TRUE(board.TryMove(c, r, Black, false));
  }
  std::vector<std::pair<int32_t, int32_t>> apart;
  for (auto entry : EntryStones(board, Black)) {
    if (entry == std::pair{10, 10} || entry == std::pair{12, 12}) apart.push_back(entry);
  }
  ASSERT_EQ(apart.size(), 2u);

  ASSERT_TRUE(board.TryMove(5, 5, Black, false));
  auto expected = apart;
  expected.insert(expected.begin(), {5, 5});
  EXPECT_EQ(EntryStones(board, Black), expected);
  EXPECT_EQ(GroupAt(board, 5, 5).stones, 11);

  board.TakeBack(false);
  expected = apart;
  expected.insert(expected.begin(), {{6, 5}, {5, 6}, {4, 5}});
  EXPECT_EQ(EntryStones(board, Black), expected);
  EXPECT_EQ(GroupAt(board, 6, 5).stones, 3);
  EXPECT_EQ(GroupAt(board, 5, 6).stones, 1);
  EXPECT_EQ(GroupAt(board, 4, 5).stones, 6);
}

TEST_F(WorkedPosition, TakingBackAMultiStoneCaptureRestoresEveryStone) {
  PlaceDiagram(board, {
                          "O O O .",
                          "X X X .",
                      });
  const BoardSnapshot before = TakeSnapshot(board);
  const StoneGroup* white = &GroupAt(board, 0, 0);
  ASSERT_EQ(LibertiesAt(board, 0, 1), 4);
  ASSERT_TRUE(board.TryMove(3, 0, Black, true));
  EXPECT_EQ(board.Newest()->capturedStones, 3);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 0);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 7);
  EXPECT_EQ(LibertiesAt(board, 3, 0), 3);

  board.TakeBack(true);
  EXPECT_EQ(FirstDifference(before, TakeSnapshot(board)), "");
  ASSERT_EQ(board.points[0][0].colour, White);
  EXPECT_EQ(board.Record(White).firstGroup, white);
  EXPECT_EQ(white->stones, 3);
  EXPECT_EQ(white->liberties, 1);
  EXPECT_EQ(LibertiesAt(board, 0, 1), 4);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 3);
}

TEST_F(WorkedPosition, OccupiedPointIsRefusedWithNothingChanged) {
  PlaceDiagram(board, {"X O"});
  ExpectRefused(board, 0, 0, White);
  ExpectRefused(board, 0, 0, Black);
  ExpectRefused(board, 1, 0, Black);
}

TEST_F(WorkedPosition, TakeBackOnAnEmptyHistoryChangesNothing) {
  const BoardSnapshot before = TakeSnapshot(board);
  board.TakeBack(true);
  board.TakeBack(false);
  EXPECT_EQ(FirstDifference(before, TakeSnapshot(board)), "");
}

TEST_F(WorkedPosition, TakingBackAPassRemovesOnlyItsRecord) {
  ASSERT_TRUE(board.TryMove(3, 3, Black, true));
  const BoardSnapshot before = TakeSnapshot(board);
  board.Pass(White);
  EXPECT_EQ(board.moveCount, 2);
  EXPECT_EQ(board.history->colour, White);
  EXPECT_EQ(board.Newest()->column, -1);
  EXPECT_EQ(board.Newest()->row, -1);
  board.TakeBack(true);
  EXPECT_EQ(FirstDifference(before, TakeSnapshot(board)), "");
  EXPECT_EQ(board.history->colour, Black);
  EXPECT_EQ(board.Record(Black).stonesOnBoard, 1);
}

TEST_F(WorkedPosition, TakingBackEverythingReturnsTheEmptyBoard) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  board.Pass(Black);
  while (board.moveCount > 0)
    board.TakeBack(true);
  EXPECT_EQ(board.history->colour, White);
  EXPECT_EQ(board.Newest(), nullptr);
  EXPECT_EQ(board.Record(Black).stonesOnBoard, 0);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 0);
  EXPECT_EQ(board.Record(Black).firstGroup, nullptr);
  EXPECT_EQ(board.Record(White).firstGroup, nullptr);
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r)
      EXPECT_EQ(board.points[c][r].colour, Empty);
  }
}

TEST_F(WorkedPosition, ResetDuringAGameLeavesNothingReachable) {
  PlaceDiagram(board, {
                          ". X O .",
                          "X . X O",
                          ". X O .",
                      });
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  board.TakeBack(false);  // Leaves records on the free lists.
  board.Pass(White);
  board.Reset();
  EXPECT_EQ(board.moveCount, 0);
  EXPECT_EQ(board.Newest(), nullptr);
  EXPECT_EQ(board.history->colour, White);
  EXPECT_EQ(board.Record(Black).firstGroup, nullptr);
  EXPECT_EQ(board.Record(White).firstGroup, nullptr);
  EXPECT_EQ(board.Record(Black).stonesOnBoard, 0);
  EXPECT_EQ(board.Record(White).stonesOnBoard, 0);
  // The check accounts for every record the board owns, free ones included: none may be left.
  EXPECT_EQ(board.CheckConsistency(), "");
  EXPECT_EQ(board.freeListNodes, nullptr);
  ASSERT_NE(board.emptyList, nullptr);
  EXPECT_EQ(board.emptyList->listNext, nullptr);
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      EXPECT_EQ(board.points[c][r].colour, Empty);
      EXPECT_EQ(board.points[c][r].stone, nullptr);
    }
  }
  // The new game starts from scratch.
  ASSERT_TRUE(board.TryMove(1, 1, Black, true));
  EXPECT_EQ(LibertiesAt(board, 1, 1), 4);
}

}  // namespace
