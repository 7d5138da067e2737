// Game records: each way a record is refused, the forms other programs write, and a game written,
// read back and replayed. That a refused record leaves the game alone is the GTP program's test.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace sgf {
namespace {

// Reads text and replays it on board; why it fails, or "" when it loads.
std::string Load(const std::string& text, Zere19r19& board) {
  const ParsedRecord parsed = ParseSgf(text);
  if (parsed.failure) return parsed.failure->Message();
  const std::optional<Failure> failure = ReplayGame(parsed.record, board);
  return failure ? failure->Message() : "";
}

TEST(Sgf, RefusesEachFaultWithItsReason) {
  const std::string Malformed = "malformed game record: ";
  const struct {
    std::string text, reason;
  } Faulty[] = {
      {"no game record", Malformed + "a game record starts with '('"},
      {"(;GM[1];B[dd]", Malformed + "the record ends inside a game"},
      {"(;B[dd", Malformed + "a property value is not closed"},
      {"(;C[escaped at the end\\", Malformed + "a property value is not closed"},
      {"()", Malformed + "the record holds no game"},
      {"(;B[aa]1)", Malformed + "unexpected character outside a property"},
      {"(;b[aa])", Malformed + "a property without capital letters"},
      {"(;B)", Malformed + "property B has no value"},
      {"(;B[aa][bb])", Malformed + "a move with more than one point"},
      {"(;B[dd]W[pp])", Malformed + "two moves in one node"},
      {"(;PL[X])", Malformed + "PL[X] names no colour"},
      {"(;KM[six])", Malformed + "unusable komi"},
      {"(;KM[1e300])", Malformed + "unusable komi"},
      {"(;HA[-1])", Malformed + "unusable handicap"},
      {"(;GM[2])", "not a game of Go: GM[2]"},
      {"(;SZ[13])", "the board size is not 19: SZ[13]"},
      {"(;B[ta])", "illegal move: B[ta] (move 1) is off the board"},
      {"(;W[abc])", "illegal move: W[abc] (move 1) is off the board"},
      {"(;B[ab];W[dd];B[ba];W[aa])", "illegal move: W[aa] (move 4)"},
      {"(;AB[tt])", "illegal setup: AB[tt] is off the board"},
      {"(;AB[aa:at])", "illegal setup: AB[aa:at] is off the board"},
      {"(;AB[ab][ba]AW[aa])", "illegal setup: AW[aa]"},
      {"(;PL[W]AB[ab][ba]AW[aa])", "illegal setup: AB[ba]"},
      {"(;AB[dd]AW[dd])", "illegal setup: AW[dd]"},
      {"(;AB[aa:ss]AW[aa])", "illegal setup: more setup stones than points"},
      {"(;AE[aa])", "illegal setup: AE[aa] takes stones off"},
      {"(;B[dd];AW[aa])", "illegal setup: AW[aa] after the first move"},
  };
  for (const auto& [text, reason] : Faulty) {
    Zere19r19 board;
    EXPECT_EQ(Load(text, board), reason) << text;
  }
}

TEST(Sgf, ReadsWhatOtherProgramsWrite) {
  const struct {
    std::string text, plain;
  } Forms[] = {
      {"(;AB[ca:ac])", "(;AB[aa][ab][ac][ba][bb][bc][ca][cb][cc])"},
      {"(;FF[3];B[tt];W[tt])", "(;B[];W[])"},
      {"(;B[aa](;W[bb](;B[cc])(;B[dd]))(;W[ee]))", "(;B[aa];W[bb];B[cc])"},
      {" ( ;AddWhite[bb] C[a \\] and a \\\\]\n;B[aa] ) ", "(;AW[bb];B[aa])"},
      {std::string(100000, '(') + ";B[aa]" + std::string(100000, ')'), "(;B[aa])"},
  };
  for (const auto& [text, plain] : Forms) {
    const ParsedRecord read = ParseSgf(text), expected = ParseSgf(plain);
    ASSERT_FALSE(read.failure) << text.substr(0, 40) << ": " << read.failure->Message();
    EXPECT_EQ(WriteSgf(read.record), WriteSgf(expected.record)) << text.substr(0, 40);
  }
}

// Setup stones go down Black's first, White's first when PL says White moves next.
TEST(Sgf, SetupLeavesTheColourToMove) {
  Zere19r19 board;
  ASSERT_EQ(Load("(;AW[bb]AB[aa])", board), "");
  EXPECT_EQ(board.ColourToMove(), Black);
  board.Reset();
  ASSERT_EQ(Load("(;PL[W]AB[aa]AW[bb])", board), "");
  EXPECT_EQ(board.ColourToMove(), White);
}

TEST(Sgf, GameReadsBackAndReplaysAsWritten) {
  GameRecord record;
  record.setup = {{Black, 3, 3}, {Black, 15, 15}, {White, 9, 9}};
  record.moves = {{White, 2, 2}, {Black, -1, -1}, {White, 18, 0}};
  record.playerToMove = White;
  record.handicap = 2;
  record.komi = -6.5;
  record.result = "W+R";
  record.info = {{"GN", "a ] and a \\"}, {"PB", "someone"}};
  const std::string text = WriteSgf(record);
  const ParsedRecord read = ParseSgf(text);
  ASSERT_FALSE(read.failure) << read.failure->Message();
  const auto fields = [](const GameRecord& r) {
    return std::tie(r.setup, r.moves, r.playerToMove, r.handicap, r.komi, r.result, r.info);
  };
  EXPECT_TRUE(fields(read.record) == fields(record)) << text;

  Zere19r19 board;
  ASSERT_FALSE(ReplayGame(read.record, board));
  GameRecord replayed = RecordOfBoard(board, SetupInfo{3, 2}, -6.5, "W+R");
  replayed.info = record.info;
  EXPECT_EQ(WriteSgf(replayed), text);
  board.Reset();  // Black sets up and moves first, as in a problem: PL names the first mover.
  ASSERT_EQ(Load("(;AB[aa];B[bb])", board), "");
  EXPECT_EQ(RecordOfBoard(board, SetupInfo{1, 0}, 0.0, "").playerToMove, Black);
}

}  // namespace
}  // namespace sgf
