// The GTP front end in-process: vertices against the test support's own conversion, line
// splitting, SGF round trips, and a long stream of random commands that must keep the board
// consistent and leave the position alone whenever a command fails or only reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gtp/command_line.h"
#include "gtp/commands.h"
#include "gtp/gtp_loop.h"
#include "gtp/line_reader.h"
#include "gtp/sgf.h"
#include "gtp/vertex.h"
#include "player/computer_player.h"
#include "tests/support/gtp_process.h"

namespace gtp {
namespace {

// What a command may change: the stones, the history and the komi.
struct Position {
  std::vector<int32_t> colours;
  std::vector<std::array<int32_t, 3>> moves;  // colour, column, row of each record, oldest first.
  double komi;

  bool operator==(const Position&) const = default;
};

Position Snapshot(const GameState& state) {
  Position position{{}, {}, state.komi};
  for (const auto& column : state.board->points) {
    for (const BoardPoint& point : column)
      position.colours.push_back(point.colour);
  }
  for (const Zere19r19::gomove* move : MovesOldestFirst(*state.board))
    position.moves.push_back({move->colour, move->column, move->row});
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

// A random game of legal moves and some passes, drawn with a generator of the test's own.
void PlayRandomGame(Zere19r19& board, uint32_t seed, int records) {
  std::mt19937 random(seed);
  int32_t colour = Black;
  while (board.moveCount < records) {
    if (random() % 20 == 0) {
      board.Pass(colour);
    } else if (!board.TryMove(static_cast<int32_t>(random() % 19),
                              static_cast<int32_t>(random() % 19), colour, true)) {
      continue;
    }
    colour = -colour;
  }
}

TEST(Sgf, WrittenGamesReadBackMoveForMove) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Zere19r19 board;
    PlayRandomGame(board, seed, 250);
    SgfGame game;
    std::string error;
    ASSERT_TRUE(ReadSgf(WriteSgf(board, 6.5), game, error)) << error;
    EXPECT_EQ(game.komi, 6.5);
    const std::vector<const Zere19r19::gomove*> moves = MovesOldestFirst(board);
    ASSERT_EQ(game.moves.size(), moves.size());
    for (size_t i = 0; i < moves.size(); ++i) {
      EXPECT_EQ(game.moves[i].colour, moves[i]->colour);
      EXPECT_EQ(game.moves[i].column, moves[i]->column);
      EXPECT_EQ(game.moves[i].row, moves[i]->row);
    }
  }
}

TEST(Sgf, LoadsWhatPrintsgfWrote) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("gtp_front_end_test." + std::to_string(::getpid()));
  GameState original;
  PlayRandomGame(*original.board, 7, 300);
  ASSERT_EQ(Respond(original, "printsgf " + file.string()), "= \n\n");
  GameState loaded;
  EXPECT_EQ(Respond(loaded, "loadsgf " + file.string()), "= black\n\n");
  EXPECT_EQ(Snapshot(loaded), Snapshot(original));
  EXPECT_EQ(loaded.board->CheckConsistency(), "");
  std::filesystem::remove(file);
}

TEST(Sgf, SurvivesDeepNestingAndTruncation) {
  const std::string deep = std::string(200000, '(') + ";B[aa]" + std::string(200000, ')');
  SgfGame game;
  std::string error;
  EXPECT_TRUE(ReadSgf(deep, game, error)) << error;
  EXPECT_EQ(game.moves.size(), 1u);
  const std::string record = "(;GM[1]SZ[19];B[dd];W[pp]C[a \\] b];B[dp])";
  for (size_t length = 0; length < record.size(); ++length) {
    EXPECT_FALSE(ReadSgf(record.substr(0, length), game, error)) << length;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
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
      for (int i = 0; i < args; ++i)
        line += " " + RandomArgument();
      return line;
    }
    if (name == "play" || name == "is_legal") return line + " " + Colour() + " " + Point();
    if (name == "genmove" || name == "list_stones" || name == "captures" || name == "all_legal") {
      return line + " " + Colour();
    }
    if (name == "komi") return line + " 6.5";
    if (name == "boardsize") return line + (random_() % 64 == 0 ? " 19" : " 13");
    return line;
  }

 private:
  // clang-format off
  static constexpr std::array kNames = {
      "play", "play", "play", "play", "play", "play", "play", "play", "genmove", "genmove", "undo",
      "undo", "is_legal", "list_stones", "captures", "final_score", "komi", "showboard",
      "known_command", "printsgf", "loadsgf", "name", "quit", "set_random_seed", "PLAY",
      "frobnicate", "all_legal", "boardsize"};
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
  for (const char* name :
       {"play ", "genmove ", "undo", "komi ", "boardsize ", "clear_board", "loadsgf "}) {
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
