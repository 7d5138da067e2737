// The plain records the rules engine is built from, and the words used for them.
//
// Words used throughout the engine and its readers:
//  - colour: Black = 1, White = -1, Empty = 0; the opponent of colour c is -c.
//  - board size: the lines on each side of the square board, MinBoardLines..BoardLines. Every
//    array by point is made for the largest board; a smaller board uses its top-left corner.
//  - point: an intersection (column, row), both 0..board size - 1; column 0 is the left line,
//    row 0 the top line. A pass is recorded as column = row = -1.
//  - direction: the four neighbours of a point are numbered 0 = (column + 1, row),
//    1 = (column, row + 1), 2 = (column - 1, row), 3 = (column, row - 1). Every scan of neighbours
//    visits them in this order and skips those off the board.
//  - group (chain): a maximal set of same-coloured stones connected along the lines.
//  - liberty: a distinct empty point orthogonally next to a stone of the group.
//  - ring: the stones of a group linked circularly through StoneNode::next.
//  - history record: one gomove per move or pass, on a stack headed by Zere19r19::history.
//  - trial move: a move played with commit false and taken back by its caller without drawing.
#pragma once

#include <cstdint>

constexpr int32_t Black = 1;
constexpr int32_t White = -1;
constexpr int32_t Empty = 0;
// The colour of the array entries beyond a smaller board's lines: never empty, so that a scan of
// a whole column of the arrays never takes them for points to play.
constexpr int32_t OffBoard = 2;

// Lines on each side of the largest board, which is also the size of a new board.
constexpr int32_t BoardLines = 19;
// Lines on each side of the smallest board.
constexpr int32_t MinBoardLines = 2;

// True when (column, row) lies on a board of lines lines, the largest when not given.
constexpr bool OnBoard(int32_t column, int32_t row, int32_t lines = BoardLines) {
  return column >= 0 && column < lines && row >= 0 && row < lines;
}

// A set of points of the board, one bit per point. The engine keeps the liberties of every group
// as one, so that a join unites them without walking the stones of either group.
class PointSet {
 public:
  // Empties the set; a new set holds whatever its storage held.
  void Clear() {
    for (uint64_t& word : words_)
      word = 0;
  }
  // Puts the point in the set.
  void Add(int32_t column, int32_t row) { words_[Word(column, row)] |= Bit(column, row); }
  // Takes the point out of the set.
  void Remove(int32_t column, int32_t row) { words_[Word(column, row)] &= ~Bit(column, row); }
  // True when the point is in the set.
  bool Contains(int32_t column, int32_t row) const {
    return (words_[Word(column, row)] & Bit(column, row)) != 0;
  }
  // Adds every point of other.
  void Unite(const PointSet& other) {
    for (int32_t i = 0; i < WordCount; ++i)
      words_[i] |= other.words_[i];
  }
  // How many points the set holds.
  int32_t Size() const {
    int32_t size = 0;
    for (const uint64_t word : words_) {
      if (word != 0) size += BitCount(word);
    }
    return size;
  }
  bool operator==(const PointSet& other) const = default;

 private:
  static constexpr int32_t WordCount = (BoardLines * BoardLines + 63) / 64;
  static int32_t Word(int32_t column, int32_t row) { return (column * BoardLines + row) >> 6; }
  static uint64_t Bit(int32_t column, int32_t row) {
    return uint64_t{1} << ((column * BoardLines + row) & 63);
  }
  // The generic x86-64 target has no population count instruction, and the library's fallback is
  // a call: this is the same count in a dozen inline operations.
  static int32_t BitCount(uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555;
    word = (word & 0x3333333333333333) + ((word >> 2) & 0x3333333333333333);
    word = (word + (word >> 4)) & 0x0f0f0f0f0f0f0f0f;
    return static_cast<int32_t>((word * 0x0101010101010101) >> 56);
  }

  uint64_t words_[WordCount];
};

struct StoneNode;
struct StoneGroup;
class Zere19r19;

// One intersection; also the shape of the computer player's list records.
struct BoardPoint {
  int32_t colour;         // Black, White or Empty; OffBoard beyond the board's lines.
  int32_t column;         // 0..18, fixed by Reset.
  int32_t row;            // 0..18, fixed by Reset.
  int32_t territoryMark;  // Colour that last claimed this empty point in the area count, else 0.
  int32_t libertyMark;    // 0 on every point: the engine counts liberties without marking points.
  int32_t x;              // Pixel x of the intersection in the board picture.
  int32_t y;              // Pixel y of the intersection in the board picture.
  BoardPoint* listNext;   // The computer player's list link; meaningless between its decisions.
  StoneNode* stone;       // The stone standing here; null exactly when colour is Empty.
};

// One stone on the board, or one captured stone kept by a history record for take-back.
struct StoneNode {
  int32_t colour;     // The stone's colour.
  int32_t column;     // Its point.
  int32_t row;        // Its point.
  StoneNode* next;    // Next stone of the ring (itself for a lone stone); the free-list link.
  StoneGroup* group;  // The group the stone belongs to.
};

// A chain of stones with its live liberty count.
struct StoneGroup {
  int32_t colour;         // Colour of its stones.
  int32_t liberties;      // Exact number of distinct empty points next to the group (on the board).
  int32_t stones;         // Length of the ring.
  StoneNode* firstStone;  // Entry stone of the ring.
  StoneGroup* next;       // Next group of its colour's list, the free-list link, or null while a
                          // history record holds the group as captured.

 private:
  friend class Zere19r19;
  // The group before it in its colour's list, null for the first, so that a group leaves the list
  // without a walk. Meaningless while the group is off the list.
  StoneGroup* previous;
  // Its liberties as points: as many as liberties says, and empty while a history record holds the
  // group as captured.
  PointSet libertySet;
};

// Per-colour totals and the colour's group list.
struct ColorRecord {
  int32_t territoryCount;  // Empty points this colour alone surrounds, as of its last area count.
  int32_t stonesOnBoard;   // Stones of this colour now on the board.
  StoneGroup* firstGroup;  // Newest group first, linked through StoneGroup::next.
};
