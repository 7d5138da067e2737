// A board click in the real main window with the computer playing White: the person's stone, the
// computer's answer, both area counts and the status panel, and the repaint that shows them.
#include <QMouseEvent>
#include <algorithm>
#include <array>
#include <random>

#include "bench/app_bench_support.h"

namespace {

// The board's points in a fixed shuffled order, so the game spreads over the whole board.
std::array<GridPoint, 361> ClickOrder() {
  std::array<GridPoint, 361> order;
  for (int32_t i = 0; i < 361; ++i)
    order[i] = {i / BoardLines, i % BoardLines};
  std::shuffle(order.begin(), order.end(), std::mt19937(361));
  return order;
}

void Press(QWidget& board, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&board, &press);
}

// A game of the person as Black against the computer, one click per iteration on the next empty
// point of the order; a new game, not timed, once the board is crowded.
void BM_ClickWithComputerAnswer(benchmark::State& state) {
  const auto windows = OpenProgramWindows();
  GameController& controller = windows->Form1.Controller();
  controller.ctwClick();
  auto* board = windows->Form1.findChild<QWidget*>(QStringLiteral("Image1"));
  const std::array<GridPoint, 361> order = ClickOrder();
  size_t next = 0;
  int64_t records = 0;  // Added by the timed clicks: two each when the computer answers.
  for (auto _ : state) {
    const Zere19r19& game = controller.Board();
    while (next < order.size() && game.points[order[next].column][order[next].row].colour != Empty)
      ++next;
    if (next == order.size() || game.moveCount > 200) {
      state.PauseTiming();
      controller.Button3Click();
      QCoreApplication::processEvents();
      next = 0;
      state.ResumeTiming();
    }
    const int32_t before = game.moveCount;
    // The point is passed over afterwards even when the move is refused.
    const GridPoint point = order[next++];
    Press(*board, QPoint(PixelX(point.column), PixelY(point.row)));
    QCoreApplication::processEvents();
    records += game.moveCount - before;
  }
  state.counters["records_per_click"] =
      static_cast<double>(records) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ClickWithComputerAnswer)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return RunWithApplication(argc, argv);
}
