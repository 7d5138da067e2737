// The real program, started from an empty folder under a virtual X server so that it has to find
// its pictures beside itself: clicks on the board place alternating stones, a capture takes a
// stone off, Undo puts it back, a click on an occupied point changes nothing. Every step is checked
// on all 361 points of a screenshot. Exits 77 (skipped) when the X tools are not installed.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "tests/e2e/board_on_screen.h"
#include "tests/e2e/x_session.h"

namespace {

constexpr int Skipped = 77;
constexpr int RepaintMs = 5000;

// The Undo button's centre from the intersection at (0, 0): the button's centre at (429, 324) of
// the client area, less the board at (16, 24) and its first intersection.
const QPoint UndoFromBoard = QPoint(429, 324) - QPoint(16, 24) - QPoint(GridOriginX, GridOriginY);

// What the board should show: the stones by point, and the one stone with the last-move mark.
struct ExpectedBoard {
  std::map<std::pair<int, int>, char> stones;
  std::optional<std::pair<int, int>> marked;
};

// The first difference between the screenshot and the expectation, or an empty string.
QString Difference(const QImage& screen, const BoardOnScreen& board,
                   const ExpectedBoard& expected) {
  for (int column = 0; column < 19; ++column) {
    for (int row = 0; row < 19; ++row) {
      const auto found = expected.stones.find({column, row});
      const char want = found == expected.stones.end() ? '.' : found->second;
      const char seen = StoneAt(screen, board, column, row);
      if (seen != want)
        return QString("(%1, %2) shows '%3', expected '%4'")
            .arg(column)
            .arg(row)
            .arg(seen)
            .arg(want);
      const bool marked = expected.marked == std::pair{column, row};
      if (want != '.' && MarkedAt(screen, board, column, row) != marked)
        return QString("(%1, %2) %3 the last-move mark")
            .arg(column)
            .arg(row)
            .arg(marked ? "lacks" : "wrongly carries");
    }
  }
  return QString();
}

// Waits until the board shows what is expected, giving the program ample time to repaint; the
// last difference found, or an empty string.
QString AwaitBoard(XSession& session, const BoardOnScreen& board, const ExpectedBoard& expected) {
  QString difference = "no screenshot";
  session.AwaitScreen(
      [&](const QImage& screen) {
        difference = Difference(screen, board, expected);
        return difference.isEmpty();
      },
      RepaintMs);
  return difference;
}

int Fail(XSession& session, const QString& message) {
  std::fprintf(stderr, "FAILED: %s\n", qPrintable(message));
  const QString errors = session.ProgramErrors();
  if (!errors.isEmpty()) std::fprintf(stderr, "program's errors:\n%s\n", qPrintable(errors));
  const QImage screen = session.Screenshot();
  if (!screen.isNull() && screen.save("board_clicks_failure.png"))
    std::fprintf(stderr, "screen saved as %s\n",
                 qPrintable(QDir().absoluteFilePath("board_clicks_failure.png")));
  return 1;
}

struct Step {
  const char* what;
  std::optional<std::pair<int, int>> click;  // A point of the board, or the Undo button.
  ExpectedBoard expected;                    // What the board shows afterwards.
};

// Alternate play from the empty board: Black starts.
const Step Steps[] = {
    {"Black on (3, 3)", std::pair{3, 3}, {{{{3, 3}, 'X'}}, std::pair{3, 3}}},
    {"White on (15, 15)", std::pair{15, 15}, {{{{3, 3}, 'X'}, {{15, 15}, 'O'}}, std::pair{15, 15}}},
    {"Black on (1, 0)",
     std::pair{1, 0},
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}}, std::pair{1, 0}}},
    {"White in the corner",
     std::pair{0, 0},
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}, {{0, 0}, 'O'}}, std::pair{0, 0}}},
    {"Black captures the corner stone",
     std::pair{0, 1},
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}, {{0, 1}, 'X'}}, std::pair{0, 1}}},
    {"Undo puts the corner stone back",
     std::nullopt,
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}, {{0, 0}, 'O'}}, std::pair{0, 0}}},
    {"a click on an occupied point changes nothing",
     std::pair{3, 3},
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}, {{0, 0}, 'O'}}, std::pair{0, 0}}},
    {"Black on (2, 2) after all that",
     std::pair{2, 2},
     {{{{3, 3}, 'X'}, {{15, 15}, 'O'}, {{1, 0}, 'X'}, {{0, 0}, 'O'}, {{2, 2}, 'X'}},
      std::pair{2, 2}}},
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: board_clicks_test PROGRAM\n", stderr);
    return 2;
  }
  if (const QStringList missing = MissingTools(); !missing.isEmpty()) {
    std::printf("SKIPPED: not installed: %s\n", qPrintable(missing.join(", ")));
    return Skipped;
  }
  XSession session;
  if (!session.Running()) return Fail(session, "Xvfb did not start");
  if (!session.StartProgram(QString::fromLocal8Bit(argv[1]), MainWindowTitle))
    return Fail(session, "the main window did not appear");
  const std::optional<BoardOnScreen> board = FindBoard(session.Screenshot());
  if (!board) return Fail(session, "no empty board on the screen");
  if (const QString difference = AwaitBoard(session, *board, {}); !difference.isEmpty())
    return Fail(session, "at start: " + difference);
  for (const Step& step : Steps) {
    const QPoint target = step.click ? board->Intersection(step.click->first, step.click->second)
                                     : board->origin + UndoFromBoard;
    if (!session.Click(target)) return Fail(session, QString("cannot click for ") + step.what);
    const QString difference = AwaitBoard(session, *board, step.expected);
    if (!difference.isEmpty()) return Fail(session, QString(step.what) + ": " + difference);
    std::printf("ok: %s\n", step.what);
  }
  if (!QDir(session.WorkingFolder())
           .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
    return Fail(session, "the program wrote into its working folder");
  return 0;
}
