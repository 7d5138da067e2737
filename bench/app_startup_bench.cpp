// Start-up until the first frame: from starting the program's process until its board has been
// painted once, on the offscreen platform (or the display given by QT_QPA_PLATFORM).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include "bench/app_bench_support.h"

namespace {

void BM_StartUntilFirstFrame(benchmark::State& state) {
  const QString child = QCoreApplication::applicationDirPath() + "/app_first_frame";
  for (auto _ : state) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(child, {});
    bool painted = false;
    while (!painted && process.waitForReadyRead(10000))
      painted = process.readAll().contains("first frame");
    const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    process.waitForFinished(10000);
    if (!painted) {
      state.SkipWithError("the program painted no first frame");
      return;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_StartUntilFirstFrame)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithApplication(argc, argv);
}
