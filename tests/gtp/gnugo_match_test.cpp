// Whole games of our GTP program against GNU Go, refereed move by move: every move of ours must
// be legal in GNU Go's judgment, every move of GNU Go's must be accepted by ours, and after each
// move both programs must see the same stones. Our program alternates colours across games.
//
// ZADADA_MATCH_GAMES sets the number of games; the build chooses a small default for CI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/gtp_process.h"

namespace {

// GNU Go thinks for about a fifth of a second per move even at level 0, some 30 seconds a game,
// so CI plays only a few whole games; set ZADADA_MATCH_GAMES for a longer run.
constexpr int kDefaultGames = ZADADA_MATCH_DEFAULT_GAMES;
// No real game on 361 points lasts this long; a game that does shows a fault in the referee.
constexpr int kMoveBound = 1000;

int GamesToPlay() {
  const char* games = std::getenv("ZADADA_MATCH_GAMES");
  return games != nullptr ? std::max(1, std::atoi(games)) : kDefaultGames;
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
  bool resigned = false;
  std::string score;  // Our final_score.
};

class Match {
 public:
  Match() : ours_({ZADADA_GTP_PATH}), gnugo_({kGnuGoPath, "--mode", "gtp", "--level", "0"}) {}

  // Plays one game with our program on ourColour ("black" or "white"); stops the test at the
  // first disagreement.
  GameResult Play(const std::string& ourColour, int seed) {
    for (GtpProcess* program : {&ours_, &gnugo_}) {
      EXPECT_TRUE(program->Send("clear_board").ok);
      EXPECT_TRUE(program->Send("komi 7.5").ok);
    }
    EXPECT_TRUE(ours_.Send("set_random_seed " + std::to_string(seed)).ok);
    GameResult result;
    int passesInARow = 0;
    std::string colour = "black";
    while (passesInARow < 2 && result.moves < kMoveBound) {
      const std::string vertex = colour == ourColour ? OurMove(colour) : GnuGoMove(colour);
      if (::testing::Test::HasFailure()) return result;
      if (vertex == "resign") {
        result.resigned = true;
        break;
      }
      ++result.moves;
      passesInARow = vertex == "pass" ? passesInARow + 1 : 0;
      ExpectSameStones(result.moves);
      colour = colour == "black" ? "white" : "black";
    }
    EXPECT_LT(result.moves, kMoveBound) << "the game never ended";
    result.score = ours_.Send("final_score").text;
    return result;
  }

 private:
  std::string OurMove(const std::string& colour) {
    const GtpProcess::Response move = ours_.Send("genmove " + colour);
    EXPECT_TRUE(move.ok) << move.text;
    const std::string vertex = Lowercase(move.text);
    EXPECT_NE(vertex, "resign") << "our program never resigns";
    if (vertex != "pass") {
      EXPECT_EQ(gnugo_.Send("is_legal " + colour + " " + vertex).text, "1")
          << "GNU Go finds our " << colour << " " << vertex << " illegal";
    }
    EXPECT_TRUE(gnugo_.Send("play " + colour + " " + vertex).ok);
    return vertex;
  }

  std::string GnuGoMove(const std::string& colour) {
    const GtpProcess::Response move = gnugo_.Send("genmove " + colour);
    EXPECT_TRUE(move.ok) << move.text;
    const std::string vertex = Lowercase(move.text);
    if (vertex == "resign") return vertex;
    const GtpProcess::Response played = ours_.Send("play " + colour + " " + vertex);
    EXPECT_TRUE(played.ok) << "our program refuses GNU Go's " << colour << " " << vertex << ": "
                           << played.text;
    return vertex;
  }

  void ExpectSameStones(int moves) {
    for (const char* colour : {"black", "white"}) {
      const std::string command = std::string("list_stones ") + colour;
      EXPECT_EQ(Points(ours_.Send(command).text), Points(gnugo_.Send(command).text))
          << colour << " stones differ after move " << moves;
    }
  }

  GtpProcess ours_;
  GtpProcess gnugo_;
};

TEST(GnuGoMatch, WholeGamesStayLegalAndInStep) {
  if (!GnuGoAvailable()) GTEST_SKIP() << "GNU Go is not installed at " << kGnuGoPath;
  Match match;
  const int games = GamesToPlay();
  for (int game = 0; game < games; ++game) {
    const std::string ourColour = game % 2 == 0 ? "black" : "white";
    const GameResult result = match.Play(ourColour, game + 1);
    ASSERT_FALSE(HasFailure()) << "game " << game + 1 << ", ours " << ourColour;
    EXPECT_TRUE(result.score == "0" || result.score.rfind("B+", 0) == 0 ||
                result.score.rfind("W+", 0) == 0)
        << result.score;
    std::cout << "game " << game + 1 << ": ours " << ourColour << ", " << result.moves << " moves, "
              << (result.resigned ? "GNU Go resigned" : "two passes") << ", our count "
              << result.score << "\n";
  }
}

}  // namespace
