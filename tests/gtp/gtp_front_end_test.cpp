// The GTP front end in-process: vertices against the test support's own conversion, line
// splitting, and a long stream of random commands that must keep the board consistent and leave
// the position alone whenever a command fails or only reads.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/command_line.h"
#include "gtp/commands.h"
#include "gtp/gtp_loop.h"
#include "gtp/line_reader.h"
#include "gtp/vertex.h"
#include "player/computer_player.h"
#include "sgf/replay.h"
#include "sgf/sgf_writer.h"
#include "tests/support/gtp_process.h"

namespace gtp {
namespace {

// What a command may change: the stones, and the history, setup and komi as printsgf writes them.
struct Position {
  std::vector<int32_t> colours;
  std::string record;

  bool operator==(const Position&) const = default;
};

Position Snapshot(const GameState& state) {
  Position position;
  for (const auto& column : state.board->points) {
    for (const BoardPoint& point : column)
      position.colours.push_back(point.colour);
  }
  position.record = sgf::WriteSgf(sgf::RecordOfBoard(*state.board, state.setup, state.komi, ""));
  return position;
}

std::string Respond(GameState& state, const std::string& line) {
  return RespondTo(InputLine{line, false}, state);
}

TEST(Vertex, AgreesWithTheTestSupportOnEveryPoint) {
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      const std::string text = VertexText(column, row);
      EXPECT_EQ(text, GtpVertex(column, row));
      for (const std::string& written :
           {text, std::string(1, char(std::tolower(text[0]))) + text.substr(1)}) {
        Vertex vertex;
        ASSERT_TRUE(ParseVertex(written, vertex)) << written;
        EXPECT_EQ(vertex.column, column);
        EXPECT_EQ(vertex.row, row);
      }
    }
  }
  EXPECT_EQ(VertexText(-1, -1), "pass");
}

TEST(CommandLine, SplitsIdNameAndArguments) {
  const std::optional<CommandLine> command = ParseCommandLine("\t12  play\tb  D4 # why not");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->id, "12");
  EXPECT_EQ(command->name, "play");
  EXPECT_EQ(command->args, (std::vector<std::string>{"b", "D4"}));

  EXPECT_FALSE(ParseCommandLine("   \t # only a comment"));
  EXPECT_FALSE(ParseCommandLine(std::string("\x01\x02\r\x7f", 4)));
  EXPECT_EQ(ParseCommandLine(std::string("na\0me\r", 6))->name, "name");
  EXPECT_EQ(ParseCommandLine("7")->name, "");
  EXPECT_EQ(ParseCommandLine("7x name")->id, "");
}

TEST(LineReader, KeepsEveryByteAndBoundsLongLines) {
  std::istringstream input(std::string("ab\0c\r\n", 6) + std::string(100, 'x') + "\nlast");
  LineReader reader(input, 10);
  std::optional<InputLine> line = reader.Next();
  EXPECT_EQ(line->text, std::string("ab\0c\r", 5));
  EXPECT_FALSE(line->tooLong);
  line = reader.Next();
  EXPECT_EQ(line->text, std::string(10, 'x'));
  EXPECT_TRUE(line->tooLong);
  line = reader.Next();
  EXPECT_EQ(line->text, "last");
  EXPECT_FALSE(reader.Next());
}

TEST(GenMove, PlaysOneLegalRecordForTheColourAndSaysWhich) {
  SeedRandom(3);
  GameState state;
  int passesInARow = 0;
  for (int turn = 0; turn < 600 && passesInARow < 2; ++turn) {
    const int32_t colour = turn % 2 == 0 ? Black : White;
    const int32_t before = state.board->moveCount;
    const std::string response = Respond(state, colour == Black ? "genmove b" : "genmove w");
    ASSERT_EQ(state.board->moveCount, before + 1);
    const Zere19r19::gomove* move = state.board->Newest();
    EXPECT_EQ(move->colour, colour);
    EXPECT_EQ(response, "= " + VertexText(move->column, move->row) + "\n\n");
    ASSERT_EQ(state.board->CheckConsistency(), "") << "after " << response;
    passesInARow = move->column < 0 ? passesInARow + 1 : 0;
  }
}

// ---- Random command streams ----

class CommandFuzzer {
 public:
  explicit CommandFuzzer(uint32_t seed) : random_(seed) {}

  // Mostly well-formed commands, so that games grow and positions get crowded, mixed with
  // arguments drawn at random.
  std::string NextLine() {
    // A new game now and then, rarely enough for games of a few hundred records.
    if (random_() % 1500 == 0) return "clear_board";
    const std::string name = Pick(kNames);
    std::string line = name;
    if (random_() % 5 == 0) {
      const int args = static_cast<int>(random_() % 4);
      // Appended, not added: GCC 12 at -O3 warns (-Wrestrict) about " " + a temporary string.
      for (int i = 0; i < args; ++i) {
        line += ' ';
        line += RandomArgument();
      }
      return line;
    }
    if (name == "play" || name == "is_legal") return line + " " + Colour() + " " + Point();
    if (name == "genmove" || name == "list_stones" || name == "captures" || name == "all_legal") {
      return line + " " + Colour();
    }
    if (name == "komi") return line + " 6.5";
    if (name == "boardsize") return line + (random_() % 64 == 0 ? " 19" : " 13");
    if (name == "fixed_handicap") return line + " " + std::to_string(random_() % 11);
    if (name == "set_free_handicap") return line + " " + Point() + " " + Point();
    return line;
  }

 private:
  // clang-format off
  static constexpr std::array kNames = {
      "play", "play", "play", "play", "play", "play", "play", "play", "genmove", "genmove", "undo",
      "undo", "is_legal", "list_stones", "captures", "final_score", "komi", "showboard",
      "known_command", "printsgf", "loadsgf", "name", "quit", "set_random_seed", "PLAY",
      "frobnicate", "all_legal", "boardsize", "fixed_handicap", "set_free_handicap",
      "final_status_list"};
  static constexpr std::array kColours = {"b", "w", "black", "WHITE"};
  static constexpr std::array kWords = {
      "b", "w", "black", "WHITE", "x", "pass", "Z9", "I5", "A0", "T20", "19", "13", "-1", "6.5",
      "1e400", "nan", "99999999999999999999", "0", "3", "play", "/proc/no-such-folder/game.sgf"};
  // clang-format on

  std::string Colour() { return Pick(kColours); }

  std::string Point() {
    if (random_() % 20 == 0) return "pass";
    return VertexText(static_cast<int32_t>(random_() % 19), static_cast<int32_t>(random_() % 19));
  }

  std::string RandomArgument() { return random_() % 2 == 0 ? Point() : Pick(kWords); }

  template <typename Array>
  std::string Pick(const Array& words) {
    return words[random_() % words.size()];
  }

  std::mt19937 random_;
};

bool ChangesPosition(const std::string& line) {
  for (const char* name : {"play ", "genmove ", "undo", "komi ", "boardsize ", "clear_board",
                           "loadsgf ", "fixed_handicap ", "set_free_handicap "}) {
    if (line.rfind(name, 0) == 0) return true;
  }
  return false;
}

TEST(CommandStream, KeepsTheBoardConsistentAndFailuresHarmless) {
  SeedRandom(11);
  CommandFuzzer fuzzer(5);
  GameState state;
  int succeeded = 0;
  int failed = 0;
  int changed = 0;
  int32_t longestGame = 0;
  for (int i = 0; i < 12000; ++i) {
    const std::string line = fuzzer.NextLine();
    const Position before = Snapshot(state);
    const std::string response = Respond(state, line);
    ASSERT_GE(response.size(), 3u) << "[" << line << "]";
    ASSERT_EQ(response.find("\n\n"), response.size() - 2) << line << " -> " << response;
    const bool ok = response[0] == '=';
    (ok ? succeeded : failed)++;
    const bool same = Snapshot(state) == before;
    if (!ok || !ChangesPosition(line)) {
      ASSERT_TRUE(same) << line << " -> " << response;
    }
    changed += same ? 0 : 1;
    longestGame = std::max(longestGame, state.board->moveCount);
    ASSERT_EQ(state.board->CheckConsistency(), "") << line;
    state.quit = false;
  }
  // Both kinds must be common for the stream to prove anything.
  EXPECT_GT(succeeded, 1500);
  EXPECT_GT(failed, 1500);
  EXPECT_GT(changed, 1000);
  EXPECT_GT(longestGame, 150);
}

}  // namespace
}  // namespace gtp
