// The computer's decision on worked positions, one row per rule and tie-break, and a seeded game of
// the computer against itself checked move by move.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "player/computer_player.h"
#include "tests/support/diagram.h"

namespace {

using Point = std::pair<int32_t, int32_t>;
constexpr Point PassMove{-1, -1};
constexpr Point RandomDraw{-2, -2};  // No rule applies: the random step's draw is expected.

using DiagramRows = std::initializer_list<const char*>;

struct Row {
  const char* name;
  DiagramRows diagram;
  DiagramRows then;  // Placed afterwards: its groups are newer.
  Point expected;
  std::initializer_list<Point> refused = {};  // Points the random step must refuse when drawn.
  int32_t fill = Empty;  // Colour of every point right of or below the diagram's text.
  int32_t colour = Black;
};

// Three Black stones in atari on the top edge (liberty (3, 0)), four on the left edge (liberty
// (0, 9)), three on the left edge (liberty (0, 8)). The group placed first is first in the atari
// list, which runs in the reverse order of the group list.
constexpr DiagramRows Three{"XXX", "OOO"};
constexpr DiagramRows Four{"", "", "", "", "O", "XO", "XO", "XO", "XO"};
constexpr DiagramRows OtherThree{"", "", "", "", "O", "XO", "XO", "XO"};
// Two White pairs in atari, each taken with two liberties left: liberties (2, 0) and (0, 4).
constexpr DiagramRows TopPair{"OO", "XX"};
constexpr DiagramRows SidePair{"", "", "", "", "", "OX", "OX", "X"};
// White's last stone at (5, 5) has just taken a Black stone at (6, 5).
constexpr DiagramRows KoShape{"", "", "", "", ".....XO", "....X.XO", ".....XO"};
constexpr DiagramRows KoTaken{"", "", "", "", "", ".....O"};
// With the rest of the board Black: eyes in the corner, on the edge and in the middle, and two
// open points at (3, 3) and (4, 3).
constexpr DiagramRows Eyes{".X.X", "XXXX", "X.XX", "XXX.."};

// Black's joint capture at (0, 1) yields to a larger group of either colour whose last liberty is
// (14, 0).
constexpr DiagramRows LargerEnemy{"OXX......XOOOO.", ".OOX......XXXX", ".XX.."};
constexpr DiagramRows LargerOwn{"OXX......OXXXX.", ".OOX......OOOO", ".XX.."};
// Black's three would keep one liberty, its lone stone at (6, 0) is smaller than White's three.
constexpr DiagramRows NoGoodEscape{"XXX..OXO.XOOO.", "OOOO......XXX"};
// Black takes White's stone at (5, 5) at (6, 5), where its own stone is left in atari.
constexpr DiagramRows LoneTaker{"", "", "", "", ".....XO", "....XO.O", ".....XO"};
// Black's pair at (3, 0), (4, 0) touches two White pairs in atari of equal score: the one met first
// walking the pair's ring is taken.
constexpr DiagramRows TwoEqualPairs{".OOXXOO.", ".XX.OXX.", "....."};

constexpr Row Rows[] = {
    {"joint capture outweighing both largest groups", {"OXX..", ".OOX.", ".XX.."}, {}, {0, 1}},
    {"joint capture yields to a larger enemy group", LargerEnemy, {}, {14, 0}},
    {"joint capture yields to a larger own group", LargerOwn, {}, {14, 0}},
    {"joint capture needs two liberties left", {".OOXX", "OXXO.", ".O..."}, {}, {2, 2}},
    {"of equal joint captures the first found", TwoEqualPairs, {}, {7, 0}},
    {"escape: four after three replaces it", Three, Four, {0, 9}},
    {"escape: three after four is not tried", Four, Three, {0, 9}},
    {"escape: of equal groups the first listed (top)", Three, OtherThree, {3, 0}},
    {"escape: of equal groups the first listed (side)", OtherThree, Three, {0, 8}},
    {"escape threshold is the whole extended group", {"XXX.XX", "OOO"}, Four, {3, 0}},
    {"escape: none acceptable, random step, no capture", NoGoodEscape, {}, RandomDraw, {{3, 0}}},
    {"capture: a lone stone left in atari takes three", {"OOO.O..OXO", "XXXO."}, {}, {3, 0}},
    {"capture: a lone stone left in atari takes one", LoneTaker, {}, {6, 5}},
    {"capture: of equal groups the first listed (top)", TopPair, SidePair, {2, 0}},
    {"capture: of equal groups the first listed (side)", SidePair, TopPair, {0, 4}},
    {"capture passes over a ko recapture", KoShape, KoTaken, RandomDraw, {{6, 5}}},
    {"random step never fills an own eye", Eyes, {}, RandomDraw, {{0, 0}, {2, 0}, {1, 2}}, Black},
    {"pass when every point is suicide or self-atari", Eyes, {}, PassMove, {}, Black, White},
    {"pass when only own eyes are left", {".X.X", "XXXX", "X.XX"}, {}, PassMove, {}, Black},
};

void Place(Zere19r19& board, const Row& row) {
  PlaceDiagram(board, row.diagram);
  PlaceDiagram(board, row.then);
  const std::vector<std::string_view> lines(row.diagram.begin(), row.diagram.end());
  for (int32_t c = 0; c < BoardLines && row.fill != Empty; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      if (r < std::ssize(lines) && c < std::ssize(lines[r])) continue;
      ASSERT_TRUE(board.TryMove(c, r, row.fill, false)) << c << ", " << r;
    }
  }
}

// The point the random step plays with this seed: draws from the empty points listed from the
// last of the column-by-column scan to the first, each draw rand() modulo their number, dropping
// refused points; drawn collects the refused points met.
Point RandomStep(const Zere19r19& board, uint32_t seed, std::initializer_list<Point> refused,
                 std::set<Point>& drawn) {
  std::vector<Point> listed;
  for (int32_t c = BoardLines - 1; c >= 0; --c) {
    for (int32_t r = BoardLines - 1; r >= 0; --r) {
      if (board.points[c][r].colour == Empty) listed.emplace_back(c, r);
    }
  }
  std::srand(seed);
  while (!listed.empty()) {
    const auto at = listed.begin() + std::rand() % static_cast<int32_t>(listed.size());
    if (std::find(refused.begin(), refused.end(), *at) == refused.end()) return *at;
    drawn.insert(*at);
    listed.erase(at);
  }
  return PassMove;
}

TEST(Decision, EachRowPlaysAsItsRuleSays) {
  for (const Row& row : Rows) {
    SCOPED_TRACE(row.name);
    std::set<Point> drawn;
    const uint32_t seeds = row.expected == RandomDraw ? 2000 : 3;
    for (uint32_t seed = 1; seed <= seeds; ++seed) {
      Zere19r19 board;
      ASSERT_NO_FATAL_FAILURE(Place(board, row));
      const Point expected =
          row.expected == RandomDraw ? RandomStep(board, seed, row.refused, drawn) : row.expected;
      SeedRandom(seed);
      ComputerMove(board, row.colour);
      const Zere19r19::gomove& move = *board.Newest();
      ASSERT_EQ(move.colour, row.colour);
      ASSERT_EQ(Point(move.column, move.row), expected) << Diagram(board) << "seed " << seed;
      ASSERT_EQ(board.CheckConsistency(), "");
    }
    EXPECT_EQ(drawn.size(), row.refused.size()) << "not every refused point was drawn";
  }
}

int32_t PoolLength(const Zere19r19& board) {
  int32_t length = 0;
  for (const BoardPoint* node = board.freeListNodes; node != nullptr; node = node->listNext)
    ++length;
  return length;
}

// The records a decision takes: two list heads and one per group in atari.
int32_t ListRecordsNeeded(const Zere19r19& board) {
  int32_t records = 2;
  for (const int32_t colour : {Black, White}) {
    for (const StoneGroup* g = board.Record(colour).firstGroup; g != nullptr; g = g->next)
      records += g->liberties < 2 ? 1 : 0;
  }
  return records;
}

// Plays one game of the computer against itself to its end, checking every decision.
void PlayCheckingEveryDecision(Zere19r19& board, int32_t& captures) {
  for (int32_t colour = Black, passes = 0; passes < 2; colour = -colour) {
    ASSERT_LT(board.moveCount, 1500) << "the game does not end";
    const int32_t moves = board.moveCount;
    const int32_t stones = board.Record(Black).stonesOnBoard + board.Record(White).stonesOnBoard;
    const int32_t pool = std::max(PoolLength(board), ListRecordsNeeded(board));
    const std::string before = Diagram(board);
    ComputerMove(board, colour);
    const Zere19r19::gomove& move = *board.Newest();
    ASSERT_EQ(board.moveCount, moves + 1);
    ASSERT_EQ(move.colour, colour);
    ASSERT_EQ(board.CheckConsistency(), "") << before;
    ASSERT_EQ(PoolLength(board), pool) << "list records went missing or were allocated in excess";
    const int32_t placed = move.column < 0 ? 0 : 1;
    ASSERT_EQ(board.Record(Black).stonesOnBoard + board.Record(White).stonesOnBoard,
              stones + placed - move.capturedStones)
        << before;
    ASSERT_TRUE(placed == 0 || before[move.row * (board.BoardSize() + 1) + move.column] == '.')
        << before;
    passes = placed == 1 ? 0 : passes + 1;
    captures += move.capturedStones > 0 ? 1 : 0;
  }
}

// Each decision adds one record of its colour and changes the board by that record alone: the
// point it names was empty and holds its stone now, and only the stones it captured went away.
// Whole games on boards of 19, 9 and 2 lines.
TEST(SelfPlay, EveryDecisionAddsOneRecordAndLeavesNoTrialStone) {
  SeedRandom(11);
  int32_t captures = 0;
  for (const int32_t lines : {BoardLines, 9, 2}) {
    Zere19r19 board;
    board.Reset(lines);
    ASSERT_NO_FATAL_FAILURE(PlayCheckingEveryDecision(board, captures)) << lines;
  }
  EXPECT_GT(captures, 5) << "the games should reach captures to prove anything about them";
}

}  // namespace
