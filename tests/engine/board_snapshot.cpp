#include "tests/engine/board_snapshot.h"

#include <algorithm>

namespace {

using Snapshot = BoardSnapshot;

Snapshot::PointState PointStateOf(const BoardPoint& point) {
  Snapshot::PointState state{point.colour, point.stone, 0, 0, 0, nullptr, 0, 0, 0};
  if (const StoneNode* stone = point.stone) {
    state.stoneColour = stone->colour;
    state.stoneColumn = stone->column;
    state.stoneRow = stone->row;
    state.ringNext = stone->next;
    state.groupColour = stone->group->colour;
    state.groupStones = stone->group->stones;
    state.groupLiberties = stone->group->liberties;
  }
  return state;
}

template <typename Visit>
void ForEachRingStone(const StoneGroup& group, Visit&& visit) {
  const StoneNode* stone = group.firstStone;
  do {
    visit(*stone);
    stone = stone->next;
  } while (stone != group.firstStone);
}

Snapshot::ColourState ColourStateOf(const ColorRecord& record) {
  Snapshot::ColourState state{record.territoryCount, record.stonesOnBoard, {}};
  for (const StoneGroup* group = record.firstGroup; group != nullptr; group = group->next) {
    Snapshot::GroupState g{{}, group->colour, group->stones, group->liberties};
    ForEachRingStone(*group, [&](const StoneNode& stone) { g.members.push_back(&stone); });
    std::sort(g.members.begin(), g.members.end());
    state.groups.push_back(std::move(g));
  }
  std::sort(state.groups.begin(), state.groups.end());
  return state;
}

Snapshot::CapturedState CapturedStateOf(const StoneGroup* group) {
  Snapshot::CapturedState state{group, 0, 0, 0, nullptr, nullptr, {}};
  if (group == nullptr) return state;
  state.colour = group->colour;
  state.liberties = group->liberties;
  state.stones = group->stones;
  state.firstStone = group->firstStone;
  state.next = group->next;
  ForEachRingStone(*group, [&](const StoneNode& stone) {
    state.ring.push_back({&stone, stone.colour, stone.column, stone.row, stone.group});
  });
  return state;
}

}  // namespace

Snapshot::RecordState RecordStateOf(const Zere19r19::gomove& m) {
  Snapshot::RecordState state{&m, m.colour, m.column, m.row, m.lastCaptured, {}, {}, {}, 0, m.prev};
  for (int d = 0; d < 4; ++d) {
    state.captured[d] = CapturedStateOf(m.captured[d]);
    state.joinedStones[d] = m.joinedStones[d];
    state.joinedLiberties[d] = m.joinedLiberties[d];
  }
  state.capturedStones = m.capturedStones;
  return state;
}

namespace {

std::string At(int32_t column, int32_t row) {
  return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

std::string Describe(const Snapshot::PointState& p) {
  if (p.stone == nullptr) return "colour " + std::to_string(p.colour) + ", no stone";
  return "colour " + std::to_string(p.colour) + ", stone colour " + std::to_string(p.stoneColour) +
         " at " + At(p.stoneColumn, p.stoneRow) + ", group of " + std::to_string(p.groupStones) +
         " stones with " + std::to_string(p.groupLiberties) + " liberties" +
         (p.groupColour != p.stoneColour ? " of another colour" : "");
}

std::string ComparePoints(const Snapshot& before, const Snapshot& after) {
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      const Snapshot::PointState& was = before.points[c][r];
      const Snapshot::PointState& is = after.points[c][r];
      if (was == is) continue;
      if (was.stone != is.stone) return "point " + At(c, r) + ": another stone record";
      if (was.ringNext != is.ringNext) return "point " + At(c, r) + ": ring successor changed";
      return "point " + At(c, r) + ": was " + Describe(was) + "; is " + Describe(is);
    }
  }
  return "";
}

std::string CompareColours(const Snapshot& before, const Snapshot& after) {
  for (int i = 0; i < 2; ++i) {
    const Snapshot::ColourState& was = before.colours[i];
    const Snapshot::ColourState& is = after.colours[i];
    const std::string name = i == 0 ? "White" : "Black";
    if (was.stonesOnBoard != is.stonesOnBoard) {
      return name + " stonesOnBoard " + std::to_string(was.stonesOnBoard) + " -> " +
             std::to_string(is.stonesOnBoard);
    }
    if (was.territoryCount != is.territoryCount) return name + " territoryCount changed";
    if (was.groups.size() != is.groups.size()) {
      return name + " has " + std::to_string(is.groups.size()) + " groups in its list, had " +
             std::to_string(was.groups.size());
    }
    if (was.groups != is.groups) return name + "'s group list holds other groups or counts";
  }
  return "";
}

std::string CompareRecords(const std::vector<Snapshot::RecordState>& before,
                           const std::vector<Snapshot::RecordState>& after) {
  if (before.size() != after.size()) return "history length changed";
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) {
      return "history record " + std::to_string(i + 1) + " from the top changed";
    }
  }
  return "";
}

std::string CompareHistory(const Snapshot& before, const Snapshot& after) {
  if (before.moveCount != after.moveCount) {
    return "moveCount " + std::to_string(before.moveCount) + " -> " +
           std::to_string(after.moveCount);
  }
  if (before.head != after.head) return "another history head";
  if (before.headColour != after.headColour) return "head colour changed";
  return CompareRecords(before.history, after.history);
}

}  // namespace

BoardSnapshot TakeSnapshot(const Zere19r19& board) {
  Snapshot snapshot = TakePositionSnapshot(board);
  for (const Zere19r19::gomove* m = board.Newest(); m != nullptr; m = m->prev)
    snapshot.history.push_back(RecordStateOf(*m));
  return snapshot;
}

BoardSnapshot TakePositionSnapshot(const Zere19r19& board) {
  Snapshot snapshot{};
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r)
      snapshot.points[c][r] = PointStateOf(board.points[c][r]);
  }
  snapshot.colours[0] = ColourStateOf(board.Record(White));
  snapshot.colours[1] = ColourStateOf(board.Record(Black));
  snapshot.moveCount = board.moveCount;
  snapshot.head = board.history;
  snapshot.headColour = board.history->colour;
  return snapshot;
}

std::string FirstDifference(const BoardSnapshot& before, const BoardSnapshot& after) {
  for (const std::string& difference : {ComparePoints(before, after), CompareColours(before, after),
                                        CompareHistory(before, after)}) {
    if (!difference.empty()) return difference;
  }
  return "";
}

std::string HistoryDifference(const std::vector<BoardSnapshot::RecordState>& expected,
                              const Zere19r19& board) {
  std::vector<Snapshot::RecordState> actual;
  for (const Zere19r19::gomove* m = board.Newest(); m != nullptr; m = m->prev)
    actual.push_back(RecordStateOf(*m));
  return CompareRecords({expected.rbegin(), expected.rend()}, actual);
}
