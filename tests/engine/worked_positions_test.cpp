// Hand-made positions where the rules bite, one row each, and what the board view is asked to
// draw. Points are (column, row); diagrams show the top-left corner, rows split by '/'.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "tests/engine/observed_state.h"
#include "tests/support/diagram.h"

namespace {

struct WorkedCase {
  const char* name;
  const char* diagram;
  const char* plays;      // "X0,1 O-": Black at (0, 1), a White pass. The last play is the case.
  int32_t captured;       // Stones the last play captures; -1 when it is refused.
  int32_t lastDirection;  // Direction of its lastCaptured, -1 for none.
  const char* after;      // The corner after a legal last play.
  const char* liberties;  // "1,0=3": the group at (1, 0) has 3 liberties afterwards.
  int32_t lines = BoardLines;  // The board's size.
};

constexpr const char* KoShape = ".XO./X.XO/.XO.";

constexpr WorkedCase Cases[] = {
    {"corner capture", "OX", "X0,1", 1, 3, ".X/X.", "0,1=3 1,0=3"},
    {"retaking the corner is suicide", "OX", "X0,1 O0,0", -1, -1, "", "0,1=3"},
    {"edge capture", "XOX", "X1,1", 1, 3, "X.X/.X.", "1,1=4 0,0=2"},
    {"one stone captures two groups", "XXXXX/OO.OX/XXXX.", "X2,1", 3, 2, "XXXXX/..X.X/XXXX.",
     "2,1=10"},
    {"an enemy group touched twice loses one liberty", ".OO/..O", "X1,1", 0, -1, ".OO/.XO",
     "2,0=4 1,1=2"},
    {"four groups joined, shared liberties counted once", ".X./X.X/.X.", "X1,1", 0, -1,
     ".X./XXX/.X.", "1,1=6"},
    {"joining two groups into no liberty is suicide", "X.XO/OOO.", "X1,0", -1, -1, "",
     "0,0=1 2,0=1 1,1=5"},
    {"a lone stone among enemy stones is suicide", ".O./O.O/.O.", "X1,1", -1, -1, "",
     "1,0=3 0,1=3"},
    {"an occupied point is refused", "X", "O0,0", -1, -1, "", "0,0=2"},
    {"ko taken", KoShape, "O1,1", 1, 0, ".XO./XO.O/.XO.", "1,1=1"},
    {"ko retaken at once is refused", KoShape, "O1,1 X2,1", -1, -1, "", ""},
    {"ko retaken after other moves", KoShape, "O1,1 X9,9 O9,10 X2,1", 1, 2, ".XO./X.XO/.XO.",
     "2,1=1"},
    {"ko retaken after a pass", KoShape, "O1,1 X- X2,1", 1, 2, ".XO./X.XO/.XO.", "2,1=1"},
    {"two-stone group captured from the corner", ".OOX/OXX.", "X0,0", 2, 0, "X..X/OXX.",
     "0,0=1 0,1=1 1,1=5 3,0=3"},
    {"snapback", ".OOX/OXX.", "X0,0 O1,0", 1, 2, ".O.X/OXX.", "1,0=2"},
    // The far edges of a small board, where a large board would have more points.
    {"capture in the far corner of 9 x 9", "", "O8,8 X8,7 X7,8", 1, 0, "", "8,7=3 7,8=3", 9},
    {"suicide on the far edge of 9 x 9", "", "O8,3 O7,4 O8,5 X8,4", -1, -1, "", "8,3=3", 9},
    {"2 x 2: two stones captured", "XX/O.", "O1,1", 2, 3, "../OO", "1,1=2", 2},
    {"2 x 2: suicide between two stones", "X./.X", "O1,0", -1, -1, "", "0,0=2", 2},
};

// Plays "X3,4" (a committed move), "O-" (a pass), "?X3,4" (IsLegal), "U" or "u" (TakeBack with
// or without redraw); false when the move is refused.
bool Apply(Zere19r19& board, const std::string& play) {
  if (play[0] == 'U' || play[0] == 'u') {
    board.TakeBack(play[0] == 'U');
    return true;
  }
  const bool trial = play[0] == '?';
  const int32_t colour = play[trial] == 'X' ? Black : White;
  int column = 0, row = 0;
  if (std::sscanf(play.c_str() + trial + 1, "%d,%d", &column, &row) != 2) {
    board.Pass(colour);
    return true;
  }
  return trial ? board.IsLegal(column, row, colour) : board.TryMove(column, row, colour, true);
}

TEST(WorkedPositions, EachRowPlaysOutAsTheRulesSay) {
  for (const WorkedCase& c : Cases) {
    SCOPED_TRACE(c.name);
    Zere19r19 board;
    board.Reset(c.lines);
    PlaceDiagram(board, {c.diagram});
    std::istringstream playText(c.plays);
    const std::vector<std::string> plays{std::istream_iterator<std::string>(playText), {}};
    for (size_t i = 0; i + 1 < plays.size(); ++i)
      ASSERT_TRUE(Apply(board, plays[i])) << plays[i];
    const std::string before = ObservedState(board);
    ASSERT_EQ(Apply(board, plays.back()), c.captured >= 0);
    EXPECT_EQ(board.CheckConsistency(), "");
    std::istringstream liberties(c.liberties);
    int column = 0, row = 0, count = 0;
    char comma = 0, equals = 0;
    while (liberties >> column >> comma >> row >> equals >> count)
      EXPECT_EQ(board.points[column][row].stone->group->liberties, count) << column << ',' << row;
    if (c.captured >= 0) {
      const std::string shown = Diagram(board);
      std::istringstream after(c.after);
      std::string line;
      for (size_t y = 0; std::getline(after, line, '/'); ++y)
        EXPECT_EQ(shown.substr(y * (c.lines + 1), line.size()), line) << shown;
      const Zere19r19::gomove& move = *board.Newest();
      EXPECT_EQ(move.capturedStones, c.captured);
      EXPECT_EQ(move.lastCaptured, c.lastDirection < 0 ? nullptr : move.captured[c.lastDirection]);
      board.TakeBack(true);  // Refused or taken back, the board must be as it was.
    }
    EXPECT_EQ(ObservedState(board), before);
    EXPECT_EQ(board.CheckConsistency(), "");
  }
}

// Writes down the calls a real view draws something for ("X3,4*9": a Black stone with the
// last-move mark, drawn when the history holds 9 records; "-3,4": an erased point). A real view
// ignores a pass record's negative coordinates, so those calls are left out.
class RecordingView final : public BoardView {
 public:
  void DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                 int32_t colour) override {
    if (column < 0) return;
    calls_ += (colour == Black ? " X" : " O") + std::to_string(column) + ',' + std::to_string(row);
    if (marked) calls_ += "*" + std::to_string(board.moveCount);
  }
  void ErasePoint(const Zere19r19&, int32_t column, int32_t row) override {
    if (column >= 0) calls_ += " -" + std::to_string(column) + ',' + std::to_string(row);
  }
  std::string Take() { return std::exchange(calls_, ""); }

 private:
  std::string calls_;
};

// Sets up a diagram, then plays each step "play:calls" and expects those calls.
void ExpectCalls(const char* diagram, std::vector<std::string> steps) {
  RecordingView view;
  Zere19r19 board(&view);
  PlaceDiagram(board, {diagram});
  EXPECT_EQ(view.Take(), "");
  for (const std::string& step : steps) {
    Apply(board, step.substr(0, step.find(':')));
    EXPECT_EQ(view.Take(), step.substr(step.find(':') + 1)) << step;
  }
}

TEST(BoardViewCalls, KoFightPassesAndTakeBacks) {
  // Seven records set up, the last White at (2, 2). Refused and trial moves draw nothing.
  ExpectCalls(KoShape, {"O1,0:", "O0,0:", "?O1,1:", "O1,1: O1,1*8 -2,1", "X2,1:", "X-: O1,1",
                        "O-:", "U:", "U: O1,1*8", "U: X2,1 -1,1 O2,2*7", "u:"});
}

TEST(BoardViewCalls, CapturesAreErasedAndRedrawnInDirectionOrder) {
  ExpectCalls(".X.X./XO.OX/.X.X.", {"X2,1: X2,1*9 -3,1 -1,1", "U: O3,1 O1,1 -2,1 X3,2*8"});
}

}  // namespace
