// The judgement of finished games on worked positions. Each is the same finished game with one
// thing changed: Black owns the left ten columns (stones on every other column, the columns
// between them its territory), White the right nine, and they meet between columns J and K.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <set>
#include <string>

#include "engine/board.h"
#include "scoring/judgement.h"
#include "scoring/komi.h"
#include "scoring/shape_patterns.h"
#include "tests/support/diagram.h"

namespace {

constexpr char FinishedRow[] = ".X.X.X.X.XO.O.O.O.O";

struct Position {
  const char* name;
  std::map<int32_t, const char*> rows;  // By row from the top, what replaces FinishedRow there.
  std::set<std::string> dead;           // Stones judged dead, as "column,row".
  std::set<std::string> seki;           // Stones judged in seki.
  int32_t blackArea;
  int32_t whiteArea;
  bool decided;
};

const Position Positions[] = {
    {"plain finished game", {}, {}, {}, 190, 171, true},
    // Two lone stones and a group of three inside Black's territory: their points are Black's.
    {"dead stones in territory",
     {{5, "OX.X.X.X.XO.O.O.O.O"},
      {7, ".XOX.X.X.XO.O.O.O.O"},
      {8, ".XOX.X.X.XO.O.O.O.O"},
      {9, ".XOX.X.X.XO.O.O.O.O"},
      {12, ".X.XOX.X.XO.O.O.O.O"}},
     {"0,5", "2,7", "2,8", "2,9", "4,12"},
     {},
     190,
     171,
     true},
    // White's group has a real eye at C4 and a false one at D2, whose stone on D1 Black can take:
    // one eye is none.
    {"one eye and a false eye",
     {{13, "XXXXXXXXXXO.O.O.O.O"},
      {14, "XXOOOOX..XO.O.O.O.O"},
      {15, "XO.OOOX..XO.O.O.O.O"},
      {16, "XOOOOOX..XO.O.O.O.O"},
      {17, "XXO.OXX..XO.O.O.O.O"},
      {18, "XXXOXXX..XO.O.O.O.O"}},
     {"2,14", "3,14", "4,14", "5,14", "1,15", "3,15", "4,15", "5,15", "1,16", "2,16", "3,16",
      "4,16", "5,16", "2,17", "4,17", "3,18"},
     {},
     190,
     171,
     true},
    // Black's B19-C17 and White's A18-B17 share A19 and B18, and whoever fills one is taken.
    {"seki in the corner",
     {{0, ".XXO......O.O.O.O.O"},
      {1, "O.XO......O.O.O.O.O"},
      {2, "OOXOOOOOOOO.O.O.O.O"},
      {3, "XXOOXXXXXXO.O.O.O.O"},
      {4, ".XXX.X.X.XO.O.O.O.O"}},
     {},
     {"1,0", "2,0", "2,1", "2,2", "0,1", "0,2", "1,2"},
     162,
     197,
     true},
    // Black's C18-F19 and White's A18-B19 each have one eye, E19 and A19, and share C19: whoever
    // fills it is taken. The eyes of a seki count for nobody.
    {"seki with an eye on each side",
     {{0, ".O.X.XO...O.O.O.O.O"},
      {1, "OOXXXXO...O.O.O.O.O"},
      {2, "XXOOOOOOOOO.O.O.O.O"},
      {3, "XXXXXXXXXXO.O.O.O.O"}},
     {},
     {"1,0", "0,1", "1,1", "3,0", "5,0", "2,1", "3,1", "4,1", "5,1"},
     168,
     190,
     true},
    // K1 is left open between the two areas: it is a dame point, and Black's J column beside it is
    // still Black's.
    {"a dame point", {{18, ".X.X.X.X..O.O.O.O.O"}}, {}, {}, 189, 171, false},
};

// The finished game with the position's rows put in, placed on board.
void Place(Zere19r19& board, const Position& position) {
  std::string text;
  for (int32_t row = 0; row < BoardLines; ++row) {
    const auto changed = position.rows.find(row);
    text += changed != position.rows.end() ? changed->second : FinishedRow;
    text += '/';
  }
  PlaceDiagram(board, {text.c_str()});
}

std::set<std::string> PointsWith(const Judgement& judgement, StoneStatus status) {
  std::set<std::string> points;
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      if (judgement.status[column][row] == status)
        points.insert(std::to_string(column) + "," + std::to_string(row));
    }
  }
  return points;
}

TEST(Judgement, WorkedPositions) {
  for (const Position& position : Positions) {
    Zere19r19 board;
    Place(board, position);
    const Judgement judgement = JudgePosition(board);
    EXPECT_EQ(PointsWith(judgement, StoneStatus::Dead), position.dead) << position.name;
    EXPECT_EQ(PointsWith(judgement, StoneStatus::Seki), position.seki) << position.name;
    EXPECT_EQ(judgement.blackArea, position.blackArea) << position.name;
    EXPECT_EQ(judgement.whiteArea, position.whiteArea) << position.name;
    EXPECT_EQ(judgement.Decided(), position.decided) << position.name;
  }
}

// A finished game on 9 x 9: Black owns the four columns on the left, White the five on the right,
// and White's stone at A9, in Black's area, is dead.
TEST(Judgement, SmallBoard) {
  Zere19r19 board;
  board.Reset(9);
  constexpr const char* Row = ".X.XO.O.O";
  PlaceDiagram(board, {"OX.XO.O.O", Row, Row, Row, Row, Row, Row, Row, Row});
  const Judgement judgement = JudgePosition(board);
  EXPECT_EQ(PointsWith(judgement, StoneStatus::Dead), (std::set<std::string>{"0,0"}));
  EXPECT_EQ(judgement.blackArea, 4 * 9);
  EXPECT_EQ(judgement.whiteArea, 5 * 9);
  EXPECT_TRUE(judgement.Decided());
}

// Random play takes a lone stone in the corner more often than not, yet on an otherwise empty board
// no stone is left that could take it: it lives, and the whole board is its colour's.
TEST(Judgement, LoneStoneOwnsTheBoard) {
  Zere19r19 board;
  PlaceDiagram(board, {"X"});
  const Judgement judgement = JudgePosition(board);
  EXPECT_EQ(judgement.status[0][0], StoneStatus::Alive);
  EXPECT_EQ(judgement.blackArea, board.BoardSize() * board.BoardSize());
  EXPECT_TRUE(judgement.Decided());
}

// A group turned alive again leaves its column to nobody; turned dead once more, all is as judged.
TEST(Judgement, ToggledGroupChangesTheArea) {
  Zere19r19 board;
  Place(board, Positions[1]);
  Judgement judgement = JudgePosition(board);
  ToggleGroup(judgement, board, 2, 8);
  EXPECT_EQ(judgement.status[2][7], StoneStatus::Alive);
  EXPECT_EQ(judgement.blackArea, 190 - 19);
  EXPECT_EQ(judgement.whiteArea, 171 + 3);
  EXPECT_FALSE(judgement.Decided());
  ToggleGroup(judgement, board, 2, 9);
  EXPECT_EQ(judgement.blackArea, 190);
  EXPECT_EQ(judgement.status[2][7], StoneStatus::Dead);
}

TEST(Judgement, ResultsAsWritten) {
  const std::pair<double, const char*> results[] = {
      {190 - 171 - EvenGameKomi, "B+11.5"}, {171 - 190 - HandicapKomi, "W+19.5"}, {0, "0"}};
  for (const auto& [margin, text] : results)
    EXPECT_EQ(ScoreText(margin), text);
  EXPECT_TRUE(UsableKomi(-1000) && UsableKomi(0.5));
  EXPECT_FALSE(UsableKomi(1000.5) || UsableKomi(1e300));
}

}  // namespace

// The playouts' good shapes around the point (column 2, row 2), in any turn, mirror image and
// colours.
TEST(ShapePatterns, Matches) {
  const struct {
    const char* name;
    std::initializer_list<const char*> rows;
    bool matches;
  } Cases[] = {
      {"enclosing hane", {"....", ".XOX", "....", "...."}, true},
      {"hane turned, colours swapped", {"....", ".O..", ".X..", ".O.."}, true},
      {"cut of a peep", {"....", ".XO.", ".O.X", "...."}, true},
      {"empty surroundings", {"....", "....", "....", "...."}, false},
      {"own stones only", {"....", ".XXX", "....", "...."}, false},
  };
  for (const auto& test : Cases) {
    Zere19r19 board;
    PlaceDiagram(board, test.rows);
    EXPECT_EQ(MatchesShape(board, 2, 2), test.matches) << test.name;
  }
}
