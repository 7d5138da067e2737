// The judgement of a finished game, on the final positions of games GNU Go played against itself
// to two passes (bench/data/finished/). One benchmark per position, so that the report shows the
// spread from the easiest to the hardest.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board.h"
#include "scoring/judgement.h"
#include "scoring/komi.h"
#include "sgf/replay.h"
#include "sgf/sgf_reader.h"

namespace {

std::vector<std::filesystem::path> FinishedGames() {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(ZADADA_FINISHED_GAMES))
    paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The final position of the game in path; an unreadable file is a broken benchmark.
std::unique_ptr<Zere19r19> FinalPosition(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  const sgf::ParsedRecord parsed = sgf::ParseSgf(text.str());
  auto board = std::make_unique<Zere19r19>();
  if (parsed.failure || sgf::ReplayGame(parsed.record, *board)) return nullptr;
  return board;
}

void BM_JudgeFinishedGame(benchmark::State& state, const std::filesystem::path& path) {
  const std::unique_ptr<Zere19r19> board = FinalPosition(path);
  if (!board) {
    state.SkipWithError("unreadable game record");
    return;
  }
  Judgement judgement;
  for (auto _ : state) {
    judgement = JudgePosition(*board);
    benchmark::DoNotOptimize(judgement);
  }
  state.counters["margin"] = judgement.Margin(EvenGameKomi);
}

}  // namespace

int main(int argc, char** argv) {
  for (const std::filesystem::path& path : FinishedGames()) {
    benchmark::RegisterBenchmark(("BM_JudgeFinishedGame/" + path.stem().string()).c_str(),
                                 BM_JudgeFinishedGame, path)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
