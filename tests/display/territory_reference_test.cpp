// The area count against two independent references on positions from whole seeded games: the
// rule it must follow, computed region by region, and the recursive count it replaces.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <vector>

#include "display/territory.h"
#include "engine/board.h"
#include "engine/neighbours.h"
#include "player/computer_player.h"
#include "tests/display/literal_area_count.h"
#include "tests/support/diagram.h"

namespace {

using Marks = std::array<std::array<int32_t, BoardLines>, BoardLines>;

Marks MarksOf(const Zere19r19& board) {
  Marks marks;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r)
      marks[c][r] = board.points[c][r].territoryMark;
  }
  return marks;
}

void SetMarks(Zere19r19& board, const Marks& marks) {
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r)
      board.points[c][r].territoryMark = marks[c][r];
  }
}

struct Outcome {
  bool result;
  int32_t count;
  Marks marks;
  bool operator==(const Outcome&) const = default;
};

// The rule: an empty point belongs to colour exactly when its region of empty points touches a
// stone of colour and none of the other colour; the answer is false when some region touching
// colour also touches the other colour.
Outcome ExpectedByRule(const Zere19r19& board, int32_t colour) {
  Outcome expected{true, 0, {}};
  std::array<std::array<bool, BoardLines>, BoardLines> seen{};
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      if (seen[c][r] || board.points[c][r].colour != Empty) continue;
      std::vector<std::pair<int32_t, int32_t>> region{{c, r}};
      seen[c][r] = true;
      bool touchesOwn = false;
      bool touchesOther = false;
      for (size_t i = 0; i < region.size(); ++i) {
        ForEachNeighbour(region[i].first, region[i].second, [&](int32_t nc, int32_t nr) {
          const int32_t neighbour = board.points[nc][nr].colour;
          touchesOwn = touchesOwn || neighbour == colour;
          touchesOther = touchesOther || neighbour == -colour;
          if (neighbour == Empty && !seen[nc][nr]) {
            seen[nc][nr] = true;
            region.emplace_back(nc, nr);
          }
        });
      }
      if (touchesOwn && touchesOther) expected.result = false;
      if (!touchesOwn || touchesOther) continue;
      for (const auto& [pc, pr] : region)
        expected.marks[pc][pr] = colour;
      expected.count += static_cast<int32_t>(region.size());
    }
  }
  return expected;
}

// Runs a count from the given marks and returns what it left.
Outcome RunCount(Zere19r19& board, int32_t colour, const Marks& marksBefore,
                 const std::function<bool(Zere19r19&, int32_t)>& count) {
  SetMarks(board, marksBefore);
  const bool result = count(board, colour);
  return {result, board.Record(colour).territoryCount, MarksOf(board)};
}

// Calls check on the position after every move of a few whole games of the computer against
// itself, seeded for reproducible positions.
void ForEachGamePosition(uint32_t firstSeed, uint32_t games,
                         const std::function<void(Zere19r19&)>& check) {
  for (uint32_t seed = firstSeed; seed < firstSeed + games; ++seed) {
    SeedRandom(seed);
    Zere19r19 board;
    int32_t colour = Black;
    for (int32_t passesInARow = 0; passesInARow < 2 && board.moveCount < 3000;) {
      ComputerMove(board, colour);
      passesInARow = board.Newest()->column < 0 ? passesInARow + 1 : 0;
      colour = -colour;
      check(board);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(AreaCountReference, FollowsTheRuleOnGamePositions) {
  int32_t positions = 0;
  int32_t unsettled = 0;
  ForEachGamePosition(1, 10, [&](Zere19r19& board) {
    for (const int32_t colour : {Black, White}) {
      const bool result = CountTerritory(board, colour);
      const Outcome actual{result, board.Record(colour).territoryCount, MarksOf(board)};
      ASSERT_TRUE(actual == ExpectedByRule(board, colour)) << "colour " << colour << " on\n"
                                                           << Diagram(board);
      unsettled += result ? 0 : 1;
    }
    ++positions;
  });
  EXPECT_GT(positions, 2000);
  EXPECT_GT(unsettled, 1000);  // Both answers were met many times.
}

TEST(AreaCountReference, MatchesTheRecursiveCountWhateverTheMarksBefore) {
  std::mt19937 random(5);
  ForEachGamePosition(20, 4, [&](Zere19r19& board) {
    Marks before = MarksOf(board);
    for (const int32_t colour : {Black, White}) {
      before[random() % BoardLines][random() % BoardLines] = -colour;
      const Outcome literal = RunCount(board, colour, before, LiteralCountTerritory);
      const Outcome fast = RunCount(board, colour, before, CountTerritory);
      ASSERT_TRUE(fast == literal) << "colour " << colour << " on\n" << Diagram(board);
    }
  });
}

// Marks of any value anywhere, on empty points and stones alike: the fill and the clearing must
// still do exactly what the recursive ones do.
void ScrambleMarks(Zere19r19& board, std::mt19937& random) {
  for (auto& column : board.points) {
    for (BoardPoint& point : column)
      point.territoryMark = static_cast<int32_t>(random() % 3) - 1;
  }
}

TEST(AreaCountReference, FillAndClearMatchTheRecursiveOnesFromAnyMarks) {
  std::mt19937 random(11);
  int32_t failedFills = 0;
  ForEachGamePosition(40, 2, [&](Zere19r19& board) {
    for (int32_t trial = 0; trial < 4; ++trial) {
      // Sparse marks leave room for long fills; dense ones stress the stopping rules.
      if (trial % 2 == 0) {
        for (auto& column : board.points) {
          for (BoardPoint& point : column)
            point.territoryMark = random() % 8 == 0 ? (random() % 2 == 0 ? Black : White) : 0;
        }
      } else {
        ScrambleMarks(board, random);
      }
      const Marks before = MarksOf(board);
      const int32_t column = static_cast<int32_t>(random() % BoardLines);
      const int32_t row = static_cast<int32_t>(random() % BoardLines);
      const int32_t colour = random() % 2 == 0 ? Black : White;

      const bool literal = LiteralFillTerritory(board, column, row, colour);
      const Marks literalMarks = MarksOf(board);
      SetMarks(board, before);
      ASSERT_EQ(FillTerritory(board, column, row, colour), literal);
      ASSERT_TRUE(MarksOf(board) == literalMarks) << "fill from " << column << ", " << row;
      failedFills += literal ? 0 : 1;

      SetMarks(board, before);
      LiteralClearTerritory(board, column, row);
      const Marks clearedMarks = MarksOf(board);
      SetMarks(board, before);
      ClearTerritory(board, column, row);
      ASSERT_TRUE(MarksOf(board) == clearedMarks) << "clear from " << column << ", " << row;
    }
  });
  EXPECT_GT(failedFills, 100);
}

TEST(AreaCountReference, AFailedFillLeavesNoMark) {
  Zere19r19 board;
  PlaceDiagram(board, {
                          "...X",
                          "..OX",
                          "XXXX",
                      });
  EXPECT_FALSE(FillTerritory(board, 0, 0, Black));
  for (const auto& column : board.points) {
    for (const BoardPoint& point : column)
      EXPECT_EQ(point.territoryMark, 0);
  }
  EXPECT_TRUE(FillTerritory(board, 10, 10, Black));
  EXPECT_EQ(board.points[18][18].territoryMark, Black);
  EXPECT_EQ(board.points[0][0].territoryMark, 0);
}

// A group whose ring has lost its entry ends the count at once: false, the count as it was,
// and the marks of the regions claimed from the groups before it.
TEST(AreaCountReference, GroupWithoutEntryStoneEndsTheCount) {
  int32_t cases = 0;
  ForEachGamePosition(60, 2, [&](Zere19r19& board) {
    if (board.moveCount % 25 != 0) return;
    for (const int32_t colour : {Black, White}) {
      ColorRecord& record = board.Record(colour);
      if (record.firstGroup == nullptr || record.firstGroup->next == nullptr) continue;
      StoneGroup* broken = record.firstGroup->next;
      StoneNode* entry = broken->firstStone;
      broken->firstStone = nullptr;
      record.territoryCount = -7;
      const Marks before = MarksOf(board);
      const Outcome literal = RunCount(board, colour, before, LiteralCountTerritory);
      const Outcome fast = RunCount(board, colour, before, CountTerritory);
      broken->firstStone = entry;
      EXPECT_FALSE(fast.result);
      EXPECT_EQ(fast.count, -7);
      ASSERT_TRUE(fast == literal) << "colour " << colour << " on\n" << Diagram(board);
      ++cases;
    }
  });
  EXPECT_GT(cases, 20);
}

}  // namespace
