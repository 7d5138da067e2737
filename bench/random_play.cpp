#include "bench/random_play.h"

#include <algorithm>

#include "engine/neighbours.h"

namespace {
// Recent stones a new try may land next to, and how far from them.
constexpr int RecentStones = 4;
constexpr int32_t Reach = 2;
constexpr int AttemptsAtAnEmptyPoint = 4;
}  // namespace

uint32_t RandomPlay::Below(uint32_t n) {
  if (n == 0) return 0;
  return static_cast<uint32_t>(generator_() % n);
}

PointToTry RandomPlay::ChoosePoint(const Zere19r19& board, const PlayArea& area) {
  PointToTry point{};
  if (Percent(50) && PointInLastCapture(board, point)) return point;
  // Captures are what make the rare cases, and a capture that invites a snapback is rarer still.
  const Capture capture = CapturingPoint(board, area, point);
  if (capture == Capture::InvitingSnapback && Percent(75)) return point;
  if (capture == Capture::Plain && Percent(40)) return point;
  // Occupied points are refused at once, so a few of them are worth trying and many are not.
  for (int attempt = 0; attempt < AttemptsAtAnEmptyPoint; ++attempt) {
    if (!(Percent(75) && PointNearRecentStone(board, area, point))) point = UniformPoint(area);
    if (board.points[point.column][point.row].colour == Empty) break;
  }
  return point;
}

PointToTry RandomPlay::UniformPoint(const PlayArea& area) {
  const uint32_t size = static_cast<uint32_t>(area.size);
  return PointToTry{area.left + static_cast<int32_t>(Below(size)),
                    area.top + static_cast<int32_t>(Below(size))};
}

bool RandomPlay::PointInLastCapture(const Zere19r19& board, PointToTry& point) {
  const Zere19r19::gomove* newest = board.Newest();
  if (newest == nullptr || newest->capturedStones == 0) return false;
  // The captured points next to the capturing stone are where a retake would be: ko or snapback.
  if (Percent(60)) {
    int32_t directions[4];
    uint32_t count = 0;
    for (int32_t d = 0; d < 4; ++d) {
      if (newest->captured[d] != nullptr) directions[count++] = d;
    }
    const int32_t d = directions[Below(count)];
    point = PointToTry{newest->column + DirectionColumn[d], newest->row + DirectionRow[d]};
    return true;
  }
  uint32_t pick = Below(static_cast<uint32_t>(newest->capturedStones));
  for (const StoneGroup* group : newest->captured) {
    if (group == nullptr) continue;
    const StoneNode* stone = group->firstStone;
    do {
      if (pick-- == 0) {
        point = PointToTry{stone->column, stone->row};
        return true;
      }
      stone = stone->next;
    } while (stone != group->firstStone);
  }
  return false;
}

namespace {

// A lone stone that takes two or more stones through one side only is left in atari: its
// capture in turn is a snapback.
bool InvitesSnapback(const CaptureShape& shape) {
  return shape.capturedStones >= 2 && shape.capturingSides == 1 && shape.emptySides == 0 &&
         shape.ownSides == 0;
}

}  // namespace

RandomPlay::Capture RandomPlay::CapturingPoint(const Zere19r19& board, const PlayArea& area,
                                               PointToTry& point) {
  const int32_t colour = -board.history->colour;
  const uint32_t size = static_cast<uint32_t>(area.size);
  const uint32_t points = size * size;
  const uint32_t start = Below(points);
  Capture found = Capture::None;
  for (uint32_t i = 0; i < points; ++i) {
    const uint32_t at = (start + i) % points;
    const int32_t column = area.left + static_cast<int32_t>(at % size);
    const int32_t row = area.top + static_cast<int32_t>(at / size);
    if (board.points[column][row].colour != Empty) continue;
    const CaptureShape shape = ShapeOfCapture(board, column, row, colour);
    if (shape.capturedStones == 0) continue;
    if (InvitesSnapback(shape)) {
      point = PointToTry{column, row};
      return Capture::InvitingSnapback;
    }
    if (found == Capture::None) {
      point = PointToTry{column, row};
      found = Capture::Plain;
    }
  }
  return found;
}

bool RandomPlay::PointNearRecentStone(const Zere19r19& board, const PlayArea& area,
                                      PointToTry& point) {
  const Zere19r19::gomove* recent[RecentStones];
  int found = 0;
  for (const Zere19r19::gomove* m = board.Newest(); m != nullptr && found < RecentStones;
       m = m->prev) {
    if (m->column >= 0) recent[found++] = m;
  }
  if (found == 0) return false;
  const Zere19r19::gomove* near = recent[Below(static_cast<uint32_t>(found))];
  const uint32_t span = 2 * Reach + 1;
  const int32_t column = near->column + static_cast<int32_t>(Below(span)) - Reach;
  const int32_t row = near->row + static_cast<int32_t>(Below(span)) - Reach;
  point = PointToTry{std::clamp(column, area.left, area.left + area.size - 1),
                     std::clamp(row, area.top, area.top + area.size - 1)};
  return true;
}

CaptureShape ShapeOfCapture(const Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  CaptureShape shape;
  const StoneGroup* counted[4] = {};
  int32_t countedGroups = 0;
  ForEachNeighbour(board, column, row, [&](int32_t nc, int32_t nr) {
    const BoardPoint& n = board.points[nc][nr];
    if (n.colour == Empty) {
      ++shape.emptySides;
    } else if (n.colour == colour) {
      ++shape.ownSides;
    } else if (n.stone->group->liberties == 1) {
      ++shape.capturingSides;
      const StoneGroup* group = n.stone->group;
      if (std::find(counted, counted + countedGroups, group) != counted + countedGroups) return;
      counted[countedGroups++] = group;
      shape.capturedStones += group->stones;
    }
  });
  return shape;
}

namespace {

// Plays count legal moves of alternating colours at the points choose gives.
template <typename Choose>
void PlayMoves(Zere19r19& board, int count, Choose&& choose) {
  int refusalsInARow = 0;
  for (int played = 0; played < count && refusalsInARow < 1000;) {
    const PointToTry p = choose();
    if (board.TryMove(p.column, p.row, -board.history->colour, true)) {
      ++played;
      refusalsInARow = 0;
    } else {
      ++refusalsInARow;
    }
  }
}

}  // namespace

void PlayUniformRandomMoves(Zere19r19& board, uint32_t seed, int count) {
  RandomPlay play(seed);
  const uint32_t lines = static_cast<uint32_t>(BoardLines);
  PlayMoves(board, count, [&] {
    const int32_t column = static_cast<int32_t>(play.Below(lines));
    return PointToTry{column, static_cast<int32_t>(play.Below(lines))};
  });
}

void PlayFightingMoves(Zere19r19& board, uint32_t seed, int count) {
  RandomPlay play(seed);
  const PlayArea wholeBoard{0, 0, BoardLines};
  PlayMoves(board, count, [&] { return play.ChoosePoint(board, wholeBoard); });
}
