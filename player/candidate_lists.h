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

// Threads every empty point behind board.emptyList, the last one of the column-by-column scan
// first, and returns how many there are.
int32_t BuildEmptyList(Zere19r19& board);

// The record in front of member k (0 = the first) of the empty-point list, walking from
// board.emptyList; the list must have more than k members.
BoardPoint* EmptyListMemberBefore(Zere19r19& board, int32_t k);

// An atari list of colour's groups, in the reverse order of colour's group list. largest becomes
// the most stones among its groups, 0 when it has none.
BoardPoint* BuildAtariList(Zere19r19& board, int32_t colour, int32_t& largest);

// Puts a whole list, head first, in front of the board's pool of spare records.
void ReturnListToPool(Zere19r19& board, BoardPoint* head);
