// The rules engine's speed where the computer player spends its time: trial pairs (a move tried
// without drawing and taken back) on every empty point of mid-game positions, and whole games
// played and taken back. Both report allocations per iteration, which must be 0 once warm.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/allocation_counter.h"
#include "bench/random_play.h"
#include "engine/board.h"

namespace {

struct Point {
  int32_t column;
  int32_t row;
};

std::vector<Point> EmptyPoints(const Zere19r19& board) {
  std::vector<Point> points;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      if (board.points[c][r].colour == Empty) points.push_back({c, r});
    }
  }
  return points;
}

// One trial at each point for colour, taking back the legal ones; returns how many were legal.
int64_t TryEach(Zere19r19& board, const std::vector<Point>& points, int32_t colour) {
  int64_t legal = 0;
  for (const Point& p : points) {
    if (board.TryMove(p.column, p.row, colour, false)) {
      board.TakeBack(false);
      ++legal;
    }
  }
  return legal;
}

void ReportAllocations(benchmark::State& state, uint64_t before) {
  state.counters["allocations_per_iteration"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}

// Every empty point of the position after a number of moves of a fixed seeded game, tried for
// the colour to move. An item is one trial: a refused move is taken back inside TryMove. The game
// is uniformly random (fights 0) or biased towards fights (fights 1), which makes larger groups.
void BM_TrialPairs(benchmark::State& state) {
  Zere19r19 board;
  const int moves = static_cast<int>(state.range(0));
  if (state.range(1) == 0) {
    PlayUniformRandomMoves(board, 2024, moves);
  } else {
    PlayFightingMoves(board, 2024, moves);
  }
  const std::vector<Point> points = EmptyPoints(board);
  const int32_t colour = -board.history->colour;
  TryEach(board, points, colour);  // Fills the free lists.
  int64_t legal = 0;
  const uint64_t before = AllocationCount();
  for (auto _ : state) {
    legal += TryEach(board, points, colour);
    benchmark::ClobberMemory();
  }
  ReportAllocations(state, before);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
  state.counters["empty_points"] = static_cast<double>(points.size());
  state.counters["legal_share"] =
      static_cast<double>(legal) / static_cast<double>(state.iterations() * points.size());
}
BENCHMARK(BM_TrialPairs)->ArgNames({"moves", "fights"})->ArgsProduct({{100, 200, 300}, {0, 1}});

// The moves of a fixed seeded uniformly random game, replayed from the empty board and then all
// taken back. An item is one move played and taken back.
void BM_WholeGame(benchmark::State& state) {
  Zere19r19 board;
  PlayUniformRandomMoves(board, 77, static_cast<int>(state.range(0)));
  std::vector<Zere19r19::gomove> moves;
  for (const Zere19r19::gomove* m = board.Newest(); m != nullptr; m = m->prev)
    moves.insert(moves.begin(), *m);
  while (board.moveCount > 0)
    board.TakeBack(false);
  const uint64_t before = AllocationCount();
  for (auto _ : state) {
    for (const Zere19r19::gomove& m : moves)
      board.TryMove(m.column, m.row, m.colour, true);
    while (board.moveCount > 0)
      board.TakeBack(false);
    benchmark::ClobberMemory();
  }
  ReportAllocations(state, before);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(moves.size()));
}
BENCHMARK(BM_WholeGame)->Arg(300);

}  // namespace

BENCHMARK_MAIN();
