// The main window's resident memory right after start-up and after 10,000 new games, each after
// a move of both colours, through the Clear All button and its question: it should stay flat.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "bench/app_bench_support.h"

namespace {

// One new game after a stone of each colour, through the Clear All button, the question whether
// to save the game (answered Discard) and a repaint.
void PlayAndClear(GameController& controller, QPushButton& clearAll, int game) {
  controller.Image1MouseDown(PixelX(game % BoardLines), PixelY(3));
  controller.Image1MouseDown(PixelX(game % BoardLines), PixelY(15));
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(QMessageBox::Discard)->click();
  });
  clearAll.click();
  QCoreApplication::processEvents();
}

// Reports the memory after start-up, after the first 1,000 games (allocator and caches warm)
// and after 10,000: flat means the last two agree.
void BM_ResidentMemoryOverClearAll(benchmark::State& state) {
  for (auto _ : state) {
    const auto windows = OpenProgramWindows();
    state.counters["rss_start_MiB"] = ResidentMiB();
    GameController& controller = windows->Form1.Controller();
    auto* clearAll = windows->Form1.findChild<QPushButton*>(QStringLiteral("Button3"));
    for (int game = 0; game < 10000; ++game) {
      if (game == 1000) state.counters["rss_after_1000_MiB"] = ResidentMiB();
      PlayAndClear(controller, *clearAll, game);
    }
    state.counters["rss_after_10000_MiB"] = ResidentMiB();
  }
}
BENCHMARK(BM_ResidentMemoryOverClearAll)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithApplication(argc, argv);
}
