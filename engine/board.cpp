#include "engine/board.h"

#include <cassert>
#include <utility>

#include "engine/neighbours.h"

namespace {
NullBoardView nullView;
}  // namespace

Zere19r19::Zere19r19(BoardView* view, int32_t originX, int32_t originY)
    : moveCount(0),
      history(nullptr),
      colorRecord{nullptr, nullptr, nullptr},
      freeListNodes(nullptr),
      emptyList(nullptr),
      freeGroups(nullptr),
      freeStones(nullptr),
      freeMoves(nullptr),
      view_(view != nullptr ? view : &nullView),
      originX_(originX),
      originY_(originY) {
  for (auto& column : points) {
    for (BoardPoint& point : column)
      point.listNext = nullptr;
  }
  PlaceGrid();
  Reset();
}

void Zere19r19::Reset(int32_t boardSize) {
  assert(boardSize >= MinBoardLines && boardSize <= BoardLines && "Reset: no such board size");
  if (boardSize != boardSize_) {
    boardSize_ = boardSize;
    PlaceGrid();
  }
  Reset();
}

void Zere19r19::PlaceGrid() {
  const BoardGrid grid(boardSize_, originX_, originY_);
  for (int32_t line = 0; line < BoardLines; ++line) {
    columnPixels_[line] = grid.X(line);
    rowPixels_[line] = grid.Y(line);
  }
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
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      BoardPoint& point = points[column][row];
      point.colour = OnBoard(column, row) ? Empty : OffBoard;
      point.column = column;
      point.row = row;
      point.territoryMark = 0;
      point.libertyMark = 0;
      point.x = columnPixels_[column];
      point.y = rowPixels_[row];
      point.stone = nullptr;
    }
  }
  moveCount = 0;
}

bool Zere19r19::IsLegal(int32_t column, int32_t row, int32_t colour) {
  if (!TryMove(column, row, colour, false)) return false;
  TakeBack(false);
  return true;
}

void Zere19r19::PlaceStone(int32_t column, int32_t row, int32_t colour) {
  StoneNode* stone = stonePool_.Take<&StoneNode::next>(freeStones);
  stone->colour = colour;
  stone->column = column;
  stone->row = row;
  stone->next = stone;
  points[column][row].stone = stone;
  stone->group = NewGroup(column, row, colour);
}

StoneGroup* Zere19r19::TakeGroupRecord() {
  return groupPool_.Take<&StoneGroup::next>(freeGroups);
}

StoneGroup* Zere19r19::NewGroup(int32_t column, int32_t row, int32_t colour) {
  StoneGroup* group = TakeGroupRecord();
  PushGroup(group, colour);
  group->colour = colour;
  group->liberties = 0;
  group->libertySet.Clear();
  group->stones = 1;
  group->firstStone = points[column][row].stone;
  return group;
}

void Zere19r19::PushGroup(StoneGroup* group, int32_t colour) {
  ColorRecord& record = Record(colour);
  group->next = record.firstGroup;
  group->previous = nullptr;
  if (record.firstGroup != nullptr) record.firstGroup->previous = group;
  record.firstGroup = group;
}

StoneGroup** Zere19r19::SlotOf(StoneGroup* group, int32_t colour) {
  return group->previous != nullptr ? &group->previous->next : &Record(colour).firstGroup;
}

StoneGroup* Zere19r19::UnlinkGroup(StoneGroup* group, int32_t colour, StoneGroup* link) {
  *SlotOf(group, colour) = group->next;
  if (group->next != nullptr) group->next->previous = group->previous;
  group->next = link;
  return group;
}

void Zere19r19::ReplaceGroup(StoneGroup* group, StoneGroup* replacement, int32_t colour) {
  *SlotOf(group, colour) = replacement;
  replacement->next = group->next;
  replacement->previous = group->previous;
  if (group->next != nullptr) group->next->previous = replacement;
}

void Zere19r19::Relabel(StoneNode* start, StoneGroup* group) {
  for (StoneNode* s = start; s->group != group; s = s->next)
    s->group = group;
}

void Zere19r19::MergeGroups(StoneNode* stone, StoneNode* other) {
  StoneGroup* group = stone->group;
  StoneGroup* joined = other->group;
  const int32_t colour = stone->colour;
  // Provisional: TryMove sets the exact count after the joins.
  const int32_t liberties = group->liberties + joined->liberties - 1;
  const int32_t stones = group->stones + joined->stones;
  if (joined->stones > group->stones) {
    // Relabelling the smaller ring gives the same group for less: the joined group's record
    // takes the new group's place at the front of the list, with its entry stone, and the new
    // group's record goes to the free list instead. SplitGroup mirrors this exactly.
    Relabel(stone, joined);
    UnlinkGroup(joined, colour, nullptr);
    ReplaceGroup(group, joined, colour);
    joined->firstStone = group->firstStone;
    joined->libertySet.Unite(group->libertySet);
    group->next = freeGroups;
    freeGroups = group;
    group = joined;
  } else {
    Relabel(other, group);
    group->libertySet.Unite(joined->libertySet);
    freeGroups = UnlinkGroup(joined, colour, freeGroups);
  }
  group->liberties = liberties;
  group->stones = stones;
  std::swap(stone->next, other->next);
}

void Zere19r19::SplitGroup(StoneNode* stone, StoneNode* other, int32_t stones, int32_t liberties,
                           const PointSet& libertySet, int32_t restStones) {
  const int32_t colour = stone->colour;
  if (stones <= restStones) {
    StoneGroup* split = NewGroup(other->column, other->row, colour);
    split->stones = stones;
    split->liberties = liberties;
    split->libertySet = libertySet;
    Relabel(other, split);
    return;
  }
  // MergeGroups kept the larger joined group's record for the whole: it goes back to that group
  // at the front of the list, and the rest takes the record the join freed, in the whole's place.
  // The rest holds the new stone, whose group TakeBack frees: its liberty set is never read again.
  StoneGroup* merged = stone->group;
  StoneGroup* rest = TakeGroupRecord();
  rest->colour = colour;
  rest->liberties = merged->liberties;
  rest->stones = restStones;
  rest->firstStone = merged->firstStone;
  Relabel(stone, rest);
  ReplaceGroup(merged, rest, colour);
  PushGroup(merged, colour);
  merged->firstStone = other;
  merged->stones = stones;
  merged->liberties = liberties;
  merged->libertySet = libertySet;
}

void Zere19r19::AdjustAdjacentGroups(int32_t column, int32_t row, int32_t colour, int32_t delta) {
  const bool gains = delta > 0;
  ForEachNeighbour(*this, column, row, [&](int32_t ncolumn, int32_t nrow) {
    const BoardPoint& neighbour = points[ncolumn][nrow];
    if (neighbour.colour != colour) return;
    StoneGroup* group = neighbour.stone->group;
    // The set tells whether the group was adjusted already through another of its stones.
    if (group->libertySet.Contains(column, row) == gains) return;
    group->liberties += delta;
    if (gains) {
      group->libertySet.Add(column, row);
    } else {
      group->libertySet.Remove(column, row);
    }
  });
}
