#include <gtest/gtest.h>

#include <random>
#include <string>

#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace sgf {
namespace {

// Two Black handicap stones and a White setup stone, then legal moves and some passes, drawn with
// a generator of the test's own.
void PlaySetupAndRandomGame(Zere19r19& board, uint32_t seed) {
  ASSERT_TRUE(board.TryMove(3, 15, Black, true));
  ASSERT_TRUE(board.TryMove(15, 3, Black, true));
  ASSERT_TRUE(board.TryMove(9, 9, White, true));
  std::mt19937 random(seed);
  int32_t colour = Black;
  while (board.moveCount < 250) {
    if (random() % 20 == 0) {
      board.Pass(colour);
    } else if (!board.TryMove(static_cast<int32_t>(random() % 19),
                              static_cast<int32_t>(random() % 19), colour, true)) {
      continue;
    }
    colour = -colour;
  }
}

GameRecord RecordWithInfo(const Zere19r19& board) {
  GameRecord record = RecordOfBoard(board, SetupInfo{3, 2}, 6.5, "W+R");
  record.info = {{"PB", "a ] b \\ c"}, {"GN", "test"}};
  return record;
}

TEST(Sgf, WrittenGamesReadBackAndReplayToTheSameGame) {
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    Zere19r19 board;
    PlaySetupAndRandomGame(board, seed);
    const std::string text = WriteSgf(RecordWithInfo(board));
    const ParsedRecord parsed = ParseSgf(text);
    ASSERT_FALSE(parsed.failure) << parsed.failure->Message();
    EXPECT_EQ(parsed.record.handicap, 2);
    EXPECT_EQ(parsed.record.setup.size(), 3u);
    EXPECT_EQ(WriteSgf(parsed.record), text);
    Zere19r19 replayed;
    const std::optional<Failure> failure = ReplayGame(parsed.record, replayed);
    ASSERT_FALSE(failure) << failure->Message();
    EXPECT_EQ(WriteSgf(RecordWithInfo(replayed)), text);
  }
}

TEST(Sgf, ReadsPointListsAndPassesOfOlderRecords) {
  const ParsedRecord parsed = ParseSgf("(;FF[3]AB[aa:bc]AW[ss];B[tt];W[])");
  ASSERT_FALSE(parsed.failure) << parsed.failure->Message();
  EXPECT_EQ(parsed.record.setup.size(), 7u);
  EXPECT_EQ(parsed.record.moves, (std::vector<Move>{{Black, -1, -1}, {White, -1, -1}}));
}

TEST(Sgf, SurvivesDeepNestingAndTruncation) {
  const std::string deep = std::string(200000, '(') + ";B[aa]" + std::string(200000, ')');
  const ParsedRecord parsed = ParseSgf(deep);
  EXPECT_FALSE(parsed.failure);
  EXPECT_EQ(parsed.record.moves.size(), 1u);
  const std::string record = "(;GM[1]SZ[19];B[dd];W[pp]C[a \\] b];B[dp])";
  for (size_t length = 0; length < record.size(); ++length) {
    const std::optional<Failure> failure = ParseSgf(record.substr(0, length)).failure;
    ASSERT_TRUE(failure) << length;
    EXPECT_EQ(failure->kind, FailureKind::Malformed);
  }
}

}  // namespace
}  // namespace sgf
