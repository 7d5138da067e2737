// Exact take-back over seeded random games: every record taken back, every refused move and every
// trial move must leave the board as the snapshot taken before it, and the games must prove that
// they reached the rare cases (kos, suicides, snapbacks, multi-stone captures).
#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "tests/engine/board_snapshot.h"
#include "tests/engine/random_play.h"
#include "tests/support/diagram.h"

namespace {

constexpr int kGames = 100;
constexpr int kStepsPerGame = 400;

// What a random move met, counted over all games.
struct Reached {
  int legalMoves = 0;
  int occupied = 0;
  int kos = 0;
  int singleSuicides = 0;
  int multiStoneSuicides = 0;
  int captures = 0;
  int multiStoneCaptures = 0;
  int twoGroupCaptures = 0;
  int snapbacks = 0;
  int multiJoins = 0;
  int passes = 0;
  int takeBacks = 0;
  int trials = 0;
};

int CountNonZero(const int32_t (&values)[4]) {
  int count = 0;
  for (int32_t v : values)
    count += v != 0 ? 1 : 0;
  return count;
}

int CountNonNull(StoneGroup* const (&groups)[4]) {
  int count = 0;
  for (const StoneGroup* g : groups)
    count += g != nullptr ? 1 : 0;
  return count;
}

void CountLegalMove(const Zere19r19& board, Reached& reached) {
  const Zere19r19::gomove& move = *board.Newest();
  ++reached.legalMoves;
  if (move.capturedStones > 0) ++reached.captures;
  if (move.capturedStones > 1) ++reached.multiStoneCaptures;
  if (CountNonNull(move.captured) > 1) ++reached.twoGroupCaptures;
  if (CountNonZero(move.joinedStones) > 1) ++reached.multiJoins;
  const Zere19r19::gomove* before = move.prev;
  if (move.capturedStones == 1 && before != nullptr && before->capturedStones > 1 &&
      move.lastCaptured->firstStone->column == before->column &&
      move.lastCaptured->firstStone->row == before->row) {
    ++reached.snapbacks;
  }
}

// A refused move at an empty point is a ko exactly when it would have captured; captures are
// never suicide.
void CountRefusal(const Zere19r19& board, const CaptureShape& shape, Reached& reached) {
  if (shape.capturedStones > 0) {
    ++reached.kos;
    EXPECT_EQ(shape.capturedStones, 1) << "a refused capture took more than one stone";
    ASSERT_NE(board.Newest(), nullptr);
    EXPECT_EQ(board.Newest()->capturedStones, 1) << "ko refused after a record without one capture";
  } else if (shape.ownSides > 0) {
    ++reached.multiStoneSuicides;
  } else {
    ++reached.singleSuicides;
  }
}

class RandomGame {
 public:
  RandomGame(uint32_t seed, Reached& reached) : play_(seed), reached_(reached) {
    area_ = play_.ChooseArea();
  }

  // One random step: a move (often refused), a trial, a pass or a take-back.
  void Step() {
    const uint32_t roll = play_.Below(100);
    if (roll < 80) {
      TryGameMove();
    } else if (roll < 90) {
      TryTrialMove();
    } else if (roll < 92) {
      PassOnce();
    } else {
      TakeBackOnce();
    }
  }

  // Takes back every record, checking each against its snapshot, down to the empty board.
  void TakeBackAll() {
    while (!before_.empty())
      ASSERT_NO_FATAL_FAILURE(TakeBackOnce());
    board_.TakeBack(true);  // Nothing left: must change nothing.
    ASSERT_EQ(board_.CheckConsistency(), "");
    EXPECT_EQ(board_.moveCount, 0);
    EXPECT_EQ(board_.history->colour, White);
    EXPECT_EQ(board_.Record(Black).stonesOnBoard, 0);
    EXPECT_EQ(board_.Record(White).stonesOnBoard, 0);
    EXPECT_EQ(board_.Record(Black).firstGroup, nullptr);
    EXPECT_EQ(board_.Record(White).firstGroup, nullptr);
  }

  // "" when every history record is still as it was made: no later operation may touch it.
  std::string HistoryChange() const { return HistoryDifference(records_, board_); }

  const Zere19r19& board() const { return board_; }

 private:
  void TryGameMove() {
    const PointToTry p = play_.ChoosePoint(board_, area_);
    const int32_t colour = play_.ChooseColour(board_);
    const bool wasEmpty = board_.points[p.column][p.row].colour == Empty;
    const CaptureShape shape = ShapeOfCapture(board_, p.column, p.row, colour);
    BoardSnapshot snapshot = TakePositionSnapshot(board_);
    if (board_.TryMove(p.column, p.row, colour, play_.Percent(50))) {
      Pushed(std::move(snapshot));
      CountLegalMove(board_, reached_);
      return;
    }
    ASSERT_EQ(FirstDifference(snapshot, TakePositionSnapshot(board_)), "")
        << "refused move at (" << p.column << ", " << p.row << ") left a trace";
    if (!wasEmpty) {
      ++reached_.occupied;
      return;
    }
    CountRefusal(board_, shape, reached_);
  }

  void TryTrialMove() {
    const PointToTry p = play_.ChoosePoint(board_, area_);
    const int32_t colour = play_.ChooseColour(board_);
    const BoardSnapshot snapshot = TakePositionSnapshot(board_);
    if (board_.TryMove(p.column, p.row, colour, false)) {
      ASSERT_EQ(board_.CheckConsistency(), "");
      board_.TakeBack(false);
      ++reached_.trials;
    }
    ASSERT_EQ(FirstDifference(snapshot, TakePositionSnapshot(board_)), "")
        << "trial at (" << p.column << ", " << p.row << ") was not taken back exactly";
  }

  void PassOnce() {
    BoardSnapshot snapshot = TakePositionSnapshot(board_);
    board_.Pass(play_.ChooseColour(board_));
    Pushed(std::move(snapshot));
    ++reached_.passes;
  }

  void TakeBackOnce() {
    if (before_.empty()) return;
    const BoardSnapshot expected = std::move(before_.back());
    before_.pop_back();
    records_.pop_back();
    board_.TakeBack(play_.Percent(50));
    ++reached_.takeBacks;
    ASSERT_EQ(FirstDifference(expected, TakePositionSnapshot(board_)), "")
        << "take-back with " << board_.moveCount << " records left\n"
        << Diagram(board_);
  }

  // Remembers the position before the newest record and the record as it was made.
  void Pushed(BoardSnapshot before) {
    before_.push_back(std::move(before));
    records_.push_back(RecordStateOf(*board_.Newest()));
  }

  RandomPlay play_;
  Reached& reached_;
  PlayArea area_{};
  Zere19r19 board_;
  // The position before each record in the history, and each record as it was made, oldest
  // first. Positions leave the history out, which keeps long games cheap to follow.
  std::vector<BoardSnapshot> before_;
  std::vector<BoardSnapshot::RecordState> records_;
};

TEST(ExactTakeBack, RandomGamesRestoreEverySnapshotAndReachTheRareCases) {
  Reached reached;
  const int games = ScaledCount(kGames);
  for (int seed = 1; seed <= games; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomGame game(static_cast<uint32_t>(seed), reached);
    for (int step = 0; step < kStepsPerGame; ++step) {
      ASSERT_NO_FATAL_FAILURE(game.Step()) << "step " << step;
      ASSERT_EQ(game.board().CheckConsistency(), "") << "step " << step << "\n"
                                                     << Diagram(game.board());
      ASSERT_EQ(game.HistoryChange(), "") << "step " << step;
    }
    ASSERT_NO_FATAL_FAILURE(game.TakeBackAll());
  }
  std::printf(
      "legal %d, occupied %d, kos %d, suicides %d single / %d multi-stone, captures %d "
      "(%d multi-stone, %d of two groups), snapbacks %d, multi-joins %d, passes %d, "
      "take-backs %d, trials %d\n",
      reached.legalMoves, reached.occupied, reached.kos, reached.singleSuicides,
      reached.multiStoneSuicides, reached.captures, reached.multiStoneCaptures,
      reached.twoGroupCaptures, reached.snapbacks, reached.multiJoins, reached.passes,
      reached.takeBacks, reached.trials);
  EXPECT_GT(reached.kos, 0);
  EXPECT_GT(reached.singleSuicides, 0);
  EXPECT_GT(reached.multiStoneSuicides, 0);
  EXPECT_GT(reached.multiStoneCaptures, 0);
  EXPECT_GT(reached.twoGroupCaptures, 0);
  EXPECT_GT(reached.snapbacks, 0);
  EXPECT_GT(reached.multiJoins, 0);
  EXPECT_GT(reached.occupied, 0);
  EXPECT_GT(reached.passes, 0);
  EXPECT_GT(reached.trials, 0);
}

}  // namespace
