// GNU Go as referee: every move the computer makes for either side in whole games against itself
// must be legal by GNU Go's judgment, and both programs must see the same stones afterwards.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "engine/board.h"
#include "player/computer_player.h"
#include "tests/support/diagram.h"
#include "tests/support/gtp_process.h"

namespace {

constexpr uint32_t kGames = 300;
constexpr int32_t kMoveBound = 3000;

std::string GtpColour(int32_t colour) {
  return colour == Black ? "black" : "white";
}

std::set<std::string> OurStones(const Zere19r19& board, int32_t colour) {
  std::set<std::string> stones;
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      if (board.points[column][row].colour == colour) stones.insert(GtpVertex(column, row));
    }
  }
  return stones;
}

std::set<std::string> RefereeStones(GtpProcess& referee, int32_t colour) {
  const GtpProcess::Response response = referee.Send("list_stones " + GtpColour(colour));
  EXPECT_TRUE(response.ok) << response.text;
  std::istringstream words(response.text);
  std::set<std::string> stones;
  for (std::string vertex; words >> vertex;)
    stones.insert(vertex);
  return stones;
}

void ExpectSameStones(GtpProcess& referee, const Zere19r19& board) {
  for (const int32_t colour : {Black, White}) {
    ASSERT_EQ(OurStones(board, colour), RefereeStones(referee, colour))
        << GtpColour(colour) << " stones differ on\n"
        << Diagram(board);
  }
}

// Tells the referee the newest move, asking first whether it is legal; both commands go out
// together so that each move costs one round trip.
void ShowNewestMove(GtpProcess& referee, const Zere19r19& board) {
  const Zere19r19::gomove& move = *board.Newest();
  const std::string colour = GtpColour(move.colour);
  const std::string vertex = GtpVertex(move.column, move.row);
  if (move.column < 0) {
    ASSERT_TRUE(referee.Send("play " + colour + " pass").ok);
    return;
  }
  referee.Write("is_legal " + colour + " " + vertex + "\nplay " + colour + " " + vertex + "\n");
  const GtpProcess::Response legal = referee.Read();
  const GtpProcess::Response played = referee.Read();
  ASSERT_EQ(legal.text, "1") << colour << " " << vertex << " is illegal on\n" << Diagram(board);
  ASSERT_TRUE(played.ok) << played.text;
}

TEST(GnuGoReferee, EveryMoveIsLegalAndThePositionsAgree) {
  if (!GnuGoAvailable()) GTEST_SKIP() << "GNU Go is not installed at " << kGnuGoPath;
  GtpProcess referee({kGnuGoPath, "--mode", "gtp"});
  ASSERT_TRUE(referee.Send("boardsize 19").ok);
  int64_t moves = 0;
  int64_t captures = 0;
  for (uint32_t seed = 1; seed <= kGames; ++seed) {
    SeedRandom(seed);
    ASSERT_TRUE(referee.Send("clear_board").ok);
    Zere19r19 board;
    int32_t colour = Black;
    for (int32_t passesInARow = 0; passesInARow < 2; colour = -colour) {
      ASSERT_LT(board.moveCount, kMoveBound) << "game " << seed << " does not end";
      ComputerMove(board, colour);
      ASSERT_NO_FATAL_FAILURE(ShowNewestMove(referee, board)) << "game " << seed;
      passesInARow = board.Newest()->column < 0 ? passesInARow + 1 : 0;
      // Only a capture can make the two boards part ways.
      if (board.Newest()->capturedStones > 0) {
        ++captures;
        ASSERT_NO_FATAL_FAILURE(ExpectSameStones(referee, board)) << "game " << seed;
      }
      ++moves;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectSameStones(referee, board)) << "game " << seed;
  }
  EXPECT_GT(moves, 100 * static_cast<int64_t>(kGames));
  EXPECT_GT(captures, 10 * static_cast<int64_t>(kGames));
}

}  // namespace
