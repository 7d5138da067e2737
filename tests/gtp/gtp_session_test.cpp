// One GTP session through the command loop, as a controller would hold it: each row sends its
// lines and expects the loop's whole output, framing included. In an expectation '*' stands for
// any text, which a '$' in a later expectation must repeat.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/gtp_loop.h"
#include "sgf/game_record.h"

namespace {

using namespace std::string_literals;

struct Row {
  std::string input;     // One or more lines, without the last newline.
  std::string expected;  // Every response to them, each ending with its empty line.
};

const std::string Ok = "= \n\n", SyntaxError = "? syntax error\n\n",
                  Header = "   A B C D E F G H J K L M N O P Q R S T";
const std::string GameFile = ::testing::TempDir() + "gtp_session." + std::to_string(getpid());

std::string Times(int count, const std::string& text) {
  std::string repeated;
  for (; count > 0; --count)
    repeated += text;
  return repeated;
}

// The handicap game: set_free_handicap A2 B1, then White C1, Black D1, White E4, Black C2 taking
// C1, a White pass and Black B2.
const std::string GameSgf = "= (;FF[4]GM[1]SZ[19]CA[UTF-8]AP[Zada Da:" ZADADA_VERSION
                            "]KM[0.5]HA[2]AB[ar][bs]PL[W]\n;W[cs];B[ds];W[ep];B[cr];W[];B[br])\n\n";

const std::vector<Row> Session = {
    // Framing: ids, blank and comment lines, tabs, control characters, case, line length.
    {"1 protocol_version", "=1 2\n\n"},
    {"name", "= Zada Da\n\n"},
    {"007 version", "=007 " ZADADA_VERSION "\n\n"},
    {"\n \t \n# only a comment\n3\tknown_command\tplay # cut", "=3 true\n\n"},
    {"4 known_command PLAY", "=4 false\n\n"},
    {"5 na\0me\1\177"s, "=5 Zada Da\n\n"},
    {"6 frobnicate\n7\n-8 name\n9 protocol_version extra",
     "?6 unknown command\n\n?7 syntax error\n\n? unknown command\n\n?9 syntax error\n\n"},
    {"10 name" + std::string(gtp::LongestLine - 7, ' '), "=10 Zada Da\n\n"},
    {"11 name" + std::string(gtp::LongestLine - 6, ' '), "?11 line too long\n\n"},
    {"list_commands",
     "= protocol_version\nname\nversion\nknown_command\nlist_commands\nquit\nboardsize\n"
     "clear_board\nkomi\nfixed_handicap\nplace_free_handicap\nset_free_handicap\ntime_settings\n"
     "time_left\nkgs-time_settings\nset_random_seed\nplay\ngenmove\nkgs-genmove_cleanup\nundo\n"
     "is_legal\nall_legal\nshowboard\nlist_stones\ncaptures\nfinal_score\nfinal_status_list\n"
     "printsgf\nloadsgf\n\n"},
    // Settings and time controls, checked and otherwise ignored.
    {"boardsize 20\nboardsize 19\nkomi 1001\nkomi 1e300\nkomi inf\nkomi -1000\nkomi 6.5",
     "? unacceptable size\n\n" + Ok + Times(2, "? unacceptable komi\n\n") + SyntaxError +
         Times(2, Ok)},
    {"time_settings 300 30 5\ntime_settings 300 -1 5\ntime_left white 30 0", Ok + SyntaxError + Ok},
    {"kgs-time_settings none\nkgs-time_settings absolute 60\nkgs-time_settings byoyomi 60 30 5",
     Times(3, Ok)},
    {"kgs-time_settings canadian 60 30", SyntaxError},
    // Vertices at the edges, in any case, and everything off the board or malformed.
    {"play b A1\nplay W t19\nplay BLACK k10\nplay b T1\nplay white a19", Times(5, Ok)},
    {"play b I5\nplay b U1\nplay b A20\nplay b A0\nplay b A05\nplay red D4\nplay b",
     Times(7, SyntaxError)},
    {"play w A1\nlist_stones black\nlist_stones w",
     "? illegal move\n\n= A1 T1 K10\n\n= A19 T19\n\n"},
    {"showboard", "= \n" + Header + "\n19 O . . . . . . . . . . . . . . . . . O 19\n*\n" +
                      " 1 X . . . . . . . . . . . . . . . . . X  1\n" + Header +
                      "\nBlack (X) has captured 0 stones\nWhite (O) has captured 0 stones\n\n"},
    // Handicap: only on an empty board, within bounds, on distinct points.
    {"fixed_handicap 2\nset_free_handicap A2 B1", Times(2, "? board not empty\n\n")},
    {"clear_board\nfixed_handicap 1\nfixed_handicap 10\nplace_free_handicap 361",
     Ok + Times(3, "? invalid number of stones\n\n")},
    {"set_free_handicap A2 A2\nset_free_handicap A2 pass\nset_free_handicap A2",
     Times(3, "? bad vertex list\n\n")},
    {"set_free_handicap A2 Z9", SyntaxError},
    {"list_stones b\nfixed_handicap 5", Ok + "= D4 Q16 D16 Q4 K10\n\n"},
    {"clear_board\nfixed_handicap 6", Ok + "= D4 Q16 D16 Q4 D10 Q10\n\n"},
    {"clear_board\nfixed_handicap 7", Ok + "= D4 Q16 D16 Q4 D10 Q10 K10\n\n"},
    {"clear_board\nplace_free_handicap 360", Ok + "= D4 Q16 D16 Q4 D10 Q10 K4 K16 K10\n\n"},
    // A handicap game played on, written, undone to its floor and loaded back.
    {"clear_board\nset_free_handicap A2 B1\nkomi 0.5", Times(3, Ok)},
    {"is_legal w A1\nis_legal b A1\nis_legal w pass", "= 0\n\n= 1\n\n= 1\n\n"},
    {"all_legal w", "= C1 D1 * T19\n\n"},
    {"all_legal b", "= A1 C1 D1 * T19\n\n"},
    {"play w C1\nplay b D1\nplay w E4\nplay b C2\nplay w PASS\nplay b B2", Times(6, Ok)},
    {"captures b\ncaptures white", "= 1\n\n= 0\n\n"},
    {"showboard",
     "= \n*\n 4 . . . + O . . . . + . . . . . + . . .  4\n"
     " 3 . . . . . . . . . . . . . . . . . . .  3\n"
     " 2 X X X . . . . . . . . . . . . . . . .  2\n"
     " 1 . X . X . . . . . . . . . . . . . . .  1\n" +
         Header + "\nBlack (X) has captured 1 stones\nWhite (O) has captured 0 stones\n\n"},
    {"printsgf", GameSgf},
    {"printsgf " + GameFile + "\nprintsgf /nonexistent/game.sgf", Ok + "? cannot write file\n\n"},
    {"undo\nundo\nundo\nundo\nundo\nundo\nundo", Times(6, Ok) + "? cannot undo\n\n"},
    {"list_stones b\nlist_stones w", "= B1 A2\n\n" + Ok},
    {"komi 3\nloadsgf " + GameFile, Ok + "= white\n\n"},
    {"printsgf", GameSgf},
    {"loadsgf " + GameFile + " 4", "= black\n\n"},
    {"list_stones w", "= C1 E4\n\n"},
    {"undo\nundo\nundo\nundo", Times(3, Ok) + "? cannot undo\n\n"},
    {"list_stones b", "= B1 A2\n\n"},
    // A record failing part-way leaves the game as it was; loaded setup stones are its floor.
    {"loadsgf " ZADADA_DATA "/illegal_move.sgf", "? illegal move: W[aa] (move 4)\n\n"},
    {"loadsgf /nonexistent.sgf\nloadsgf " + GameFile + " 0\nloadsgf " ZADADA_DATA "/huge_komi.sgf",
     "? cannot open file\n\n" + SyntaxError + "? malformed game record: unusable komi\n\n"},
    {"list_stones b\nlist_stones w", "= B1 A2\n\n= \n\n"},
    {"loadsgf " ZADADA_DATA "/setup.sgf 1\nloadsgf " ZADADA_DATA "/setup.sgf",
     "= black\n\n= white\n\n"},
    {"undo\nundo", Ok + "? cannot undo\n\n"},
    {"list_stones b\nlist_stones w", "= A19\n\n= T1\n\n"},
    // PL decides who moves after setup stones of one colour, and printsgf says so again.
    {"loadsgf " ZADADA_DATA "/black_to_move.sgf\nprintsgf",
     "= black\n\n= (;FF[4]*AB[dd]PL[B])\n\n"},
    {"play b D5\nundo\nundo\nprintsgf", Ok + Ok + "? cannot undo\n\n= (;FF[4]*AB[dd]PL[B])\n\n"},
    // The computer's moves, reproducible after the same seed.
    {"clear_board\nset_random_seed 42", Times(2, Ok)},
    {"genmove b", "= *\n\n"},
    {"list_stones b", "= $\n\n"},
    {"undo\nset_random_seed 42", Times(2, Ok)},
    {"genmove b", "= $\n\n"},
    {"genmove red\nset_random_seed -1", SyntaxError + "? unacceptable seed\n\n"},
    {"set_random_seed 4294967295\nset_random_seed 4294967296", Ok + "? unacceptable seed\n\n"},
    // Every size from 2 to 19: vertices, star points, handicap points and records follow it.
    {"boardsize 1\nboardsize 9", "? unacceptable size\n\n" + Ok},
    {"play b J9\nplay w E5\nplay b K1\nplay b A10", Times(2, Ok) + Times(2, SyntaxError)},
    {"showboard",
     "= \n   A B C D E F G H J\n 9 . . . . . . . . X  9\n 8 . . . . . . . . .  8\n"
     " 7 . . + . . . + . .  7\n 6 . . . . . . . . .  6\n 5 . . . . O . . . .  5\n"
     " 4 . . . . . . . . .  4\n 3 . . + . . . + . .  3\n 2 . . . . . . . . .  2\n"
     " 1 . . . . . . . . .  1\n   A B C D E F G H J\nBlack (X) has captured 0 stones\n"
     "White (O) has captured 0 stones\n\n"},
    {"printsgf " + GameFile + "\nboardsize 13\nlist_stones b", Times(3, Ok)},
    {"loadsgf " + GameFile + "\nlist_stones b\nprintsgf",
     "= black\n\n= J9\n\n= (;FF[4]GM[1]SZ[9]*"},
    {"clear_board\nfixed_handicap 9", Ok + "= C3 G7 C7 G3 C5 G5 E3 E7 E5\n\n"},
    {"boardsize 13\nfixed_handicap 10\nshowboard",
     Ok + "? invalid number of stones\n\n= \n   A B C D E F G H J K L M N\n13 . *" +
         " 4 . . . + . . . . . + . . .  4\n 3 . . . . . . . . . . . . .  3\n"
         " 2 . . . . . . . . . . . . .  2\n 1 . . . . . . . . . . . . .  1\n"
         "   A B C D E F G H J K L M N\nBlack (X) has captured 0 stones\n"
         "White (O) has captured 0 stones\n\n"},
    {"fixed_handicap 5", "= D4 K10 D10 K4 G7\n\n"},
    {"boardsize 10\nfixed_handicap 5\nplace_free_handicap 5",
     Ok + "? invalid number of stones\n\n" + "= C3 H8 C8 H3\n\n"},
    {"boardsize 7\nshowboard",
     Ok + "= \n   A B C D E F G\n 7 . . . . . . .  7\n 6 . . . . . . .  6\n"
          " 5 . . + . + . .  5\n 4 . . . + . . .  4\n 3 . . + . + . .  3\n"
          " 2 . . . . . . .  2\n 1 . . . . . . .  1\n   A B C D E F G\n"
          "Black (X) has captured 0 stones\nWhite (O) has captured 0 stones\n\n"},
    {"boardsize 7\nfixed_handicap 5\nboardsize 6\nfixed_handicap 2",
     Ok + "? invalid number of stones\n\n" + Ok + "? invalid number of stones\n\n"},
    {"boardsize 2\nplace_free_handicap 4\nplace_free_handicap 3",
     "= \n\n? invalid number of stones\n\n= *"},
    {"quit\nname", Ok},
};

// A finished game: Black holds the columns A to K with an eye at A19 and the corner A1-C4, too
// small for White's lone stone at B3 to live there; White holds L to T with eyes at T19 and T1.
// With B3 dead Black has 190 points, White 171.
const std::vector<Row> FinishedGame = {
    {"loadsgf " ZADADA_DATA "/dead_stone.sgf", "= black\n\n"},
    {"final_score\nfinal_status_list dead\nfinal_status_list seki", "= B+11.5\n\n= B3\n\n" + Ok},
    {"final_status_list alive dead\nfinal_status_list dying", Times(2, SyntaxError)},
    {"komi 19\nfinal_score\nkomi 19.5\nfinal_score", Ok + "= 0\n\n" + Ok + "= W+0.5\n\n"},
    // Nothing is left to play for, so White answers a pass with a pass.
    {"play b pass\ngenmove w", Ok + "= pass\n\n"},
    // Cleanup: while White passes, Black fills the four liberties of B3, taking it with the last,
    // and passes only then.
    {Times(3, "kgs-genmove_cleanup b\nplay w pass\n") + "kgs-genmove_cleanup b", "= *\n\n"},
    {"captures b\nfinal_status_list dead", "= 1\n\n" + Ok},
    {"play w pass\nkgs-genmove_cleanup b", Ok + "= pass\n\n"},
};

// True when text matches pattern, where a '*' matches any text, kept in captured.
bool Matches(const std::string& text, const std::string& pattern, std::string& captured) {
  const size_t star = pattern.find('*');
  if (star == std::string::npos) return text == pattern;
  const std::string head = pattern.substr(0, star), tail = pattern.substr(star + 1);
  if (text.size() < star + tail.size() || !text.starts_with(head) || !text.ends_with(tail))
    return false;
  captured = text.substr(star, text.size() - star - tail.size());
  return true;
}

void RunSession(const std::vector<Row>& session) {
  gtp::GameState state;
  std::string captured;
  for (const Row& row : session) {
    std::istringstream in(row.input + "\n");
    std::ostringstream out;
    gtp::RunGtp(in, out, state);
    std::string expected = row.expected;
    const size_t at = expected.find('$');
    if (at != std::string::npos) expected.replace(at, 1, captured);
    EXPECT_TRUE(Matches(out.str(), expected, captured)) << row.input.substr(0, 60) << "\nanswered\n"
                                                        << out.str() << "expected\n"
                                                        << expected;
    ASSERT_EQ(state.board->CheckConsistency(), "");
  }
}

TEST(GtpSession, AnswersEveryCommand) {
  RunSession(Session);
  std::remove(GameFile.c_str());
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Whatever the longest game printsgf writes, loadsgf reads back; longer games and larger files
// are refused as such.
TEST(GtpSession, KeepsGamesWithinTheirLength) {
  const std::string longest = GameFile + ".longest", longer = GameFile + ".longer",
                    large = GameFile + ".large";
  WriteFile(longest, "(;" + Times(sgf::LongestGame, ";B[]") + ")");
  WriteFile(longer, "(;AB[aa]" + Times(sgf::LongestGame, ";B[]") + ")");
  WriteFile(large, std::string(sgf::LargestRecordFile + 1, ' '));
  RunSession({
      {"loadsgf " + longer + "\nloadsgf " + large, "? game too long\n\n? file too large\n\n"},
      {"loadsgf " + longest, "= white\n\n"},
      {"play w pass\ngenmove w\nkgs-genmove_cleanup w", Times(3, "? game too long\n\n")},
      {"printsgf " + GameFile + "\nclear_board\nloadsgf " + GameFile, Ok + Ok + "= white\n\n"},
      {"undo\nplay w pass", Ok + Ok},
  });
  for (const std::string& path : {longest, longer, large, GameFile})
    std::remove(path.c_str());
}

// A record that cannot be written leaves the file it would replace as it was, and no other.
TEST(GtpSession, KeepsTheOldRecordWhenWritingFails) {
  const std::string blocked = GameFile + ".part";
  RunSession({{"printsgf " + GameFile, Ok}});
  const std::string before = Contents(GameFile);
  std::filesystem::create_directory(blocked);  // Where printsgf would write first.
  RunSession({{"play b D4\nprintsgf " + GameFile, Ok + "? cannot write file\n\n"}});
  EXPECT_EQ(Contents(GameFile), before);
  EXPECT_TRUE(std::filesystem::is_empty(blocked));
  std::filesystem::remove(blocked);
  std::remove(GameFile.c_str());
  if (std::filesystem::exists("/dev/full"))
    RunSession({{"printsgf /dev/full", "? cannot write file\n\n"}});
}

// A record written over an older one keeps who may read it.
TEST(GtpSession, KeepsTheOldRecordsPermissions) {
  namespace fs = std::filesystem;
  WriteFile(GameFile, "(;)");
  const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(GameFile, ownerOnly);
  RunSession({{"printsgf " + GameFile, Ok}});
  EXPECT_EQ(fs::status(GameFile).permissions(), ownerOnly);
  EXPECT_NE(Contents(GameFile), "(;)");
  std::remove(GameFile.c_str());
}

TEST(GtpSession, JudgesAFinishedGame) {
  RunSession(FinishedGame);
}

}  // namespace
