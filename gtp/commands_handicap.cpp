// Handicap stones: placed by the engine or by the controller, only on an empty board. They are
// setup stones: Black's oldest history records, so White moves next, and below the undo floor.
#include <algorithm>
#include <vector>

#include "gtp/arguments.h"
#include "gtp/commands.h"

namespace gtp {
namespace {

constexpr int64_t MostStandardStones = MostStandardHandicap;
constexpr int64_t MostStones = BoardLines * BoardLines - 1;

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

std::string VertexTexts(const std::vector<Vertex>& points) {
  std::string text;
  for (const Vertex& point : points) {
    if (!text.empty()) text += ' ';
    text += VertexText(point.column, point.row);
  }
  return text;
}

// Handicap stones at the standard points; the engine's choice for place_free_handicap too.
Reply PlaceStandard(GameState& state, const Args& args, int64_t mostStones) {
  int64_t stones = 0;
  if (args.size() != 1 || !ParseInteger(args[0], stones)) return SyntaxError();
  if (stones < 2 || stones > mostStones) return Failure("invalid number of stones");
  if (state.board->moveCount != 0) return Failure("board not empty");
  const std::vector<Vertex> points = StandardHandicapPoints(std::min(stones, MostStandardStones));
  const Reply placed = PlaceHandicap(state, points);
  return placed.ok ? Success(VertexTexts(points)) : placed;
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
  return PlaceStandard(state, args, MostStandardStones);
}

Reply PlaceFreeHandicap(GameState& state, const Args& args) {
  // GTP lets the engine place fewer stones than asked; it places at most the standard nine.
  return PlaceStandard(state, args, MostStones);
}

Reply SetFreeHandicap(GameState& state, const Args& args) {
  std::vector<Vertex> points(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    if (!ParseVertex(args[i], points[i])) return SyntaxError();
  }
  if (state.board->moveCount != 0) return Failure("board not empty");
  const auto stones = static_cast<int64_t>(points.size());
  if (stones < 2 || stones > MostStones || HasPassOrRepeat(points)) {
    return Failure("bad vertex list");
  }
  return PlaceHandicap(state, points);
}

}  // namespace gtp
