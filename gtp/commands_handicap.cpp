// Handicap stones: placed by the engine or by the controller, only on an empty board. They are
// setup stones: Black's oldest history records, so White moves next, and below the undo floor.
#include <algorithm>
#include <vector>

#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "player/computer_player.h"

namespace gtp {
namespace {

// The most handicap stones GTP lets a board of boardSize lines have: all its points but one.
int64_t MostStones(int32_t boardSize) {
  return int64_t{boardSize} * boardSize - 1;
}

// Puts Black stones on distinct empty points of an empty board as its setup.
Reply PlaceHandicap(GameState& state, const std::vector<Vertex>& points) {
  for (const Vertex& point : points) {
    // Black stones alone on a board always keep a liberty, so only a bug could get here; the
    // board was empty, so a new game restores it.
    if (!state.board->TryMove(point.column, point.row, Black, true)) {
      state.NewGame();
      return Failure("bad vertex list");
    }
  }
  const auto stones = static_cast<int32_t>(points.size());
  state.setup = {stones, stones};
  return Success();
}

std::string VertexTexts(const std::vector<Vertex>& points, int32_t boardSize) {
  std::string text;
  for (const Vertex& point : points) {
    if (!text.empty()) text += ' ';
    text += VertexText(point.column, point.row, boardSize);
  }
  return text;
}

// Where a board has no fixed handicap points, the engine's choice: the computer's own moves for
// Black, up to stones of them, fewer once it finds none worth playing.
std::vector<Vertex> ComputerChoice(Zere19r19& board, int64_t stones) {
  std::vector<Vertex> points;
  while (std::ssize(points) < stones) {
    ComputerMove(board, Black);
    const Zere19r19::gomove& newest = *board.Newest();
    if (newest.column < 0) break;
    points.push_back({newest.column, newest.row});
  }
  while (board.moveCount > 0)
    board.TakeBack(false);
  return points;
}

// The handicap stones asked for, 2 to mostStones of them: on the standard points, as many as the
// board takes, or by the engine's own choice on a board that has none.
Reply PlaceStandard(GameState& state, const Args& args, int64_t mostStones) {
  int64_t stones = 0;
  if (args.size() != 1 || !ParseInteger(args[0], stones)) return SyntaxError();
  if (stones < 2 || stones > mostStones) return Failure("invalid number of stones");
  if (state.board->moveCount != 0) return Failure("board not empty");
  const int32_t boardSize = state.board->BoardSize();
  const int32_t fixed = MostFixedHandicap(boardSize);
  const std::vector<Vertex> points =
      fixed > 0 ? StandardHandicapPoints(std::min<int64_t>(stones, fixed), boardSize)
                : ComputerChoice(*state.board, stones);
  const Reply placed = PlaceHandicap(state, points);
  return placed.ok ? Success(VertexTexts(points, boardSize)) : placed;
}

bool HasPassOrRepeat(const std::vector<Vertex>& points) {
  bool seen[BoardLines][BoardLines] = {};
  for (const Vertex& point : points) {
    if (point.IsPass() || seen[point.column][point.row]) return true;
    seen[point.column][point.row] = true;
  }
  return false;
}

}  // namespace

Reply FixedHandicap(GameState& state, const Args& args) {
  return PlaceStandard(state, args, MostFixedHandicap(state.board->BoardSize()));
}

Reply PlaceFreeHandicap(GameState& state, const Args& args) {
  // GTP lets the engine place fewer stones than asked; it places at most the standard ones.
  return PlaceStandard(state, args, MostStones(state.board->BoardSize()));
}

Reply SetFreeHandicap(GameState& state, const Args& args) {
  const int32_t boardSize = state.board->BoardSize();
  std::vector<Vertex> points(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    if (!ParseVertex(args[i], points[i], boardSize)) return SyntaxError();
  }
  if (state.board->moveCount != 0) return Failure("board not empty");
  const auto stones = static_cast<int64_t>(points.size());
  if (stones < 2 || stones > MostStones(boardSize) || HasPassOrRepeat(points)) {
    return Failure("bad vertex list");
  }
  return PlaceHandicap(state, points);
}

}  // namespace gtp
