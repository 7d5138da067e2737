// Game records: each way a record is refused, the forms other programs write, a whole tree and a
// game written, read back and replayed. That a refused record leaves the game alone is the GTP
// program's test.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace sgf {
namespace {

std::string Repeat(int32_t count, std::string_view text) {
  std::string repeated;
  for (; count > 0; --count)
    repeated += text;
  return repeated;
}

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
      {"(;HA[361])", Malformed + "unusable handicap"},
      {"(;GM[2])", "not a game of Go: GM[2]"},
      {"(;SZ[9:13])", "the board size is not 2 x 2 to 19 x 19: SZ[9:13]"},
      {"(;SZ[1])", "the board size is not 2 x 2 to 19 x 19: SZ[1]"},
      {"(;SZ[20:20])", "the board size is not 2 x 2 to 19 x 19: SZ[20:20]"},
      {"(;B[ta])", "illegal move: B[ta] (move 1) is off the board"},
      {"(;SZ[9];B[aj])", "illegal move: B[aj] (move 1) is off the board"},
      {"(;AB[ja]SZ[9])", "illegal setup: AB[ja] is off the board"},
      {"(;SZ[2:2]AB[aa:bb]AW[aa])", "illegal setup: more setup stones than points"},
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
      {"(" + Repeat(LongestGame + 1, ";B[]") + ")", "game too long"},
      {"(;AB[aa:ss]" + Repeat(LongestGame - BoardLines * BoardLines + 1, ";B[]") + ")",
       "game too long"},
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
      {"\xEF\xBB\xBF(;B[aa])", "(;B[aa])"},
      {"Game 1 (of 2):\n( ;B[aa])", "(;B[aa])"},
      {"((;B[aa])(;B[bb]))", "(;B[aa])"},
      {"(;KM[6.5];B[aa];KM[2]HA[3]RE[W+R]PB[late])", "(;KM[6.5];B[aa])"},
      {"((();B[aa]);B[bb];W[cc])", "(;B[aa])"},
  };
  for (const auto& [text, plain] : Forms) {
    const ParsedRecord read = ParseSgf(text), expected = ParseSgf(plain);
    ASSERT_FALSE(read.failure) << text.substr(0, 40) << ": " << read.failure->Message();
    EXPECT_EQ(WriteSgf(read.record), WriteSgf(expected.record)) << text.substr(0, 40);
  }
}

// PL decides who moves after the setup, whatever colours the setup holds; without it the colour
// placed last does, Black's stones going down first. Written back, PL says the same.
TEST(Sgf, SetupLeavesTheColourToMove) {
  const struct {
    std::string text;
    int32_t toMove;
  } Setups[] = {
      {"(;AB[dd]PL[B])", Black},  {"(;AW[dd]PL[W])", White},
      {"(;PL[W])", White},        {"(;AB[dd])", White},
      {"(;AW[bb]AB[aa])", Black}, {"(;PL[W]AB[aa]AW[bb])", White},
      {"(;AB[dd];B[pp])", White}, {"(;AB[dd]PL[B];B[pp];W[dp])", Black},
  };
  for (const auto& [text, toMove] : Setups) {
    const ParsedRecord read = ParseSgf(text);
    Zere19r19 board;
    ASSERT_FALSE(read.failure || ReplayGame(read.record, board)) << text;
    const SetupInfo setup = SetupOfRecord(read.record);
    EXPECT_EQ(ColourToMove(board, setup), toMove) << text;
    while (board.moveCount > setup.records)
      board.TakeBack(false);
    const GameRecord written = RecordOfBoard(board, setup, 0.0, "");
    Zere19r19 again;
    ASSERT_FALSE(ReplayGame(written, again)) << text;
    EXPECT_EQ(ColourToMove(again, SetupOfRecord(written)), ColourToMove(board, setup)) << text;
  }
}

// Text in Latin-1 or Windows-1252 becomes UTF-8; UTF-8 and unknown charsets keep their bytes.
TEST(Sgf, DecodesTheCharsetToUtf8) {
  const struct {
    std::string charset, written, read;
  } Texts[] = {
      {"CA[ISO-8859-1]", "M\xFCller", "M\xC3\xBCller"},
      {"CA[latin1]", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
      {"CA[Windows-1252]", "\x93\x80\x81", "\xE2\x80\x9C\xE2\x82\xAC\xC2\x81"},
      {"", "M\xFCller", "M\xC3\xBCller"},
      {"", "M\xC3\xBCller", "M\xC3\xBCller"},
      {"", "\xC0\xBB", "\xC3\x80\xC2\xBB"},
      {"CA[UTF-8]", "\xFC", "\xFC"},
      {"CA[GB2312]", "\xC4\xE3", "\xC4\xE3"},
  };
  for (const auto& [charset, written, read] : Texts) {
    const ParsedRecord parsed = ParseSgf("(;" + charset + "PB[" + written + "])");
    ASSERT_FALSE(parsed.failure) << charset;
    EXPECT_EQ(parsed.tree.Find(GameTree::Root, "PB")->values.front(), read) << charset;
  }
}

// Variations, comments, markup and unknown properties come back node for node and property for
// property; only AP names this program, and the text is UTF-8 from then on.
TEST(Sgf, TreeReadsBackWhole) {
  const std::string text =
      "(;FF[4]CA[ISO-8859-1]AP[Elsewhere:2]GM[1]SZ[19]PB[M\xFCller]XX[one][two]C[a \\] and a "
      "\\\\]AB[dd]PL[B]\n;B[pp]C[first](;W[dp]TR[aa][bb];B[pd])(;W[qq]))";
  const ParsedRecord read = ParseSgf(text);
  ASSERT_FALSE(read.failure) << read.failure->Message();
  const GameTree& tree = read.tree;
  ASSERT_EQ(tree.nodes.size(), 5u);
  EXPECT_EQ(tree.Find(GameTree::Root, "CA")->values.front(), "UTF-8");
  EXPECT_EQ(tree.Find(GameTree::Root, "PB")->values.front(), "M\xC3\xBCller");
  EXPECT_EQ(tree.Find(GameTree::Root, "XX")->values, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(tree.Find(GameTree::Root, "C")->values.front(), "a ] and a \\");
  EXPECT_EQ(tree.Find(1, "C")->values.front(), "first");
  EXPECT_EQ(tree.nodes[1].children, (std::vector<NodeId>{2, 4}));
  EXPECT_EQ(tree.Find(2, "TR")->values.size(), 2u);
  EXPECT_EQ(read.record.moves.size(), 3u);

  const std::string written = WriteTree(tree);
  GameTree again;
  ASSERT_FALSE(ReadTree(written, again)) << written;
  EXPECT_TRUE(again.Find(GameTree::Root, "AP")->values.front().starts_with("Zada Da:"));
  EXPECT_EQ(WriteTree(again), written);
  again.nodes[GameTree::Root].properties[2] = tree.nodes[GameTree::Root].properties[2];
  EXPECT_TRUE(again == tree) << written;
}

// A game written, read back and replayed at its size, then written again from the board.
void ReadsBackAndReplaysAsWritten(int32_t boardSize) {
  GameRecord record;
  record.boardSize = boardSize;
  record.setup = {{Black, 2, 2}, {Black, 6, 6}, {White, 4, 4}};
  record.moves = {{White, 2, 3}, {Black, -1, -1}, {White, boardSize - 1, 0}};
  record.playerToMove = White;
  record.handicap = 2;
  record.komi = -6.5;
  record.result = "W+R";
  record.info = {{"GN", "a ] and a \\"}, {"PB", "someone"}};
  const std::string text = WriteSgf(record);
  const ParsedRecord read = ParseSgf(text);
  ASSERT_FALSE(read.failure) << read.failure->Message();
  const auto fields = [](const GameRecord& r) {
    return std::tie(r.boardSize, r.setup, r.moves, r.playerToMove, r.handicap, r.komi, r.result,
                    r.info);
  };
  EXPECT_TRUE(fields(read.record) == fields(record)) << text;

  Zere19r19 board;
  ASSERT_FALSE(ReplayGame(read.record, board));
  EXPECT_EQ(board.BoardSize(), boardSize);
  GameRecord replayed = RecordOfBoard(board, SetupOfRecord(read.record), -6.5, "W+R");
  replayed.info = record.info;
  EXPECT_EQ(WriteSgf(replayed), text);
}

TEST(Sgf, GameReadsBackAndReplaysAsWritten) {
  for (const int32_t boardSize : {BoardLines, 9}) {
    SCOPED_TRACE(boardSize);
    ReadsBackAndReplaysAsWritten(boardSize);
  }
  Zere19r19 board;  // Black sets up and moves first, as in a problem: PL names the first mover.
  ASSERT_EQ(Load("(;AB[aa];B[bb])", board), "");
  EXPECT_EQ(RecordOfBoard(board, SetupInfo{1, 0}, 0.0, "").playerToMove, Black);
}

}  // namespace
}  // namespace sgf
