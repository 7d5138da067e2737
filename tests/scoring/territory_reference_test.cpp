// The area count against two independent references on positions from whole seeded games: the
// rule it must follow, computed region by region, and the recursive count as first designed.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <vector>

#include "engine/board.h"
#include "engine/neighbours.h"
#include "player/computer_player.h"
#include "scoring/territory.h"
#include "tests/scoring/literal_area_count.h"
#include "tests/support/diagram.h"

namespace {

using Marks = std::array<std::array<int32_t, BoardLines>, BoardLines>;

Marks MarksOf(const Zere19r19& board) {
  Marks marks;
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row)
      marks[column][row] = board.points[column][row].territoryMark;
  }
  return marks;
}

void SetMarks(Zere19r19& board, const Marks& marks) {
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row)
      board.points[column][row].territoryMark = marks[column][row];
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
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      if (seen[column][row] || board.points[column][row].colour != Empty) continue;
      std::vector<std::pair<int32_t, int32_t>> region{{column, row}};
      seen[column][row] = true;
      bool touchesOwn = false;
      bool touchesOther = false;
      for (size_t i = 0; i < region.size(); ++i) {
        ForEachNeighbour(region[i].first, region[i].second, [&](int32_t ncolumn, int32_t nrow) {
          const int32_t neighbour = board.points[ncolumn][nrow].colour;
          touchesOwn = touchesOwn || neighbour == colour;
          touchesOther = touchesOther || neighbour == -colour;
          if (neighbour == Empty && !seen[ncolumn][nrow]) {
            seen[ncolumn][nrow] = true;
            region.emplace_back(ncolumn, nrow);
          }
        });
      }
      if (touchesOwn && touchesOther) expected.result = false;
      if (!touchesOwn || touchesOther) continue;
      for (const auto& [regionColumn, regionRow] : region)
        expected.marks[regionColumn][regionRow] = colour;
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

}  // namespace
