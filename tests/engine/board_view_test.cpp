// What the engine asks its board view to draw: committed moves, captures, passes and take-backs
// with redraw, in order; nothing at all for trials, refusals and take-backs without redraw.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "tests/support/diagram.h"

namespace {

using Calls = std::vector<std::string>;

// Writes down every call a real view would draw something for. A real view ignores negative
// coordinates (a pass record's), so such calls are left out.
class RecordingView final : public BoardView {
 public:
  void DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                 int32_t colour) override {
    if (column < 0 || row < 0) return;
    if (onDraw) onDraw(board);
    calls.push_back(std::string(marked ? "marked " : "plain ") + (colour == Black ? "X" : "O") +
                    At(column, row));
  }

  void ErasePoint(const Zere19r19&, int32_t column, int32_t row) override {
    if (column < 0 || row < 0) return;
    calls.push_back("erase" + At(column, row));
  }

  // Hands over what was recorded since the last call.
  Calls Take() { return std::exchange(calls, {}); }

  Calls calls;
  std::function<void(const Zere19r19&)> onDraw;  // Looks at the model as DrawStone sees it.

 private:
  static std::string At(int32_t column, int32_t row) {
    return " " + std::to_string(column) + "," + std::to_string(row);
  }
};

class BoardViewCalls : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(board.CheckConsistency(), ""); }

  // Sets up a position with trial moves, which draw nothing.
  void Setup(std::initializer_list<const char*> rows) {
    PlaceDiagram(board, rows);
    EXPECT_EQ(view.Take(), Calls{});
  }

  RecordingView view;
  Zere19r19 board{&view};
};

TEST_F(BoardViewCalls, CommittedMoveDrawsItsStoneMarked) {
  ASSERT_TRUE(board.TryMove(3, 4, Black, true));
  EXPECT_EQ(view.Take(), (Calls{"marked X 3,4"}));
  ASSERT_TRUE(board.TryMove(5, 6, White, true));
  EXPECT_EQ(view.Take(), (Calls{"marked O 5,6"}));
}

TEST_F(BoardViewCalls, CaptureDrawsTheStoneThenErasesCapturedStonesByDirection) {
  Setup({
      "X X X X X",
      "O O . O X",
      "X X X X .",
  });
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));
  const Calls calls = view.Take();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0], "marked X 2,1");
  EXPECT_EQ(calls[1], "erase 3,1");  // Direction 0 first.
  // The two stones of direction 2 in ring order, which starts at the group's entry stone.
  EXPECT_TRUE((Calls{calls[2], calls[3]} == Calls{"erase 0,1", "erase 1,1"} ||
               Calls{calls[2], calls[3]} == Calls{"erase 1,1", "erase 0,1"}))
      << calls[2] << "; " << calls[3];
}

TEST_F(BoardViewCalls, CapturedStonesAreEmptyInTheModelWhenTheCapturingStoneIsDrawn) {
  Setup({
      ". X O .",
      "X . . O",
      ". X O .",
  });
  ASSERT_TRUE(board.TryMove(2, 1, Black, true));  // The previous move, about to be captured.
  view.Take();
  int32_t seen = -2;
  view.onDraw = [&seen](const Zere19r19& b) { seen = b.points[2][1].colour; };
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  EXPECT_EQ(seen, Empty);  // So the view erases it instead of redrawing it unmarked.
  EXPECT_EQ(view.Take(), (Calls{"marked O 1,1", "erase 2,1"}));
}

TEST_F(BoardViewCalls, TrialMovesDrawNothing) {
  Setup({"O X"});
  ASSERT_TRUE(board.TryMove(0, 1, Black, false));  // Captures.
  board.TakeBack(false);
  ASSERT_TRUE(board.TryMove(9, 9, White, false));
  board.TakeBack(false);
  EXPECT_EQ(view.Take(), Calls{});
}

TEST_F(BoardViewCalls, RefusedMovesDrawNothing) {
  Setup({
      ". X O .",
      "X . X O",
      ". X O .",
  });
  EXPECT_FALSE(board.TryMove(1, 0, White, true));  // Occupied.
  EXPECT_FALSE(board.TryMove(0, 0, White, true));  // Suicide.
  ASSERT_TRUE(board.TryMove(1, 1, White, true));
  view.Take();
  EXPECT_FALSE(board.TryMove(2, 1, Black, true));  // Ko.
  EXPECT_EQ(view.Take(), Calls{});
}

TEST_F(BoardViewCalls, PassRedrawsThePreviousStoneWithoutItsMark) {
  ASSERT_TRUE(board.TryMove(3, 3, Black, true));
  view.Take();
  board.Pass(White);
  EXPECT_EQ(view.Take(), (Calls{"plain X 3,3"}));
  board.Pass(Black);  // The record below is a pass: nothing to unmark.
  EXPECT_EQ(view.Take(), Calls{});
}

TEST_F(BoardViewCalls, PassAsTheFirstRecordDrawsNothing) {
  board.Pass(Black);
  EXPECT_EQ(view.Take(), Calls{});
}

TEST_F(BoardViewCalls, TakeBackRedrawsCapturedStonesErasesTheMoveAndMarksTheOneBelow) {
  Setup({"O X"});
  ASSERT_TRUE(board.TryMove(5, 5, White, true));
  ASSERT_TRUE(board.TryMove(0, 1, Black, true));
  view.Take();
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), (Calls{"plain O 0,0", "erase 0,1", "marked O 5,5"}));
}

TEST_F(BoardViewCalls, TakeBackOfAPassMarksTheStoneBeforeIt) {
  ASSERT_TRUE(board.TryMove(3, 3, Black, true));
  board.Pass(White);
  view.Take();
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), (Calls{"marked X 3,3"}));
}

TEST_F(BoardViewCalls, TakeBackToAPassOrToNothingDrawsOnlyTheErasure) {
  board.Pass(White);
  ASSERT_TRUE(board.TryMove(3, 3, Black, true));
  view.Take();
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), (Calls{"erase 3,3"}));
  board.TakeBack(true);
  EXPECT_EQ(view.Take(), Calls{});
  board.TakeBack(true);  // Empty history.
  EXPECT_EQ(view.Take(), Calls{});
}

TEST_F(BoardViewCalls, TakeBackWithoutRedrawDrawsNothing) {
  Setup({"O X"});
  ASSERT_TRUE(board.TryMove(0, 1, Black, true));
  board.Pass(White);
  view.Take();
  board.TakeBack(false);
  board.TakeBack(false);
  EXPECT_EQ(view.Take(), Calls{});
}

}  // namespace
