// The area count on worked positions, and against a plain flood fill on positions of seeded games.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "player/computer_player.h"
#include "scoring/territory.h"
#include "tests/support/diagram.h"

namespace {

struct Outcome {
  int32_t count = 0;
  bool settled = true;
  std::array<std::array<int32_t, BoardLines>, BoardLines> marks{};
  bool operator==(const Outcome&) const = default;
};

// The rule, region by region: an empty region is colour's when it touches a stone of colour and
// none of the other colour; the count is unsettled when a region touches both.
Outcome FloodFill(const Zere19r19& board, int32_t colour) {
  Outcome expected;
  std::array<std::array<bool, BoardLines>, BoardLines> seen{};
  const int32_t lines = board.BoardSize();
  for (int32_t c = 0; c < lines; ++c) {
    for (int32_t r = 0; r < lines; ++r) {
      if (seen[c][r] || board.points[c][r].colour != Empty) continue;
      std::vector<std::pair<int32_t, int32_t>> region{{c, r}};
      seen[c][r] = true;
      bool own = false, foreign = false;
      for (size_t i = 0; i < region.size(); ++i) {
        const auto [pc, pr] = region[i];
        for (const auto& [nc, nr] :
             {std::pair{pc + 1, pr}, {pc, pr + 1}, {pc - 1, pr}, {pc, pr - 1}}) {
          if (nc < 0 || nr < 0 || nc >= lines || nr >= lines) continue;
          const int32_t neighbour = board.points[nc][nr].colour;
          own = own || neighbour == colour;
          foreign = foreign || neighbour == -colour;
          if (neighbour == Empty && !seen[nc][nr]) {
            seen[nc][nr] = true;
            region.emplace_back(nc, nr);
          }
        }
      }
      expected.settled = expected.settled && !(own && foreign);
      if (!own || foreign) continue;
      expected.count += static_cast<int32_t>(region.size());
      for (const auto& [pc, pr] : region)
        expected.marks[pc][pr] = colour;
    }
  }
  return expected;
}

// Counts the other colour first, so that the marks left must be colour's alone.
Outcome Count(Zere19r19& board, int32_t colour) {
  CountTerritory(board, -colour);
  Outcome outcome;
  outcome.settled = CountTerritory(board, colour);
  outcome.count = board.Record(colour).territoryCount;
  for (int32_t p = 0; p < BoardLines * BoardLines; ++p)
    outcome.marks[p / BoardLines][p % BoardLines] =
        board.points[p / BoardLines][p % BoardLines].territoryMark;
  return outcome;
}

struct Row {
  const char* name;
  std::initializer_list<const char*> diagram;
  int32_t colour;
  int32_t count;
  bool settled;
};

// Black closes the corner (0, 0)-(1, 0), the corner (18, 0), the edge points (0, 5), (0, 6) and
// the point (10, 3); the rest of the board also touches White's stone at (15, 5).
constexpr std::initializer_list<const char*> Closed{
    "..X..............X.", "XXX...............X", "..........X", ".........X.X",
    "X.........X",         ".X.............O",    ".X",          "X"};
// A White stone inside Black's wall: the region inside is neutral, the outside is Black's.
constexpr std::initializer_list<const char*> Invaded{".....X", "..O..X", ".....X", "XXXXXX"};

constexpr Row Regions[] = {
    {"EmptyBoardBlack", {}, Black, 0, true},
    {"EmptyBoardWhite", {}, White, 0, true},
    {"OneStoneOwnsTheBoard", {"X"}, Black, 360, true},
    {"NoStonesNoClaimButSettled", {"X"}, White, 0, true},
    {"OneStoneEachIsNeutral", {"", "", "X.....O"}, Black, 0, false},
    {"RegionsClosedByStonesAndEdge", Closed, Black, 6, false},
    {"EnemyStoneInsideMakesItNeutral", Invaded, Black, 361 - 9 - 15, false},
    {"EnemyStoneInsideClaimsNothing", Invaded, White, 0, false},
};

TEST(WorkedRegions, Count) {
  for (const Row& row : Regions) {
    SCOPED_TRACE(row.name);
    Zere19r19 board;
    PlaceDiagram(board, row.diagram);
    const Outcome outcome = Count(board, row.colour);
    EXPECT_EQ(outcome.count, row.count);
    EXPECT_EQ(outcome.settled, row.settled);
    EXPECT_TRUE(outcome == FloodFill(board, row.colour)) << Diagram(board);
  }
}

// Every position of a few seeded games of the computer against itself on boards of 19 down to 5
// lines, both colours.
TEST(AreaCount, AgreesWithAPlainFloodFillOnPositionsOfSeededGames) {
  int32_t unsettled = 0;
  for (uint32_t seed = 1; seed <= 8; ++seed) {
    SeedRandom(seed);
    Zere19r19 board;
    board.Reset(std::array{BoardLines, 13, 9, 5}[seed % 4]);
    for (int32_t colour = Black; board.moveCount < 600; colour = -colour) {
      ComputerMove(board, colour);
      for (const int32_t counted : {Black, White}) {
        const Outcome expected = FloodFill(board, counted);
        ASSERT_TRUE(Count(board, counted) == expected) << "seed " << seed << "\n" << Diagram(board);
        unsettled += expected.settled ? 0 : 1;
      }
    }
  }
  EXPECT_GT(unsettled, 100);
}

}  // namespace
