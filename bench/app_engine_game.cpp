// A whole game between two GTP engines through the main window's controller, on the offscreen
// platform: its time, and the longest the event loop went without turning while an engine thought
// (a 1 ms timer notes each turn). Prints one line; not a test, the figures depend on the machine.
//
//   app_engine_game [BLACK-ENGINE [WHITE-ENGINE]]   (zadada-gtp against GNU Go by default)
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "app/opponents/gtp_client.h"
#include "app/program.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  const QString black = arguments.value(1, QStringLiteral(ZADADA_GTP_PATH));
  const QString white = arguments.value(2, QStringLiteral("/usr/games/gnugo --mode gtp"));
  PrepareApplication();
  qint64 longestWhileThinking = 0, longest = 0;
  int slowTicks = 0;  // Gaps over 50 ms while an engine thought.
  {
    ProgramWindows windows(QCoreApplication::applicationDirPath());
    windows.Form1.show();
    GameController& game = windows.Form1.Controller();
    QElapsedTimer clock, sinceTick;
    QTimer ticks;
    ticks.setInterval(1);
    // The move count at the last tick while an engine thought, -1 otherwise: a gap counts as the
    // engine's only when it thought at both ends and no move came in between, which the window
    // would have drawn.
    int32_t thinkingAt = -1;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
      const qint64 gap = sinceTick.restart();
      longest = std::max(longest, gap);
      const int32_t moves = game.Waiting() != Empty ? game.Board().moveCount : -1;
      if (moves >= 0 && moves == thinkingAt) {
        longestWhileThinking = std::max(longestWhileThinking, gap);
        slowTicks += gap > 50 ? 1 : 0;
      }
      thinkingAt = moves;
      if (!game.RecordOfGame().result.empty() || game.SeatOf(Black) == Seat::Person ||
          game.SeatOf(White) == Seat::Person)
        QCoreApplication::exit(0);  // Not quit(): closing the window would ask to save the game.
    });
    clock.start();
    sinceTick.start();
    ticks.start();
    game.SetOpponentPace(0);
    game.StartGame({{Seat::Engine, black}, {Seat::Engine, white}});
    QApplication::exec();
    std::printf(
        "%s against %s: %d records in %.1f s, result %s; event loop blocked at most "
        "%lld ms while an engine thought (%d times over 50 ms), %lld ms at all\n",
        qPrintable(black), qPrintable(white), game.Board().moveCount,
        static_cast<double>(clock.elapsed()) / 1000.0, game.RecordOfGame().result.c_str(),
        longestWhileThinking, slowTicks, longest);
  }
  EndEnginesLeft();
  return 0;
}
