// One seeded stream of play and undo commands, fed to our GTP program and to GNU Go in the same
// run; prints both times and their ratio.
//
// Usage: gtp_play_undo_bench [ZADADA_GTP [COMMANDS [SEED]]]
//
// The stream is made once, on our rules engine: legal moves of alternating colours, with undo
// more likely the longer the game grows, so that games stay between empty and crowded. Each
// program gets the whole stream through its pipe while the responses are read as they come, so
// the figures are the programs' own work rather than one round trip per command. Each program
// runs the stream three times, alternating with the other, and the best time counts, since other
// work on the machine only ever adds time. Every response is checked; a refused command is
// counted and reported.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bench/gtp_process.h"
#include "engine/board.h"

namespace {

// Undo comes with probability depth / UndoScale, so games hover around a third of this depth.
constexpr int UndoScale = 600;
// Runs of each program; the best one counts.
constexpr int RunCount = 3;

struct Stream {
  std::string text;  // Every command, one per line.
  int commands = 0;
  int undos = 0;
};

// A legal point for colour chosen at random, or a pass when many draws find none.
std::string RandomLegalMove(Zere19r19& board, int32_t colour, std::mt19937& random) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto column = static_cast<int32_t>(random() % BoardLines);
    const auto row = static_cast<int32_t>(random() % BoardLines);
    if (board.TryMove(column, row, colour, true)) return GtpVertex(column, row);
  }
  board.Pass(colour);
  return "pass";
}

Stream MakeStream(int commands, uint32_t seed) {
  Stream stream;
  Zere19r19 board;
  std::mt19937 random(seed);
  for (; stream.commands < commands; ++stream.commands) {
    if (board.moveCount > 0 && static_cast<int>(random() % UndoScale) < board.moveCount) {
      board.TakeBack(false);
      stream.text += "undo\n";
      ++stream.undos;
      continue;
    }
    const int32_t colour = -board.history->colour;
    const std::string vertex = RandomLegalMove(board, colour, random);
    stream.text += std::string(colour == Black ? "play b " : "play w ") + vertex + "\n";
  }
  return stream;
}

struct Timing {
  double seconds = 0.0;
  int refused = 0;
};

// Feeds the stream to a freshly started program and reads every response.
Timing Run(const std::vector<std::string>& argv, const Stream& stream) {
  GtpProcess program(argv);
  program.Send("name");  // Start-up is not part of the figure.
  Timing timing;
  const auto start = std::chrono::steady_clock::now();
  std::thread writer([&] { program.Write(stream.text); });
  for (int i = 0; i < stream.commands; ++i) {
    if (!program.Read().ok) ++timing.refused;
  }
  writer.join();
  timing.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return timing;
}

// The best of RunCount runs of each program, run by turns.
std::pair<Timing, Timing> BestOfRuns(const std::vector<std::string>& first,
                                     const std::vector<std::string>& second, const Stream& stream) {
  Timing bestFirst{1e300, 0};
  Timing bestSecond{1e300, 0};
  for (int run = 0; run < RunCount; ++run) {
    for (auto [argv, best] : {std::pair{&first, &bestFirst}, std::pair{&second, &bestSecond}}) {
      const Timing timing = Run(*argv, stream);
      best->seconds = std::min(best->seconds, timing.seconds);
      best->refused = std::max(best->refused, timing.refused);
    }
  }
  return {bestFirst, bestSecond};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string ours = argc > 1 ? argv[1] : ZADADA_GTP_PATH;
  const int commands = argc > 2 ? std::stoi(argv[2]) : 40000;
  const auto seed = static_cast<uint32_t>(argc > 3 ? std::stoul(argv[3]) : 1);
  if (!GnuGoAvailable()) {
    std::fprintf(stderr, "GNU Go is not installed at %s\n", GnuGoPath);
    return 1;
  }
  const Stream stream = MakeStream(commands, seed);
  std::printf("stream: %d commands (%d play, %d undo), seed %u\n", stream.commands,
              stream.commands - stream.undos, stream.undos, seed);
  const auto [our, gnugo] =
      BestOfRuns({ours}, {GnuGoPath, "--mode", "gtp", "--level", "0"}, stream);
  std::printf("zadada-gtp: %.3f s, %d refused\n", our.seconds, our.refused);
  std::printf("gnugo:      %.3f s, %d refused\n", gnugo.seconds, gnugo.refused);
  std::printf("ratio (gnugo / zadada-gtp): %.1f\n", gnugo.seconds / our.seconds);
  return our.refused == 0 && gnugo.refused == 0 ? 0 : 1;
}
