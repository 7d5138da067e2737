// The history stack and exact take-back.
#include <cassert>
#include <utility>

#include "engine/board.h"
#include "engine/neighbours.h"

void Zere19r19::PushMove(int32_t column, int32_t row, int32_t colour) {
  gomove* move = movePool_.Take<&gomove::prev>(freeMoves);
  move->colour = colour;
  move->column = column;
  move->row = row;
  history->colour = colour;
  move->lastCaptured = nullptr;
  for (int32_t d = 0; d < 4; ++d) {
    move->captured[d] = nullptr;
    move->joinedStones[d] = 0;
    move->joinedLiberties[d] = 0;
  }
  move->capturedStones = 0;
  move->prev = history->prev;
  history->prev = move;
  ++moveCount;
  if (column >= 0) ++Record(colour).stonesOnBoard;
}

void Zere19r19::PopMove() {
  gomove* move = history->prev;
  if (move == nullptr) return;
  if (move->column >= 0) --Record(history->colour).stonesOnBoard;
  history->prev = move->prev;
  history->colour = move->prev != nullptr ? move->prev->colour : White;
  move->prev = freeMoves;
  freeMoves = move;
  --moveCount;
}

void Zere19r19::TakeBack(bool redraw) {
  const gomove* move = history->prev;
  if (move == nullptr) return;
  const int32_t colour = history->colour;
  const int32_t column = move->column;
  const int32_t row = move->row;

  if (redraw && move->lastCaptured != nullptr) {
    for (StoneGroup* group : move->captured) {
      if (group == nullptr) continue;
      StoneNode* s = group->firstStone;
      do {
        view_->DrawStone(*this, s->column, s->row, false, -colour);
        s = s->next;
      } while (s != group->firstStone);
    }
  }
  if (column >= 0) {
    // The reverse of TryMove's direction order: each ring split undoes the latest remaining join.
    // Only the directions with a capture or a join recorded have anything to undo.
    if (move->lastCaptured != nullptr || JoinedAny(*move)) {
      for (int32_t d = 3; d >= 0; --d) {
        if (move->captured[d] != nullptr || move->joinedStones[d] > 0)
          UndoNeighbour(column, row, column + DirectionColumn[d], row + DirectionRow[d], d);
      }
    }
    ReturnLiberties(column, row);
    BoardPoint& point = points[column][row];
    StoneNode* stone = point.stone;
    freeGroups = UnlinkGroup(stone->group, colour, freeGroups);
    stone->next = freeStones;
    freeStones = stone;
    point.colour = Empty;
    point.stone = nullptr;
    if (redraw) view_->ErasePoint(*this, column, row);
  }
  PopMove();
  if (redraw && history->prev != nullptr) {
    const gomove* newest = history->prev;
    view_->DrawStone(*this, newest->column, newest->row, true, newest->colour);
  }
}

void Zere19r19::UndoNeighbour(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow,
                              int32_t direction) {
  if (!OnBoard(ncolumn, nrow)) return;
  const gomove* move = history->prev;
  if (move->captured[direction] != nullptr) RestoreCaptured(move->captured[direction]);
  // A join in this direction means the neighbour holds a stone of this colour, so the record
  // alone decides, without a look at the point.
  if (move->joinedStones[direction] > 0) SplitJoined(column, row, ncolumn, nrow, direction);
}

void Zere19r19::RestoreCaptured(StoneGroup* captured) {
  const int32_t colour = history->colour;
  StoneNode* s = captured->firstStone;
  do {
    BoardPoint& point = points[s->column][s->row];
    point.colour = s->colour;
    point.stone = s;
    AdjustAdjacentGroups(s->column, s->row, colour, -1);
    s = s->next;
  } while (s != captured->firstStone);
  // Its liberties stay 0 here; ReturnLiberties gives back its one liberty, this move's point.
  PushGroup(captured, -colour);
  Record(-colour).stonesOnBoard += captured->stones;
}

void Zere19r19::SplitJoined(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow,
                            int32_t direction) {
  const gomove* move = history->prev;
  StoneNode* stone = points[column][row].stone;
  StoneNode* other = points[ncolumn][nrow].stone;
  assert(other != nullptr && other->colour == stone->colour && "SplitJoined: no joined stone");
  std::swap(stone->next, other->next);
  // What stayed with the new stone: itself and the groups joined through lower directions.
  int32_t restStones = 1;
  for (int32_t d = 0; d < direction; ++d)
    restStones += move->joinedStones[d];
  SplitGroup(stone, other, move->joinedStones[direction], move->joinedLiberties[direction],
             move->joinedLibertySets[direction], restStones);
}

void Zere19r19::ReturnLiberties(int32_t column, int32_t row) {
  const StoneGroup* group = points[column][row].stone->group;
  AdjustAdjacentGroups(column, row, -group->colour, +1);
}
