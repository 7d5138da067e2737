#include "tests/display/literal_area_count.h"

bool LiteralCountTerritory(Zere19r19& board, int32_t colour) {
  for (auto& column : board.points) {
    for (BoardPoint& point : column)
      point.territoryMark = 0;
  }
  bool result = true;
  for (StoneGroup* group = board.Record(colour).firstGroup; group != nullptr; group = group->next) {
    if (group->firstStone == nullptr) return false;
    StoneNode* stone = group->firstStone;
    do {
      const int32_t c = stone->column;
      const int32_t r = stone->row;
      if (c < 18 && board.points[c + 1][r].colour == Empty &&
          !LiteralFillTerritory(board, c + 1, r, colour)) {
        result = false;
      }
      if (r < 18 && board.points[c][r + 1].colour == Empty &&
          !LiteralFillTerritory(board, c, r + 1, colour)) {
        result = false;
      }
      if (c > 0 && board.points[c - 1][r].colour == Empty &&
          !LiteralFillTerritory(board, c - 1, r, colour)) {
        result = false;
      }
      if (r > 0 && board.points[c][r - 1].colour == Empty &&
          !LiteralFillTerritory(board, c, r - 1, colour)) {
        result = false;
      }
      stone = stone->next;
    } while (stone != group->firstStone);
  }
  int32_t count = 0;
  for (auto& column : board.points) {
    for (BoardPoint& point : column)
      count += point.territoryMark == colour ? 1 : 0;
  }
  board.Record(colour).territoryCount = count;
  return result;
}

bool LiteralFillTerritory(Zere19r19& board, int32_t c, int32_t r, int32_t colour) {
  BoardPoint& point = board.points[c][r];
  if (point.territoryMark == colour) return true;
  if (point.colour == colour) return true;
  if (point.colour == -colour) return false;
  point.territoryMark = colour;
  if (c < 18 && !LiteralFillTerritory(board, c + 1, r, colour)) {
    point.territoryMark = 0;
    return false;
  }
  if (r < 18 && !LiteralFillTerritory(board, c, r + 1, colour)) {
    point.territoryMark = 0;
    if (c < 18) LiteralClearTerritory(board, c + 1, r);
    return false;
  }
  if (c > 0 && !LiteralFillTerritory(board, c - 1, r, colour)) {
    point.territoryMark = 0;
    if (r < 18) LiteralClearTerritory(board, c, r + 1);
    if (c < 18) LiteralClearTerritory(board, c + 1, r);
    return false;
  }
  if (r > 0 && !LiteralFillTerritory(board, c, r - 1, colour)) {
    point.territoryMark = 0;
    if (c > 0) LiteralClearTerritory(board, c - 1, r);
    if (r < 18) LiteralClearTerritory(board, c, r + 1);
    if (c < 18) LiteralClearTerritory(board, c + 1, r);
    return false;
  }
  return true;
}

void LiteralClearTerritory(Zere19r19& board, int32_t c, int32_t r) {
  BoardPoint& point = board.points[c][r];
  if (point.territoryMark == 0 || point.colour != Empty) return;
  point.territoryMark = 0;
  if (c < 18) LiteralClearTerritory(board, c + 1, r);
  if (r < 18) LiteralClearTerritory(board, c, r + 1);
  if (c > 0) LiteralClearTerritory(board, c - 1, r);
  if (r > 0) LiteralClearTerritory(board, c, r - 1);
}
