// Starts the real program under a virtual X server, clicks the first 24 moves of a game onto the
// board and saves a picture of the main window: the README's screenshot.
#include <QCoreApplication>
#include <cstdio>
#include <utility>

#include "tools/screenshot/board_on_screen.h"
#include "tools/screenshot/x_session.h"

namespace {

// Alternate play, Black first: four corners, sides, and a fight starting at the bottom.
constexpr std::pair<int, int> Game[] = {{15, 3}, {3, 15}, {15, 15}, {3, 3},   {16, 9},  {2, 9},
                                        {9, 16}, {9, 2},  {13, 16}, {16, 13}, {14, 14}, {17, 14},
                                        {5, 16}, {3, 12}, {12, 3},  {6, 3},   {9, 9},   {2, 6},
                                        {16, 5}, {5, 2},  {15, 12}, {10, 15}, {11, 15}, {10, 14}};

int Fail(const char* message) {
  std::fprintf(stderr, "screenshot_game: %s\n", message);
  return 1;
}

// Waits until the last stone shows with its mark, so the picture catches the finished position.
bool AwaitLastStone(XSession& session, const BoardOnScreen& board) {
  const auto [column, row] = Game[std::size(Game) - 1];
  return session.AwaitScreen(
      [&](const QImage& screen) {
        return StoneAt(screen, board, column, row) == 'O' && MarkedAt(screen, board, column, row);
      },
      5000);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 3) {
    std::fputs("usage: screenshot_game PROGRAM OUTPUT.png\n", stderr);
    return 2;
  }
  if (!MissingTools().isEmpty()) return Fail("needs Xvfb, xdotool and ImageMagick's import");
  XSession session;
  if (!session.Running()) return Fail("Xvfb did not start");
  if (!session.StartProgram(QString::fromLocal8Bit(argv[1]), MainWindowTitle))
    return Fail("the main window did not appear");
  const std::optional<BoardOnScreen> board = FindBoard(session.Screenshot());
  if (!board) return Fail("no board on the screen");
  for (const auto& [column, row] : Game) {
    if (!session.Click(board->Intersection(column, row))) return Fail("a click failed");
  }
  if (!AwaitLastStone(session, *board)) return Fail("the last stone did not appear");
  const QImage window = session.WindowShot();
  if (window.isNull() || !window.save(QString::fromLocal8Bit(argv[2]), "PNG"))
    return Fail("cannot save the picture");
  return 0;
}
