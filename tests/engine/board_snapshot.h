// A copy of everything take-back must restore, for comparing a board with its earlier self.
//
// Take-back restores stones, rings, counts and liberties exactly, but a group split off again is a
// fresh record that may have another entry stone, and restored groups go to the front of their
// colour's list. So groups on the board are recorded by their members and counts, not by their
// record or list position; everything else, down to the pointers of the stone and history
// records and of the groups held by history records, must be identical.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"

struct BoardSnapshot {
  struct PointState {
    int32_t colour;
    const StoneNode* stone;
    int32_t stoneColour;
    int32_t stoneColumn;
    int32_t stoneRow;
    const StoneNode* ringNext;
    int32_t groupColour;
    int32_t groupStones;
    int32_t groupLiberties;
    bool operator==(const PointState&) const = default;
  };

  // A group on the board, by content.
  struct GroupState {
    std::vector<const StoneNode*> members;  // Sorted.
    int32_t colour;
    int32_t stones;
    int32_t liberties;
    bool operator==(const GroupState&) const = default;
    auto operator<=>(const GroupState&) const = default;
  };

  struct ColourState {
    int32_t territoryCount;
    int32_t stonesOnBoard;
    std::vector<GroupState> groups;  // Sorted: list order may change.
    bool operator==(const ColourState&) const = default;
  };

  struct RingStone {
    const StoneNode* stone;
    int32_t colour;
    int32_t column;
    int32_t row;
    const StoneGroup* group;
    bool operator==(const RingStone&) const = default;
  };

  // A group held by a history record, which nothing may touch until its record is taken back.
  struct CapturedState {
    const StoneGroup* group;
    int32_t colour;
    int32_t liberties;
    int32_t stones;
    const StoneNode* firstStone;
    const StoneGroup* next;
    std::vector<RingStone> ring;  // From firstStone.
    bool operator==(const CapturedState&) const = default;
  };

  struct RecordState {
    const Zere19r19::gomove* record;
    int32_t colour;
    int32_t column;
    int32_t row;
    const StoneGroup* lastCaptured;
    std::array<CapturedState, 4> captured;  // group null where nothing was captured.
    std::array<int32_t, 4> joinedStones;
    std::array<int32_t, 4> joinedLiberties;
    int32_t capturedStones;
    const Zere19r19::gomove* prev;
    bool operator==(const RecordState&) const = default;
  };

  std::array<std::array<PointState, BoardLines>, BoardLines> points;  // [column][row].
  std::array<ColourState, 2> colours;                                 // White, Black.
  int32_t moveCount;
  const Zere19r19::gomove* head;
  int32_t headColour;
  std::vector<RecordState> history;  // Newest first.
};

// Copies what take-back must restore.
BoardSnapshot TakeSnapshot(const Zere19r19& board);

// The same without the history records: for long games, which keep those apart (RecordStateOf).
BoardSnapshot TakePositionSnapshot(const Zere19r19& board);

// One history record as it stands.
BoardSnapshot::RecordState RecordStateOf(const Zere19r19::gomove& record);

// "" when after equals before; otherwise the first difference, in words.
std::string FirstDifference(const BoardSnapshot& before, const BoardSnapshot& after);

// "" when the board's history records are as expected, oldest first; otherwise the first
// difference, in words.
std::string HistoryDifference(const std::vector<BoardSnapshot::RecordState>& expected,
                              const Zere19r19& board);
