// A deliberately naive Go board used as an independent reference for the rules engine in tests.
//
// It keeps a plain array of colours, finds chains and liberties by flood fill on demand and
// remembers whole positions for undo, so it shares no data structure or algorithm with the engine.
// Its rules are the engine's: suicide is refused, and so is a single-stone capture that retakes
// the stone standing on the previous record's point when that record captured exactly one stone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class ReferenceBoard {
 public:
  enum class Outcome { kLegal, kOccupied, kSuicide, kKo };

  static constexpr int kSize = 19;

  ReferenceBoard();

  // Plays a stone of colour (1 Black, -1 White); on any outcome but kLegal nothing changes.
  Outcome Play(int column, int row, int colour);

  // Records a pass.
  void Pass();

  // Takes back the newest record; nothing when there is none.
  void Undo();

  // Colour at the point: 1, -1 or 0.
  int At(int column, int row) const { return cells_[Index(column, row)]; }

  // For every point, the distinct empty points next to the chain through its stone (0 if empty),
  // indexed column * 19 + row.
  std::array<int, kSize * kSize> LibertiesOfEveryChain() const;

  // Stones of colour on the board.
  int Stones(int colour) const;

  // Records in the history, moves and passes alike.
  int Records() const { return static_cast<int>(history_.size()); }

  // Stones captured by the newest record; 0 when there is none.
  int NewestCaptured() const { return history_.empty() ? 0 : history_.back().captured; }

  static int Index(int column, int row) { return column * kSize + row; }

 private:
  using Cells = std::array<int, kSize * kSize>;

  struct Record {
    int column;        // -1 for a pass.
    int row;           // -1 for a pass.
    int captured;      // Stones this record removed.
    int soleCaptured;  // Index of the stone removed when exactly one was, else -1.
    Cells before;      // The whole position before the record.
  };

  struct NeighbourList {
    int count = 0;
    int index[4] = {};
    const int* begin() const { return index; }
    const int* end() const { return index + count; }
  };

  // Indices of the on-board neighbours of a cell.
  static NeighbourList Neighbours(int index);

  // The chain through a stone and the count of its distinct liberties.
  std::vector<int> Chain(int index, int* liberties) const;

  Cells cells_;
  std::vector<Record> history_;
};
