// The computer player's speed: one decision on mid-game positions, and whole games against itself.
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "bench/self_play.h"
#include "engine/board.h"
#include "player/computer_player.h"

namespace {

// One decision on the position after the argument's number of moves of a fixed seeded game,
// taken back after each iteration so that every decision starts from the same stones.
void BM_ComputerMove(benchmark::State& state) {
  Zere19r19 board;
  const int32_t colour = PlaySelf(board, 2024, static_cast<int32_t>(state.range(0)));
  // The first decisions fill the pools; after them a decision must allocate nothing.
  for (int i = 0; i < 10; ++i) {
    ComputerMove(board, colour);
    board.TakeBack(false);
  }
  const uint64_t allocationsBefore = AllocationCount();
  for (auto _ : state) {
    ComputerMove(board, colour);
    board.TakeBack(false);
  }
  state.counters["allocations_per_decision"] =
      benchmark::Counter(static_cast<double>(AllocationCount() - allocationsBefore),
                         benchmark::Counter::kAvgIterations);
  state.counters["empty_points"] =
      361 - board.Record(Black).stonesOnBoard - board.Record(White).stonesOnBoard;
}
BENCHMARK(BM_ComputerMove)
    ->Arg(60)
    ->Arg(150)
    ->Arg(250)
    ->Arg(350)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Whole games from the empty board until two passes in a row, a new seed for each.
void BM_SelfPlayGame(benchmark::State& state) {
  Zere19r19 board;
  uint32_t seed = 1;
  int64_t moves = 0;
  for (auto _ : state) {
    PlaySelf(board, seed++, 1 << 30);
    moves += board.moveCount;
  }
  state.counters["games_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["moves_per_game"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SelfPlayGame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
