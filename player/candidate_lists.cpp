#include "player/candidate_lists.h"

#include "engine/neighbours.h"

namespace {

// The first empty neighbour met walking group's ring from its entry stone, with the stone it was
// found next to; false if the group has none, which a consistent board never shows.
bool FindLiberty(Zere19r19& board, const StoneGroup& group, BoardPoint*& liberty,
                 StoneNode*& next) {
  StoneNode* stone = group.firstStone;
  do {
    for (int32_t d = 0; d < 4; ++d) {
      const int32_t column = stone->column + kDirectionColumn[d];
      const int32_t row = stone->row + kDirectionRow[d];
      if (OnBoard(column, row) && board.points[column][row].colour == Empty) {
        liberty = &board.points[column][row];
        next = stone;
        return true;
      }
    }
    stone = stone->next;
  } while (stone != group.firstStone);
  return false;
}

}  // namespace

BoardPoint* NewListNode(Zere19r19& board, BoardPoint* next, StoneNode* stone) {
  BoardPoint* node = board.TakeListNode();
  node->listNext = next;
  node->stone = stone;
  return node;
}

int32_t BuildEmptyList(Zere19r19& board) {
  BoardPoint* front = nullptr;
  int32_t count = 0;
  for (auto& column : board.points) {
    for (BoardPoint& point : column) {
      if (point.colour != Empty) continue;
      point.listNext = front;
      front = &point;
      ++count;
    }
  }
  board.emptyList->listNext = front;
  return count;
}

BoardPoint* EmptyListMemberBefore(Zere19r19& board, int32_t k) {
  BoardPoint* before = board.emptyList;
  for (; k > 0; --k)
    before = before->listNext;
  return before;
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
