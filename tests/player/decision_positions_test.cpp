// The computer's choice on hand-made positions, one rule of its order of precedence at a time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "player/computer_player.h"
#include "tests/support/diagram.h"

namespace {

using Point = std::pair<int32_t, int32_t>;
constexpr Point kPass{-1, -1};

void Place(Zere19r19& board, int32_t colour, std::initializer_list<Point> points) {
  for (const auto& [column, row] : points)
    ASSERT_TRUE(board.TryMove(column, row, colour, false)) << column << ", " << row;
}

// Fills every point of the board with colour, column by column, except the given ones.
void FillExcept(Zere19r19& board, int32_t colour, int32_t fromColumn, int32_t toColumn,
                const std::vector<Point>& keepEmpty) {
  for (int32_t column = fromColumn; column <= toColumn; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      bool empty = false;
      for (const Point& point : keepEmpty)
        empty = empty || point == Point{column, row};
      if (empty) continue;
      ASSERT_TRUE(board.TryMove(column, row, colour, false)) << column << ", " << row;
    }
  }
}

// The point the computer plays for colour with the generator seeded with seed, or kPass.
Point Decide(Zere19r19& board, int32_t colour, uint32_t seed = 1) {
  SeedRandom(seed);
  ComputerMove(board, colour);
  const Zere19r19::gomove& move = *board.Newest();
  EXPECT_EQ(move.colour, colour);
  EXPECT_EQ(board.CheckConsistency(), "");
  return {move.column, move.row};
}

// Puts stones on an empty board; the order of placements decides the order of group lists.
using Placement = void (*)(Zere19r19&);

// The point Black plays after the two placements, in this order.
Point BlackPlaysAfter(Placement first, Placement second) {
  Zere19r19 board;
  first(board);
  second(board);
  return Decide(board, Black);
}

// The empty point that the random step draws first with this seed: member k of the empty points
// listed from the last of the column-by-column scan back to the first, k being the generator's
// first value modulo their number.
Point FirstDrawnEmptyPoint(const Zere19r19& board, uint32_t seed) {
  std::vector<Point> listed;
  for (int32_t column = BoardLines - 1; column >= 0; --column) {
    for (int32_t row = BoardLines - 1; row >= 0; --row) {
      if (board.points[column][row].colour == Empty) listed.emplace_back(column, row);
    }
  }
  std::srand(seed);
  return listed[static_cast<size_t>(std::rand()) % listed.size()];
}

// ---- The random step and the pass ----

TEST(RandomStep, DrawsFromTheEmptyPointsInReverseScanOrder) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Zere19r19 board;
    const Point expected = FirstDrawnEmptyPoint(board, seed);
    EXPECT_EQ(Decide(board, Black, seed), expected) << "seed " << seed;
  }
}

// Black everywhere but a corner eye, an edge eye, a middle eye and two open points on the lower
// edge: only the open points may be played, whatever the draws.
TEST(RandomStep, NeverFillsAnOwnEye) {
  const std::vector<Point> eyes{{0, 0}, {9, 0}, {9, 9}};
  const std::vector<Point> open{{15, 18}, {16, 18}};
  std::vector<Point> empty = eyes;
  empty.insert(empty.end(), open.begin(), open.end());
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Zere19r19 board;
    ASSERT_NO_FATAL_FAILURE(FillExcept(board, Black, 0, BoardLines - 1, empty));
    const Point played = Decide(board, Black, seed);
    EXPECT_TRUE(played == open[0] || played == open[1]) << played.first << ", " << played.second;
  }
}

TEST(RandomStep, PassesWhenOnlyOwnEyesAreLeft) {
  Zere19r19 board;
  ASSERT_NO_FATAL_FAILURE(FillExcept(board, Black, 0, BoardLines - 1, {{0, 0}, {9, 0}, {9, 9}}));
  EXPECT_EQ(Decide(board, Black), kPass);
  // Every point is suicide for White: the board is as full as it can be for White.
  EXPECT_EQ(Decide(board, White), kPass);
}

// Black holds columns 0..9 with eyes at (0, 0) and (5, 9); White holds the rest with a single eye
// at (14, 9) and an eye of two points at (14, 0), (15, 0). For Black the own eyes are refused
// (each also a self-atari), White's single eye is suicide and the two-point eye a self-atari.
TEST(RandomStep, PassesWhenEveryPointIsRefused) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    Zere19r19 board;
    ASSERT_NO_FATAL_FAILURE(FillExcept(board, Black, 0, 9, {{0, 0}, {5, 9}}));
    ASSERT_NO_FATAL_FAILURE(FillExcept(board, White, 10, 18, {{14, 9}, {14, 0}, {15, 0}}));
    EXPECT_EQ(Decide(board, Black, seed), kPass);
  }
}

// ---- Joint capture ----

// Black's two stones at the top and White's two below them are both in atari; capturing at
// (0, 1) wins four stones at stake, more than either largest group, and leaves three liberties.
// Escaping at (3, 0) would have been the next rule's choice.
TEST(JointCapture, CapturesAPairOutweighingBothLargestGroups) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "OXX..",
                          ".OOX.",
                          ".XX..",
                      });
  EXPECT_EQ(Decide(board, Black), Point(0, 1));
  EXPECT_EQ(board.Newest()->capturedStones, 3);
}

// The same pair, but White also has four stones in atari on the top edge: the pair's four is
// not more than White's largest, so the capture rule takes the four instead.
TEST(JointCapture, YieldsToALargerEnemyGroup) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "OXX......XOOOO.",
                          ".OOX......XXXX",
                          ".XX..",
                      });
  EXPECT_EQ(Decide(board, Black), Point(14, 0));
}

// The same pair, but Black also has four stones in atari: no joint capture, and the escape rule
// extends the four, whichever of Black's groups comes first in the atari list.
TEST(JointCapture, YieldsToALargerOwnGroup) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "OXX......OXXXX.",
                          ".OOX......OOOO",
                          ".XX..",
                      });
  EXPECT_EQ(Decide(board, Black), Point(14, 0));
}

// Black's pair (1, 1), (2, 1) and White's pair above it are both in atari, but the capturing
// stone at (0, 0) would have one liberty left, so Black extends its pair at (2, 2) instead.
TEST(JointCapture, NeedsTwoLibertiesForTheCapturingStone) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          ".OOXX",
                          "OXXO.",
                          ".O...",
                      });
  EXPECT_EQ(Decide(board, Black), Point(2, 2));
}

// ---- Escape ----

// Black has three stones in atari on the top edge (liberty (3, 0)) and four on the left edge
// (liberty (0, 9)); White none. Placing one group after the other decides the list order.
void PlaceThree(Zere19r19& board) {
  PlaceDiagram(board, {
                          "XXX",
                          "OOO",
                      });
}
void PlaceFour(Zere19r19& board) {
  PlaceDiagram(board, {"", "", "", "", "O", "XO", "XO", "XO", "XO"});
}

// The group placed last is first in the group list and so last in the atari list. With the three
// first, its extension sets the threshold to four and the four replaces it; with the four first,
// the threshold becomes five and the three is not tried.
TEST(Escape, ExtendsTheFourInEitherListOrder) {
  EXPECT_EQ(BlackPlaysAfter(PlaceThree, PlaceFour), Point(0, 9));
  EXPECT_EQ(BlackPlaysAfter(PlaceFour, PlaceThree), Point(0, 9));
}

// Of two groups of three, the first in the atari list is extended: its accepted extension sets
// the threshold to four, above the second group's size.
TEST(Escape, OfEqualGroupsExtendsTheFirstInTheList) {
  const Placement placeOther = [](Zere19r19& board) {
    PlaceDiagram(board, {"", "", "", "", "O", "XO", "XO", "XO"});
  };
  EXPECT_EQ(BlackPlaysAfter(PlaceThree, placeOther), Point(3, 0));
  EXPECT_EQ(BlackPlaysAfter(placeOther, PlaceThree), Point(0, 8));
}

// Extending the three at (3, 0) also joins the pair at (4, 0), (5, 0): the accepted group of six
// sets the threshold, and the four that comes later is not even tried.
TEST(Escape, ThresholdIsTheWholeExtendedGroup) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "XXX.XX",
                          "OOO",
                      });
  PlaceFour(board);
  EXPECT_EQ(Decide(board, Black), Point(3, 0));
}

// Black's three in atari would keep one liberty if extended; White's three in atari elsewhere
// makes the escape rule apply (three against three), so no capture is tried and the random
// step draws its usual first point.
TEST(Escape, RefusedExtensionFallsThroughToTheRandomStep) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    Zere19r19 board;
    PlaceDiagram(board, {
                            "XXX......XOOO.",
                            "OOOO......XXX",
                        });
    const Point drawn = FirstDrawnEmptyPoint(board, seed);
    ASSERT_NE(drawn, Point(3, 0));
    ASSERT_NE(drawn, Point(13, 0));
    EXPECT_EQ(Decide(board, Black, seed), drawn) << "seed " << seed;
  }
}

// ---- Capture ----

// White's three stones on the top edge are in atari and Black's only group in atari is a single
// stone elsewhere. The capturing stone at (3, 0) is left with one liberty, but one stone is no
// more than the three it takes: accepted, and Black's own stone stays in atari.
TEST(Capture, AcceptsOneLibertyWhenNoMoreStonesThanCaptured) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "OOO.O",
                          "XXXO.",
                      });
  Place(board, Black, {{10, 10}});
  Place(board, White, {{11, 10}, {10, 11}, {9, 10}});
  EXPECT_EQ(Decide(board, Black), Point(3, 0));
  EXPECT_EQ(board.Newest()->capturedStones, 3);
  EXPECT_EQ(board.points[10][10].stone->group->liberties, 1);
}

// Taking White's stone at (4, 0) from (3, 0) would join Black's three and leave four stones with
// one liberty. Black's three is itself in atari, so the escape rule runs and refuses it, and the
// random step refuses the self-atari: whatever the draws, (3, 0) is never played.
TEST(Capture, NeverTakesOneStoneIntoAtariWithFour) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Zere19r19 board;
    PlaceDiagram(board, {
                            "XXX.OX",
                            "OOOOX",
                        });
    const Point played = Decide(board, Black, seed);
    EXPECT_NE(played, Point(3, 0));
    EXPECT_NE(played, kPass);
  }
}

// Two White pairs in atari, both capturable with two liberties left: the one first in the enemy
// atari list is taken, that is the one later in White's group list (placed earlier).
TEST(Capture, OfEqualGroupsTakesTheOneLaterInTheGroupList) {
  const Placement placeTop = [](Zere19r19& board) {
    PlaceDiagram(board, {
                            "OO",
                            "XX",
                        });
  };
  const Placement placeSide = [](Zere19r19& board) {
    PlaceDiagram(board, {"", "", "", "", "", "OX", "OX", "X"});
  };
  EXPECT_EQ(BlackPlaysAfter(placeTop, placeSide), Point(2, 0));
  EXPECT_EQ(BlackPlaysAfter(placeSide, placeTop), Point(0, 4));
}

// White has just taken Black's stone at (6, 5) with (5, 5), which now stands alone in atari.
// Retaking at once is a ko recapture that the trial refuses, so the capture rule passes over it
// and the random step draws as usual; after a pass from each side the retake is played.
void PlaceKo(Zere19r19& board) {
  Place(board, Black, {{5, 4}, {4, 5}, {5, 6}, {6, 5}});
  Place(board, White, {{6, 4}, {7, 5}, {6, 6}});
  ASSERT_TRUE(board.TryMove(5, 5, White, true));
  ASSERT_EQ(board.Newest()->capturedStones, 1);
}

TEST(Capture, PassesOverAKoRecapture) {
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    Zere19r19 board;
    ASSERT_NO_FATAL_FAILURE(PlaceKo(board));
    const Point drawn = FirstDrawnEmptyPoint(board, seed);
    ASSERT_NE(drawn, Point(6, 5));
    EXPECT_EQ(Decide(board, Black, seed), drawn) << "seed " << seed;
  }
}

TEST(Capture, RetakesTheKoAfterPasses) {
  Zere19r19 board;
  ASSERT_NO_FATAL_FAILURE(PlaceKo(board));
  board.Pass(Black);
  board.Pass(White);
  EXPECT_EQ(Decide(board, Black), Point(6, 5));
  EXPECT_EQ(board.Newest()->capturedStones, 1);
}

}  // namespace
