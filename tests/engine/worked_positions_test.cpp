// Hand-made positions where the rules bite, one row each, and what the board view is asked to
// draw. Points are (column, row); the diagrams show the top-left corner, row 0 on top, 'X' Black,
// 'O' White. Their stones are set up with trial moves, one history record each.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "tests/engine/observed_state.h"

namespace {

struct Play {
  int32_t colour;
  int32_t column;  // -1: a pass.
  int32_t row;
};

struct WorkedCase {
  const char* name;
  std::vector<const char*> diagram;
  std::vector<Play> plays;  // Every play but the last must be legal; the last is the case.
  bool legal;
  int32_t capturedStones;          // By the last play.
  int32_t lastDirection;           // Where its lastCaptured was taken, -1 for nothing.
  std::vector<const char*> after;  // The corner afterwards; empty: unchanged.
  std::vector<std::array<int32_t, 3>> liberties;  // Column, row, liberties of the group there.
};

const std::vector<const char*> kKo = {".XO.", "X.XO", ".XO."};
constexpr Play kTakeKo{White, 1, 1};

const WorkedCase kCases[] = {
    {"corner capture", {"OX"}, {{Black, 0, 1}}, true, 1, 3, {".X", "X."}, {{0, 1, 3}, {1, 0, 3}}},
    {"retaking the corner is suicide",
     {"OX"},
     {{Black, 0, 1}, {White, 0, 0}},
     false,
     0,
     -1,
     {},
     {{0, 1, 3}}},
    {"edge capture", {"XOX"}, {{Black, 1, 1}}, true, 1, 3, {"X.X", ".X."}, {{1, 1, 4}, {0, 0, 2}}},
    {"one stone captures two groups",
     {"XXXXX", "OO.OX", "XXXX."},
     {{Black, 2, 1}},
     true,
     3,
     2,
     {"XXXXX", "..X.X", "XXXX."},
     {{2, 1, 10}}},
    {"an enemy group touched twice loses one liberty",
     {".OO", "..O"},
     {{Black, 1, 1}},
     true,
     0,
     -1,
     {".OO", ".XO"},
     {{2, 0, 4}, {1, 1, 2}}},
    {"four groups joined, shared liberties counted once",
     {".X.", "X.X", ".X."},
     {{Black, 1, 1}},
     true,
     0,
     -1,
     {".X.", "XXX", ".X."},
     {{1, 1, 6}}},
    {"joining two groups into no liberty is suicide",
     {"X.XO", "OOO."},
     {{Black, 1, 0}},
     false,
     0,
     -1,
     {},
     {{0, 0, 1}, {2, 0, 1}, {1, 1, 5}}},
    {"a lone stone among enemy stones is suicide",
     {".O.", "O.O", ".O."},
     {{Black, 1, 1}},
     false,
     0,
     -1,
     {},
     {{1, 0, 3}, {0, 1, 3}}},
    {"an occupied point is refused", {"X"}, {{White, 0, 0}}, false, 0, -1, {}, {{0, 0, 2}}},
    {"ko taken", kKo, {kTakeKo}, true, 1, 0, {".XO.", "XO.O", ".XO."}, {{1, 1, 1}}},
    {"ko retaken at once is refused", kKo, {kTakeKo, {Black, 2, 1}}, false, 0, -1, {}, {}},
    {"ko retaken after other moves",
     kKo,
     {kTakeKo, {Black, 9, 9}, {White, 9, 10}, {Black, 2, 1}},
     true,
     1,
     2,
     {".XO.", "X.XO", ".XO."},
     {{2, 1, 1}}},
    {"ko retaken after a pass",
     kKo,
     {kTakeKo, {Black, -1, -1}, {Black, 2, 1}},
     true,
     1,
     2,
     {".XO.", "X.XO", ".XO."},
     {{2, 1, 1}}},
    {"two-stone edge group captured from the corner",
     {".OOX", "OXX."},
     {{Black, 0, 0}},
     true,
     2,
     0,
     {"X..X", "OXX."},
     {{0, 0, 1}, {0, 1, 1}, {1, 1, 5}, {3, 0, 3}}},
    {"snapback: one stone retaken after a two-stone capture",
     {".OOX", "OXX."},
     {{Black, 0, 0}, {White, 1, 0}},
     true,
     1,
     2,
     {".O.X", "OXX."},
     {{1, 0, 2}}},
};

// Sets up a diagram with trial moves, row by row from the top, each row from the left.
void Place(Zere19r19& board, const std::vector<const char*>& rows) {
  for (int32_t r = 0; r < static_cast<int32_t>(rows.size()); ++r) {
    for (int32_t c = 0; rows[r][c] != '\0'; ++c) {
      if (rows[r][c] == '.') continue;
      ASSERT_TRUE(board.TryMove(c, r, rows[r][c] == 'X' ? Black : White, false));
    }
  }
}

bool Apply(Zere19r19& board, const Play& play) {
  if (play.column >= 0) return board.TryMove(play.column, play.row, play.colour, true);
  board.Pass(play.colour);
  return true;
}

// The rows of the top-left corner the size of expected, joined by '/'.
std::string Corner(const Zere19r19& board, const std::vector<const char*>& expected) {
  std::string text;
  for (int32_t r = 0; r < static_cast<int32_t>(expected.size()); ++r) {
    for (int32_t c = 0; expected[r][c] != '\0'; ++c)
      text += "O.X"[board.ColourAt(c, r) + 1];
    text += '/';
  }
  return text;
}

std::string Joined(const std::vector<const char*>& rows) {
  std::string text;
  for (const char* row : rows)
    text += std::string(row) + '/';
  return text;
}

TEST(WorkedPositions, EachRowPlaysOutAsTheRulesSay) {
  for (const WorkedCase& c : kCases) {
    SCOPED_TRACE(c.name);
    Zere19r19 board;
    Place(board, c.diagram);
    for (size_t i = 0; i + 1 < c.plays.size(); ++i)
      ASSERT_TRUE(Apply(board, c.plays[i])) << "play " << i;
    const std::string before = ObservedState(board);
    EXPECT_EQ(Apply(board, c.plays.back()), c.legal);
    EXPECT_EQ(board.CheckConsistency(), "");
    if (!c.after.empty()) {
      EXPECT_EQ(Corner(board, c.after), Joined(c.after));
    }
    for (const auto& [column, row, liberties] : c.liberties)
      EXPECT_EQ(board.points[column][row].stone->group->liberties, liberties)
          << column << ',' << row;
    if (!c.legal) {
      EXPECT_EQ(ObservedState(board), before);
      continue;
    }
    const Zere19r19::gomove& move = *board.Newest();
    EXPECT_EQ(move.capturedStones, c.capturedStones);
    EXPECT_EQ(move.lastCaptured, c.lastDirection < 0 ? nullptr : move.captured[c.lastDirection]);
    board.TakeBack(true);
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
    calls_ += std::string(colour == Black ? " X" : " O") + At(column, row);
    if (marked) calls_ += "*" + std::to_string(board.moveCount);
  }
  void ErasePoint(const Zere19r19&, int32_t column, int32_t row) override {
    if (column >= 0) calls_ += " -" + At(column, row);
  }
  std::string Take() { return std::exchange(calls_, ""); }

 private:
  static std::string At(int32_t column, int32_t row) {
    return std::to_string(column) + ',' + std::to_string(row);
  }
  std::string calls_;
};

TEST(BoardViewCalls, KoFightPassesAndTakeBacks) {
  RecordingView view;
  Zere19r19 board(&view);
  Place(board, kKo);  // Seven records, the last White (2, 2).
  EXPECT_FALSE(board.TryMove(1, 0, White, true));
  EXPECT_FALSE(board.TryMove(0, 0, White, true));
  EXPECT_TRUE(board.IsLegal(1, 1, White));
  EXPECT_EQ(view.Take(), "");
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  EXPECT_EQ(view.Take(), " O1,1*8 -2,1");
  EXPECT_FALSE(board.TryMove(2, 1, Black, true));
  EXPECT_EQ(view.Take(), "");
  board.Pass(Black);
  EXPECT_EQ(view.Take(), " O1,1");
  board.Pass(White);
  EXPECT_EQ(view.Take(), "");
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), "");
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), " O1,1*8");
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), " X2,1 -1,1 O2,2*7");
  board.TakeBack(false);
  EXPECT_EQ(view.Take(), "");
}

TEST(BoardViewCalls, CapturesAreErasedAndRedrawnInDirectionOrder) {
  RecordingView view;
  Zere19r19 board(&view);
  Place(board, {".X.X.", "XO.OX", ".X.X."});  // Eight records, the last Black (3, 2).
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));
  EXPECT_EQ(view.Take(), " X2,1*9 -3,1 -1,1");
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), " O3,1 O1,1 -2,1 X3,2*8");
}

}  // namespace
