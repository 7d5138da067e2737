// Move execution and legality: TryMove, Pass and their helpers.
#include <cassert>

#include "engine/board.h"
#include "engine/neighbours.h"

bool Zere19r19::TryMove(int32_t column, int32_t row, int32_t colour, bool commit) {
  assert(OnBoard(column, row) && "TryMove: point off the board");
  assert((colour == Black || colour == White) && "TryMove: not a player's colour");
  BoardPoint& point = points[column][row];
  if (point.colour != Empty) return false;

  point.colour = colour;
  PlaceStone(column, row, colour);
  PushMove(column, row, colour);
  // TakeBack undoes the directions in the reverse of this order, which keeps the rings exact.
  // Most neighbours are empty: they become liberties here, without the call.
  int32_t emptyNeighbours = 0;
  const auto join = [&](int32_t ncolumn, int32_t nrow, int32_t direction) {
    if (points[ncolumn][nrow].colour == Empty) {
      point.stone->group->libertySet.Add(ncolumn, nrow);
      ++emptyNeighbours;
    } else {
      JoinNeighbour(column, row, ncolumn, nrow, direction);
    }
  };
  const int32_t lines = boardSize_;
  if (column + 1 < lines) join(column + 1, row, 0);
  if (row + 1 < lines) join(column, row + 1, 1);
  if (column > 0) join(column - 1, row, 2);
  if (row > 0) join(column, row - 1, 3);
  const gomove* move = history->prev;
  if (move->capturedStones == 0 && !JoinedAny(*move)) {
    // A lone stone that captured nothing: its liberties are its empty neighbours.
    point.stone->group->liberties = emptyNeighbours;
  } else {
    // The groups joined had this point as a liberty; the stone now fills it.
    point.stone->group->libertySet.Remove(column, row);
    CountLiberties(column, row);
  }

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
  const BoardPoint& neighbour = points[ncolumn][nrow];
  if (neighbour.colour == Empty) {
    ++stone->group->liberties;  // Provisional: TryMove sets the exact count after the joins.
    stone->group->libertySet.Add(ncolumn, nrow);
  } else if (neighbour.colour == stone->colour) {
    JoinGroup(stone, neighbour.stone, direction);
  } else {
    ChargeEnemyGroup(stone, neighbour.stone, direction);
  }
}

void Zere19r19::JoinGroup(StoneNode* stone, StoneNode* other, int32_t direction) {
  const StoneGroup* joined = other->group;
  if (joined == stone->group) return;  // Already joined through an earlier direction.
  gomove* move = history->prev;
  move->joinedStones[direction] = joined->stones;
  move->joinedLiberties[direction] = joined->liberties;
  move->joinedLibertySets[direction] = joined->libertySet;
  MergeGroups(stone, other);
}

void Zere19r19::ChargeEnemyGroup(StoneNode* stone, StoneNode* other, int32_t direction) {
  StoneGroup* enemy = other->group;
  // An enemy group loses one liberty to this move however many sides it touches: its set tells
  // whether an earlier direction took it already.
  if (enemy->libertySet.Contains(stone->column, stone->row)) {
    --enemy->liberties;
    enemy->libertySet.Remove(stone->column, stone->row);
  }
  if (enemy->liberties != 0) return;

  // Capture: the group leaves the board whole, kept by the record for take-back.
  const int32_t colour = stone->colour;
  StoneNode* s = other;
  do {
    BoardPoint& freed = points[s->column][s->row];
    freed.colour = Empty;
    freed.stone = nullptr;
    AdjustAdjacentGroups(s->column, s->row, colour, +1);
    s = s->next;
  } while (s != other);
  UnlinkGroup(enemy, -colour, nullptr);
  gomove* move = history->prev;
  move->captured[direction] = enemy;
  move->lastCaptured = enemy;
  Record(-colour).stonesOnBoard -= enemy->stones;
  move->capturedStones += enemy->stones;
}

void Zere19r19::CountLiberties(int32_t column, int32_t row) {
  StoneGroup* group = points[column][row].stone->group;
  group->liberties = group->libertySet.Size();
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
