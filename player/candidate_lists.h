// The computer player's lists: the empty points of the board and the groups in atari.
//
// All of them are chains of BoardPoint-shaped records linked through listNext. The empty-point
// list threads the board's own points behind the board's emptyList head; the atari lists are made
// of records from the board's freeListNodes pool and go back to it, whole, when a decision ends.
// An atari list starts with a head record (stone null) followed by one candidate per group with
// fewer than two liberties: the candidate's column and row are the group's liberty and its stone
// is a stone of the group next to that liberty. The group itself is never stored, because a trial
// move and its take-back may replace an own group's record; it is read through stone->group.
#pragma once

#include <cstdint>

#include "engine/board.h"

// A list record whose listNext is next and whose stone is stone, from the board's pool of spare
// list records (allocated only when the pool is empty). Its column and row are the caller's.
BoardPoint* NewListNode(Zere19r19& board, BoardPoint* next, StoneNode* stone);

// The empty-point list of one decision: every empty point, the last one of the column-by-column
// scan first. Most decisions accept the first point they draw, so the list is threaded behind
// board.emptyList only when a member is first dropped; until then a member is found by scanning
// the board itself. The board must not change while the list is in use, trials taken back aside.
class EmptyPointList {
 public:
  explicit EmptyPointList(Zere19r19& board);

  // How many members are left.
  int32_t Count() const { return count_; }

  // Member k, 0 being the first; k must be below Count().
  BoardPoint* Member(int32_t k);

  // Takes member k, which the last call of Member returned, out of the list.
  void Drop(int32_t k);

 private:
  Zere19r19& board_;
  int32_t count_;
  bool threaded_ = false;
  BoardPoint* before_ = nullptr;  // Once threaded: the record in front of the last member found.
};

// An atari list of colour's groups, in the reverse order of colour's group list. largest becomes
// the most stones among its groups, 0 when it has none.
BoardPoint* BuildAtariList(Zere19r19& board, int32_t colour, int32_t& largest);

// Puts a whole list, head first, in front of the board's pool of spare records.
void ReturnListToPool(Zere19r19& board, BoardPoint* head);
