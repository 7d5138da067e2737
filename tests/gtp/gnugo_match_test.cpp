// Whole games of our GTP program against GNU Go, refereed move by move: every move of ours must
// be legal in GNU Go's judgment, every move of GNU Go's must be accepted by ours, and after each
// move both programs must see the same stones. Our program alternates colours across games.
//
// ZADADA_MATCH_GAMES sets the number of games in each batch; the build chooses the default.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/gtp_process.h"

namespace {

// GNU Go thinks for about a seventh of a second per move even at level 0, some 25 seconds a game,
// so the games are split into batches that ctest runs side by side.
constexpr int kBatches = ZADADA_MATCH_BATCHES;
constexpr int kDefaultGamesPerBatch = ZADADA_MATCH_GAMES_PER_BATCH;
// No real game on 361 points lasts this long; a game that does shows a fault in the referee.
constexpr int kMoveBound = 1000;
// GNU Go 3.8 now and then dies of a segmentation fault of its own in crowded positions. It is
// restarted on the game so far; a position that kills it this often ends the game unjudged.
constexpr int kGnuGoRestarts = 3;

int GamesPerBatch() {
  const char* games = std::getenv("ZADADA_MATCH_GAMES");
  return games != nullptr ? std::max(1, std::atoi(games)) : kDefaultGamesPerBatch;
}

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The points of a list_stones answer, whatever order and case the program writes them in.
std::set<std::pair<int, int>> Points(const std::string& vertices) {
  std::set<std::pair<int, int>> points;
  std::istringstream words(vertices);
  std::string vertex;
  while (words >> vertex) {
    int column = -1;
    int row = -1;
    EXPECT_TRUE(ParseGtpVertex(vertex, column, row)) << vertex;
    points.emplace(column, row);
  }
  return points;
}

struct GameResult {
  int moves = 0;
  std::string end;    // How the game ended.
  std::string score;  // Our final_score.
};

// GNU Go as referee and opponent, restarted on the game so far when it dies.
class GnuGo {
 public:
  GnuGo() { Start(); }

  // Starts a new game.
  void NewGame() {
    moves_.clear();
    Send("clear_board");
    Send("komi 7.5");
  }

  // Remembers a move both programs have played, for a restart.
  void Played(const std::string& colour, const std::string& vertex) {
    moves_.push_back("play " + colour + " " + vertex);
  }

  // Sends a command; false when GNU Go died on it too often to go on with this game.
  bool Send(const std::string& command, GtpProcess::Response* response = nullptr) {
    for (int attempt = 0; attempt <= kGnuGoRestarts; ++attempt) {
      try {
        const GtpProcess::Response answer = process_->Send(command);
        if (response != nullptr) *response = answer;
        return true;
      } catch (const std::runtime_error&) {
        std::cout << "GNU Go died on \"" << command << "\"; restarting it\n";
        Start();
        Replay();
      }
    }
    return false;
  }

 private:
  void Start() {
    process_ = std::make_unique<GtpProcess>(
        std::vector<std::string>{kGnuGoPath, "--mode", "gtp", "--level", "0"});
  }

  void Replay() {
    process_->Send("komi 7.5");
    for (const std::string& move : moves_)
      process_->Send(move);
  }

  std::unique_ptr<GtpProcess> process_;
  std::vector<std::string> moves_;
};

class Match {
 public:
  Match() : ours_({ZADADA_GTP_PATH}) {}

  // Plays one game with our program on ourColour ("black" or "white"); stops the test at the
  // first disagreement.
  GameResult Play(const std::string& ourColour, int seed) {
    EXPECT_TRUE(ours_.Send("clear_board").ok);
    EXPECT_TRUE(ours_.Send("komi 7.5").ok);
    EXPECT_TRUE(ours_.Send("set_random_seed " + std::to_string(seed)).ok);
    gnugo_.NewGame();
    GameResult result;
    int passesInARow = 0;
    std::string colour = "black";
    while (passesInARow < 2 && result.moves < kMoveBound) {
      std::string vertex;
      const bool judged = colour == ourColour ? OurMove(colour, vertex) : GnuGoMove(colour, vertex);
      if (::testing::Test::HasFailure()) return result;
      if (!judged || vertex == "resign") {
        result.end = judged ? "GNU Go resigned" : "GNU Go kept dying";
        break;
      }
      gnugo_.Played(colour, vertex);
      ++result.moves;
      passesInARow = vertex == "pass" ? passesInARow + 1 : 0;
      if (!ExpectSameStones(result.moves)) {
        result.end = "GNU Go kept dying";
        break;
      }
      colour = colour == "black" ? "white" : "black";
    }
    if (result.end.empty()) result.end = "two passes";
    EXPECT_LT(result.moves, kMoveBound) << "the game never ended";
    result.score = ours_.Send("final_score").text;
    return result;
  }

 private:
  bool OurMove(const std::string& colour, std::string& vertex) {
    const GtpProcess::Response move = ours_.Send("genmove " + colour);
    EXPECT_TRUE(move.ok) << move.text;
    vertex = Lowercase(move.text);
    EXPECT_NE(vertex, "resign") << "our program never resigns";
    if (vertex != "pass") {
      GtpProcess::Response legal;
      if (!gnugo_.Send("is_legal " + colour + " " + vertex, &legal)) return false;
      EXPECT_EQ(legal.text, "1") << "GNU Go finds our " << colour << " " << vertex << " illegal";
    }
    GtpProcess::Response played;
    if (!gnugo_.Send("play " + colour + " " + vertex, &played)) return false;
    EXPECT_TRUE(played.ok) << played.text;
    return true;
  }

  bool GnuGoMove(const std::string& colour, std::string& vertex) {
    GtpProcess::Response move;
    if (!gnugo_.Send("genmove " + colour, &move)) return false;
    EXPECT_TRUE(move.ok) << move.text;
    vertex = Lowercase(move.text);
    if (vertex == "resign") return true;
    const GtpProcess::Response played = ours_.Send("play " + colour + " " + vertex);
    EXPECT_TRUE(played.ok) << "our program refuses GNU Go's " << colour << " " << vertex << ": "
                           << played.text;
    return true;
  }

  // False when GNU Go could not be asked.
  bool ExpectSameStones(int moves) {
    for (const char* colour : {"black", "white"}) {
      const std::string command = std::string("list_stones ") + colour;
      GtpProcess::Response theirs;
      if (!gnugo_.Send(command, &theirs)) return false;
      EXPECT_EQ(Points(ours_.Send(command).text), Points(theirs.text))
          << colour << " stones differ after move " << moves;
    }
    return true;
  }

  GtpProcess ours_;
  GnuGo gnugo_;
};

class GnuGoMatch : public ::testing::TestWithParam<int> {};

TEST_P(GnuGoMatch, WholeGamesStayLegalAndInStep) {
  if (!GnuGoAvailable()) GTEST_SKIP() << "GNU Go is not installed at " << kGnuGoPath;
  Match match;
  const int games = GamesPerBatch();
  int judgedToTheEnd = 0;
  for (int i = 0; i < games; ++i) {
    const int game = GetParam() * games + i;
    const std::string ourColour = game % 2 == 0 ? "black" : "white";
    const GameResult result = match.Play(ourColour, game + 1);
    ASSERT_FALSE(HasFailure()) << "game " << game + 1 << ", ours " << ourColour;
    EXPECT_TRUE(result.score == "0" || result.score.rfind("B+", 0) == 0 ||
                result.score.rfind("W+", 0) == 0)
        << result.score;
    if (result.end != "GNU Go kept dying") ++judgedToTheEnd;
    std::cout << "game " << game + 1 << ": ours " << ourColour << ", " << result.moves << " moves, "
              << result.end << ", our count " << result.score << "\n";
  }
  // GNU Go's own crashes must not leave the match unjudged.
  EXPECT_GT(judgedToTheEnd, games / 2);
}

INSTANTIATE_TEST_SUITE_P(Batch, GnuGoMatch, ::testing::Range(0, kBatches));

}  // namespace
