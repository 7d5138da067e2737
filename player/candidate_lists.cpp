#include "player/candidate_lists.h"

#include <cassert>

#include "engine/neighbours.h"

namespace {

// The first empty neighbour met walking group's ring from its entry stone, with the stone it was
// found next to; false if the group has none, which a consistent board never shows.
bool FindLiberty(Zere19r19& board, const StoneGroup& group, BoardPoint*& liberty,
                 StoneNode*& next) {
  StoneNode* stone = group.firstStone;
  do {
    for (int32_t d = 0; d < 4; ++d) {
      const int32_t column = stone->column + DirectionColumn[d];
      const int32_t row = stone->row + DirectionRow[d];
      if (board.OnBoard(column, row) && board.points[column][row].colour == Empty) {
        liberty = &board.points[column][row];
        next = stone;
        return true;
      }
    }
    stone = stone->next;
  } while (stone != group.firstStone);
  return false;
}

// How many points of the column are empty. Counted without a branch per point: on a board in play
// whether a point is empty is as good as random, and a whole column is skipped at a time. The
// whole column of the arrays is counted, since the entries beyond a smaller board are OffBoard.
int32_t EmptyInColumn(const Zere19r19& board, int32_t column) {
  int32_t count = 0;
#pragma GCC unroll 19
  for (const BoardPoint& point : board.points[column])
    count += static_cast<int32_t>(point.colour == Empty);
  return count;
}

// Empty point n (0 = the first) of the column-by-column scan; null if there is none.
BoardPoint* FirstEmptyPoint(Zere19r19& board, int32_t n) {
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    const int32_t inColumn = EmptyInColumn(board, column);
    if (n >= inColumn) {
      n -= inColumn;
      continue;
    }
    for (BoardPoint& point : board.points[column]) {
      if (point.colour == Empty && n-- == 0) return &point;
    }
  }
  return nullptr;
}

// Empty point n (0 = the last) of the column-by-column scan, counted back from its end; null if
// there is none.
BoardPoint* LastEmptyPoint(Zere19r19& board, int32_t n) {
  for (int32_t column = board.BoardSize() - 1; column >= 0; --column) {
    const int32_t inColumn = EmptyInColumn(board, column);
    if (n >= inColumn) {
      n -= inColumn;
      continue;
    }
    for (int32_t row = board.BoardSize() - 1; row >= 0; --row) {
      BoardPoint& point = board.points[column][row];
      if (point.colour == Empty && n-- == 0) return &point;
    }
  }
  return nullptr;
}

// Threads every empty point behind board.emptyList, each in front of the ones before it in the
// column-by-column scan, so that the last one of the scan comes first. Every point's link is
// written, without a branch per point, OffBoard entries too; only the empty points' links are
// followed.
void ThreadEmptyPoints(Zere19r19& board) {
  BoardPoint* front = nullptr;
  for (auto& column : board.points) {
#pragma GCC unroll 19
    for (BoardPoint& point : column) {
      point.listNext = front;
      front = point.colour == Empty ? &point : front;
    }
  }
  board.emptyList->listNext = front;
}

}  // namespace

BoardPoint* NewListNode(Zere19r19& board, BoardPoint* next, StoneNode* stone) {
  BoardPoint* node = board.TakeListNode();
  node->listNext = next;
  node->stone = stone;
  return node;
}

EmptyPointList::EmptyPointList(Zere19r19& board)
    : board_(board),
      count_(board.BoardSize() * board.BoardSize() - board.Record(Black).stonesOnBoard -
             board.Record(White).stonesOnBoard) {}

BoardPoint* EmptyPointList::Member(int32_t k) {
  assert(k >= 0 && k < count_ && "EmptyPointList::Member: no such member");
  if (threaded_) {
    before_ = board_.emptyList;
    for (int32_t i = 0; i < k; ++i)
      before_ = before_->listNext;
    return before_->listNext;
  }
  // The list runs backwards through the scan, so member k is the (count - 1 - k)-th empty point
  // of the scan: the scan starts from the nearer end.
  if (k < count_ / 2) return LastEmptyPoint(board_, k);
  return FirstEmptyPoint(board_, count_ - 1 - k);
}

void EmptyPointList::Drop(int32_t k) {
  if (!threaded_) {
    ThreadEmptyPoints(board_);
    threaded_ = true;
    Member(k);
  }
  before_->listNext = before_->listNext->listNext;
  --count_;
}

BoardPoint* BuildAtariList(Zere19r19& board, int32_t colour, int32_t& largest) {
  BoardPoint* head = NewListNode(board, nullptr, nullptr);
  largest = 0;
  for (const StoneGroup* group = board.Record(colour).firstGroup; group != nullptr;
       group = group->next) {
    if (group->liberties >= 2) continue;
    BoardPoint* liberty;
    StoneNode* stone;
    if (!FindLiberty(board, *group, liberty, stone)) continue;
    BoardPoint* candidate = NewListNode(board, head->listNext, stone);
    candidate->column = liberty->column;
    candidate->row = liberty->row;
    head->listNext = candidate;
    if (group->stones > largest) largest = group->stones;
  }
  return head;
}

void ReturnListToPool(Zere19r19& board, BoardPoint* head) {
  BoardPoint* last = head;
  while (last->listNext != nullptr)
    last = last->listNext;
  last->listNext = board.freeListNodes;
  board.freeListNodes = head;
}
