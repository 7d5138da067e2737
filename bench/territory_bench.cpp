// The area count's speed: both colours counted, as after every action, on mid-game positions.
#include <benchmark/benchmark.h>

#include "bench/self_play.h"
#include "engine/board.h"
#include "scoring/territory.h"

namespace {

// Black's count then White's on the position after the argument's number of moves of a fixed
// seeded game of the computer against itself.
void BM_CountBothColours(benchmark::State& state) {
  Zere19r19 board;
  PlaySelf(board, 2024, static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountTerritory(board, Black));
    benchmark::DoNotOptimize(CountTerritory(board, White));
  }
  state.counters["black_area"] = board.Record(Black).territoryCount;
  state.counters["white_area"] = board.Record(White).territoryCount;
}
BENCHMARK(BM_CountBothColours)
    ->Arg(60)
    ->Arg(150)
    ->Arg(250)
    ->Arg(350)
    ->Arg(450)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
