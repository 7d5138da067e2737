// Move execution and legality: TryMove, Pass and their helpers.
#include <cassert>
#include <utility>

#include "engine/board.h"
#include "engine/neighbours.h"

bool Zere19r19::TryMove(int32_t column, int32_t row, int32_t colour, bool commit) {
  assert(OnBoard(column, row) && "TryMove: point off the board");
  assert((colour == Black || colour == White) && "TryMove: not a player's colour");
  BoardPoint& point = points[column][row];
  if (point.colour != Empty) return false;

  for (StoneGroup*& taken : libertyTaken)
    taken = nullptr;
  point.colour = colour;
  PlaceStone(column, row, colour);
  PushMove(column, row, colour);
  // TakeBack undoes the directions in the reverse of this order, which keeps the rings exact.
  JoinNeighbour(column, row, column + 1, row, 0);
  JoinNeighbour(column, row, column, row + 1, 1);
  JoinNeighbour(column, row, column - 1, row, 2);
  JoinNeighbour(column, row, column, row - 1, 3);
  CountLiberties(column, row);

  const gomove* move = history->prev;
  const bool suicide = point.stone->group->liberties <= 0;
  // Only the record just below is compared: a single-stone capture may not at once retake the
  // stone that has just made a single-stone capture.
  const gomove* before = move->prev;
  const bool ko = move->capturedStones == 1 && before != nullptr && before->capturedStones == 1 &&
                  move->lastCaptured->firstStone->column == before->column &&
                  move->lastCaptured->firstStone->row == before->row;
  if (suicide || ko) {
    TakeBack(false);
    return false;
  }
  if (commit) {
    view_->DrawStone(*this, column, row, true, colour);
    EraseCaptured();
  }
  return true;
}

void Zere19r19::JoinNeighbour(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow,
                              int32_t direction) {
  if (!OnBoard(ncolumn, nrow)) return;
  StoneNode* stone = points[column][row].stone;
  StoneGroup* group = stone->group;
  const int32_t colour = stone->colour;
  BoardPoint& neighbour = points[ncolumn][nrow];
  if (neighbour.colour == Empty) {
    ++group->liberties;  // Provisional: CountLiberties sets the exact count.
    return;
  }
  StoneNode* other = neighbour.stone;
  StoneGroup* otherGroup = other->group;
  gomove* move = history->prev;

  if (neighbour.colour == colour) {
    if (otherGroup == group) return;  // Already joined through an earlier direction.
    move->joinedStones[direction] = otherGroup->stones;
    move->joinedLiberties[direction] = otherGroup->liberties;
    for (StoneNode* s = other; s->group != group; s = s->next)
      s->group = group;
    group->liberties += otherGroup->liberties - 1;
    group->stones += otherGroup->stones;
    freeGroups = UnlinkGroup(otherGroup, colour, freeGroups);
    std::swap(stone->next, other->next);
    return;
  }

  // An enemy group loses one liberty to this move however many sides it touches.
  bool charged = false;
  for (int32_t d = 0; d < direction; ++d)
    charged = charged || libertyTaken[d] == otherGroup;
  if (!charged) {
    --otherGroup->liberties;
    libertyTaken[direction] = otherGroup;
  }
  if (otherGroup->liberties != 0) return;

  // Capture: the group leaves the board whole, kept by the record for take-back.
  StoneNode* s = other;
  do {
    BoardPoint& freed = points[s->column][s->row];
    freed.colour = Empty;
    freed.stone = nullptr;
    AdjustAdjacentGroups(s->column, s->row, colour, +1);
    s = s->next;
  } while (s != other);
  UnlinkGroup(otherGroup, -colour, nullptr);
  move->captured[direction] = otherGroup;
  move->lastCaptured = otherGroup;
  Record(-colour).stonesOnBoard -= otherGroup->stones;
  move->capturedStones += otherGroup->stones;
}

void Zere19r19::CountLiberties(int32_t column, int32_t row) {
  StoneNode* start = points[column][row].stone;
  int32_t count = 0;
  StoneNode* s = start;
  do {
    ForEachNeighbour(s->column, s->row, [&](int32_t ncolumn, int32_t nrow) {
      BoardPoint& neighbour = points[ncolumn][nrow];
      if (neighbour.colour == Empty && neighbour.libertyMark == 0) {
        neighbour.libertyMark = 1;
        ++count;
      }
    });
    s = s->next;
  } while (s != start);
  start->group->liberties = count;
  do {
    ForEachNeighbour(s->column, s->row, [&](int32_t ncolumn, int32_t nrow) {
      BoardPoint& neighbour = points[ncolumn][nrow];
      if (neighbour.colour == Empty) neighbour.libertyMark = 0;
    });
    s = s->next;
  } while (s != start);
}

void Zere19r19::EraseCaptured() {
  const gomove* move = history->prev;
  if (move->lastCaptured == nullptr) return;
  for (StoneGroup* group : move->captured) {
    if (group == nullptr) continue;
    StoneNode* s = group->firstStone;
    do {
      view_->ErasePoint(*this, s->column, s->row);
      s = s->next;
    } while (s != group->firstStone);
  }
}

void Zere19r19::Pass(int32_t colour) {
  assert((colour == Black || colour == White) && "Pass: not a player's colour");
  PushMove(-1, -1, colour);
  const gomove* before = history->prev->prev;
  if (before != nullptr && before->column >= 0) {
    view_->DrawStone(*this, before->column, before->row, false, before->colour);
  }
}
