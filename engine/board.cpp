#include "engine/board.h"

#include <cassert>

#include "engine/neighbours.h"

namespace {
NullBoardView nullView;
}  // namespace

Zere19r19::Zere19r19(BoardView* view, int32_t originX, int32_t originY)
    : moveCount(0),
      history(nullptr),
      colorRecord{nullptr, nullptr, nullptr},
      freeGroups(nullptr),
      freeStones(nullptr),
      freeMoves(nullptr),
      freeListNodes(nullptr),
      emptyList(nullptr),
      libertyTaken{nullptr, nullptr, nullptr, nullptr},
      view_(view != nullptr ? view : &nullView),
      originX_(originX),
      originY_(originY) {
  for (auto& column : points) {
    for (BoardPoint& point : column)
      point.listNext = nullptr;
  }
  Reset();
}

void Zere19r19::Reset() {
  // Nothing refers to the old game's records once the heads below are replaced, so they are
  // released here rather than leaked: a program playing thousands of games stays flat.
  stonePool_.Release();
  groupPool_.Release();
  movePool_.Release();
  colourPool_.Release();
  listNodePool_.Release();

  history = movePool_.Make();
  history->colour = White;
  history->prev = nullptr;
  colorRecord[0] = colourPool_.Make();
  colorRecord[1] = nullptr;
  colorRecord[2] = colourPool_.Make();
  freeGroups = nullptr;
  freeStones = nullptr;
  freeMoves = nullptr;
  freeListNodes = nullptr;
  emptyList = listNodePool_.Make();
  emptyList->listNext = nullptr;
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      BoardPoint& point = points[c][r];
      point.colour = Empty;
      point.column = c;
      point.row = r;
      point.territoryMark = 0;
      point.libertyMark = 0;
      point.x = originX_ + 18 * c;
      point.y = originY_ + 19 * r;
      point.stone = nullptr;
    }
  }
  moveCount = 0;
}

BoardPoint* Zere19r19::AllocateListNode() {
  return listNodePool_.Make();
}

void Zere19r19::PlaceStone(int32_t column, int32_t row, int32_t colour) {
  StoneNode* stone = freeStones;
  if (stone != nullptr) {
    freeStones = stone->next;
  } else {
    stone = stonePool_.Make();
  }
  stone->colour = colour;
  stone->column = column;
  stone->row = row;
  stone->next = stone;
  points[column][row].stone = stone;
  stone->group = NewGroup(column, row, colour);
}

StoneGroup* Zere19r19::NewGroup(int32_t column, int32_t row, int32_t colour) {
  StoneGroup* group = freeGroups;
  if (group != nullptr) {
    freeGroups = group->next;
  } else {
    group = groupPool_.Make();
  }
  ColorRecord& record = Record(colour);
  group->next = record.firstGroup;
  record.firstGroup = group;
  group->colour = colour;
  group->liberties = 0;
  group->stones = 1;
  group->firstStone = points[column][row].stone;
  return group;
}

StoneGroup* Zere19r19::UnlinkGroup(StoneGroup* group, int32_t colour, StoneGroup* link) {
  StoneGroup** slot = &Record(colour).firstGroup;
  while (*slot != group) {
    assert(*slot != nullptr && "UnlinkGroup: group is not in its colour's list");
    slot = &(*slot)->next;
  }
  *slot = group->next;
  group->next = link;
  return group;
}

void Zere19r19::AdjustAdjacentGroups(int32_t column, int32_t row, int32_t colour, int32_t delta) {
  StoneGroup* seen[4];
  int32_t seenCount = 0;
  ForEachNeighbour(column, row, [&](int32_t ncolumn, int32_t nrow) {
    const BoardPoint& neighbour = points[ncolumn][nrow];
    if (neighbour.colour != colour) return;
    StoneGroup* group = neighbour.stone->group;
    for (int32_t i = 0; i < seenCount; ++i) {
      if (seen[i] == group) return;
    }
    seen[seenCount++] = group;
    group->liberties += delta;
  });
}
