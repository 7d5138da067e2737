// GNU Go as referee: over seeded random games, move by move, it must find the same moves legal
// and show the same stones as the engine. Its defaults match our rules: suicide is forbidden and
// so is the immediate recapture of a simple ko. Its ko point lasts one move and is cleared by a
// pass or any other move, like our comparison with the previous record only. Take-backs go to
// its "undo", so the ko state after a take-back is compared too.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "engine/board.h"
#include "tests/engine/random_play.h"
#include "tests/support/diagram.h"
#include "tests/support/gtp_process.h"

namespace {

constexpr int kGames = 40;
constexpr int kStepsPerGame = 300;

using Stones = std::set<std::pair<int, int>>;

std::string ColourName(int32_t colour) {
  return colour == Black ? "black" : "white";
}

class Referee {
 public:
  Referee() : gnugo_({kGnuGoPath, "--mode", "gtp"}) {}

  // Sends a command that must succeed and returns its answer.
  std::string Ask(const std::string& command) {
    const GtpProcess::Response response = gnugo_.Send(command);
    EXPECT_TRUE(response.ok) << command << ": " << response.text;
    return response.text;
  }

  bool IsLegal(int32_t column, int32_t row, int32_t colour) {
    return Ask("is_legal " + ColourName(colour) + " " + GtpVertex(column, row)) == "1";
  }

  Stones StonesOf(int32_t colour) {
    std::istringstream vertices(Ask("list_stones " + ColourName(colour)));
    Stones stones;
    std::string vertex;
    while (vertices >> vertex) {
      int column = 0;
      int row = 0;
      EXPECT_TRUE(ParseGtpVertex(vertex, column, row)) << vertex;
      stones.insert({column, row});
    }
    return stones;
  }

 private:
  GtpProcess gnugo_;
};

Stones StonesOf(const Zere19r19& board, int32_t colour) {
  Stones stones;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      if (board.points[c][r].colour == colour) stones.insert({c, r});
    }
  }
  return stones;
}

struct Tally {
  int legal = 0;
  int suicides = 0;
  int kos = 0;
  int undos = 0;
};

// One step of a game on both boards; fails the test at the first disagreement.
void Step(Zere19r19& board, Referee& referee, RandomPlay& play, const PlayArea& area,
          Tally& tally) {
  const uint32_t roll = play.Below(100);
  if (roll < 90) {
    const PointToTry p = play.ChoosePoint(board, area);
    const int32_t colour = play.ChooseColour(board);
    const bool empty = board.points[p.column][p.row].colour == Empty;
    const bool captures =
        empty && ShapeOfCapture(board, p.column, p.row, colour).capturedStones > 0;
    const bool expected = referee.IsLegal(p.column, p.row, colour);
    ASSERT_EQ(board.TryMove(p.column, p.row, colour, true), expected)
        << ColourName(colour) << " " << GtpVertex(p.column, p.row) << "\n"
        << Diagram(board);
    if (expected) {
      referee.Ask("play " + ColourName(colour) + " " + GtpVertex(p.column, p.row));
      ++tally.legal;
    } else if (empty) {
      ++(captures ? tally.kos : tally.suicides);
    }
  } else if (roll < 94) {
    const int32_t colour = play.ChooseColour(board);
    board.Pass(colour);
    referee.Ask("play " + ColourName(colour) + " pass");
  } else if (board.moveCount > 0) {
    board.TakeBack(false);
    referee.Ask("undo");
    ++tally.undos;
  }
}

TEST(RulesAgainstGnuGo, RandomGamesAgreeOnLegalityAndStones) {
  if (!GnuGoAvailable()) GTEST_SKIP() << "GNU Go is not installed at " << kGnuGoPath;
  Referee referee;
  referee.Ask("boardsize 19");
  Tally tally;
  const int games = ScaledCount(kGames);
  for (int seed = 1; seed <= games; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    referee.Ask("clear_board");
    RandomPlay play(static_cast<uint32_t>(5000 + seed));
    const PlayArea area = play.ChooseArea();
    Zere19r19 board;
    for (int step = 0; step < kStepsPerGame; ++step) {
      ASSERT_NO_FATAL_FAILURE(Step(board, referee, play, area, tally)) << "step " << step;
      ASSERT_EQ(board.CheckConsistency(), "");
      ASSERT_EQ(StonesOf(board, Black), referee.StonesOf(Black)) << "step " << step;
      ASSERT_EQ(StonesOf(board, White), referee.StonesOf(White)) << "step " << step;
    }
  }
  std::printf("legal %d, suicides %d, kos %d, undos %d\n", tally.legal, tally.suicides, tally.kos,
              tally.undos);
  EXPECT_GT(tally.suicides, 0);
  EXPECT_GT(tally.kos, 0);
  EXPECT_GT(tally.undos, 0);
}

}  // namespace
