// Move execution and legality: TryMove, Pass and their helpers.
#include <cassert>

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
  // Most neighbours are empty: their provisional liberties are added here, without the call.
  int32_t emptyNeighbours = 0;
  const auto join = [&](int32_t ncolumn, int32_t nrow, int32_t direction) {
    if (points[ncolumn][nrow].colour == Empty) {
      ++emptyNeighbours;
    } else {
      JoinNeighbour(column, row, ncolumn, nrow, direction);
    }
  };
  if (column + 1 < BoardLines) join(column + 1, row, 0);
  if (row + 1 < BoardLines) join(column, row + 1, 1);
  if (column > 0) join(column - 1, row, 2);
  if (row > 0) join(column, row - 1, 3);
  point.stone->group->liberties += emptyNeighbours;
  // Most moves capture nothing; their count needs no walk of the largest group joined.
  if (!CountLibertiesFromJoins(column, row)) CountLiberties(column, row);

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
  const BoardPoint& neighbour = points[ncolumn][nrow];
  if (neighbour.colour == Empty) {
    ++stone->group->liberties;  // Provisional: TryMove sets the exact count after the joins.
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
  MergeGroups(stone, other);
}

void Zere19r19::ChargeEnemyGroup(StoneNode* stone, StoneNode* other, int32_t direction) {
  StoneGroup* enemy = other->group;
  // An enemy group loses one liberty to this move however many sides it touches.
  bool charged = false;
  for (int32_t d = 0; d < direction; ++d)
    charged = charged || libertyTaken[d] == enemy;
  if (!charged) {
    --enemy->liberties;
    libertyTaken[direction] = enemy;
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
  StoneNode* start = points[column][row].stone;
  // Each liberty is marked once and remembered, so that clearing the marks visits only them
  // rather than every neighbour of every stone again.
  BoardPoint* marked[BoardLines * BoardLines];
  int32_t count = 0;
  StoneNode* s = start;
  do {
    ForEachNeighbour(s->column, s->row, [&](int32_t ncolumn, int32_t nrow) {
      BoardPoint& neighbour = points[ncolumn][nrow];
      if (neighbour.colour == Empty && neighbour.libertyMark == 0) {
        neighbour.libertyMark = 1;
        marked[count++] = &neighbour;
      }
    });
    s = s->next;
  } while (s != start);
  start->group->liberties = count;
  for (int32_t i = 0; i < count; ++i)
    marked[i]->libertyMark = 0;
}

bool Zere19r19::CountLibertiesFromJoins(int32_t column, int32_t row) {
  const gomove* move = history->prev;
  if (move->capturedStones != 0) return false;
  // Without a join the provisional count, one per empty neighbour, is exact already.
  if (!JoinedAny(*move)) return true;
  int32_t largest = -1;
  int32_t joins = 0;
  for (int32_t d = 0; d < 4; ++d) {
    const int32_t stones = move->joinedStones[d];
    if (stones <= 0) continue;
    ++joins;
    if (largest < 0 || stones > move->joinedStones[largest]) largest = d;
  }
  if (joins == 1) {
    DiscountSharedLiberties(column, row);
  } else {
    CountLibertiesBesideLargest(column, row, largest);
  }
  return true;
}

void Zere19r19::DiscountSharedLiberties(int32_t column, int32_t row) {
  // The provisional count is the joined group's count less this point plus one per empty
  // neighbour; the neighbours that were the joined group's liberties already count twice.
  const StoneNode* stone = points[column][row].stone;
  StoneGroup* group = stone->group;
  ForEachNeighbour(column, row, [&](int32_t ncolumn, int32_t nrow) {
    if (points[ncolumn][nrow].colour != Empty) return;
    const bool shared = AnyNeighbour(ncolumn, nrow, [&](int32_t ocolumn, int32_t orow) {
      const StoneNode* other = points[ocolumn][orow].stone;
      return other != nullptr && other != stone && other->group == group;
    });
    if (shared) --group->liberties;
  });
}

void Zere19r19::CountLibertiesBesideLargest(int32_t column, int32_t row, int32_t largest) {
  // The largest joined group's liberties are known: its recorded count less this point. Only
  // the other stones are walked, marked so that the largest group's stones are told apart.
  StoneNode* others[BoardLines * BoardLines];
  const int32_t otherCount = StonesBesideLargest(column, row, largest, others);
  for (int32_t i = 0; i < otherCount; ++i)
    points[others[i]->column][others[i]->row].libertyMark = 1;

  StoneGroup* group = others[0]->group;
  BoardPoint* seen[BoardLines * BoardLines];
  int32_t seenCount = 0;
  int32_t added = 0;
  for (int32_t i = 0; i < otherCount; ++i) {
    ForEachNeighbour(others[i]->column, others[i]->row, [&](int32_t ncolumn, int32_t nrow) {
      BoardPoint& neighbour = points[ncolumn][nrow];
      if (neighbour.colour != Empty || neighbour.libertyMark != 0) return;
      neighbour.libertyMark = 1;
      seen[seenCount++] = &neighbour;
      if (!TouchesUnmarkedStone(ncolumn, nrow, group)) ++added;
    });
  }
  group->liberties = history->prev->joinedLiberties[largest] - 1 + added;

  for (int32_t i = 0; i < otherCount; ++i)
    points[others[i]->column][others[i]->row].libertyMark = 0;
  for (int32_t i = 0; i < seenCount; ++i)
    seen[i]->libertyMark = 0;
}

int32_t Zere19r19::StonesBesideLargest(int32_t column, int32_t row, int32_t largest,
                                       StoneNode** others) {
  const gomove* move = history->prev;
  StoneNode* stone = points[column][row].stone;
  int32_t count = 0;
  others[count++] = stone;
  // Each join put the joined ring right after the new stone, ending at the neighbour it was
  // joined through, so the ring runs through the joined groups from the highest direction down.
  StoneNode* s = stone->next;
  for (int32_t d = 3; d >= 0; --d) {
    if (move->joinedStones[d] <= 0) continue;
    const StoneNode* last = points[column + kDirectionColumn[d]][row + kDirectionRow[d]].stone;
    for (; d != largest; s = s->next) {
      others[count++] = s;
      if (s == last) break;
    }
    s = last->next;
  }
  assert(s == stone && "StonesBesideLargest: ring out of order");
  return count;
}

bool Zere19r19::TouchesUnmarkedStone(int32_t column, int32_t row, const StoneGroup* group) const {
  return AnyNeighbour(column, row, [&](int32_t ncolumn, int32_t nrow) {
    const BoardPoint& neighbour = points[ncolumn][nrow];
    return neighbour.stone != nullptr && neighbour.stone->group == group &&
           neighbour.libertyMark == 0;
  });
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
