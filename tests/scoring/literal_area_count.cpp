#include "tests/scoring/literal_area_count.h"

namespace {

void LiteralClearTerritory(Zere19r19& board, int32_t column, int32_t row);

// Claims the empty region holding the point for colour; false, leaving no mark, when the region
// touches a stone of the other colour.
bool LiteralFillTerritory(Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  BoardPoint& point = board.points[column][row];
  if (point.territoryMark == colour) return true;
  if (point.colour == colour) return true;
  if (point.colour == -colour) return false;
  point.territoryMark = colour;
  if (column < 18 && !LiteralFillTerritory(board, column + 1, row, colour)) {
    point.territoryMark = 0;
    return false;
  }
  if (row < 18 && !LiteralFillTerritory(board, column, row + 1, colour)) {
    point.territoryMark = 0;
    if (column < 18) LiteralClearTerritory(board, column + 1, row);
    return false;
  }
  if (column > 0 && !LiteralFillTerritory(board, column - 1, row, colour)) {
    point.territoryMark = 0;
    if (row < 18) LiteralClearTerritory(board, column, row + 1);
    if (column < 18) LiteralClearTerritory(board, column + 1, row);
    return false;
  }
  if (row > 0 && !LiteralFillTerritory(board, column, row - 1, colour)) {
    point.territoryMark = 0;
    if (column > 0) LiteralClearTerritory(board, column - 1, row);
    if (row < 18) LiteralClearTerritory(board, column, row + 1);
    if (column < 18) LiteralClearTerritory(board, column + 1, row);
    return false;
  }
  return true;
}

// Takes the marks off the marked empty region holding the point.
void LiteralClearTerritory(Zere19r19& board, int32_t column, int32_t row) {
  BoardPoint& point = board.points[column][row];
  if (point.territoryMark == 0 || point.colour != Empty) return;
  point.territoryMark = 0;
  if (column < 18) LiteralClearTerritory(board, column + 1, row);
  if (row < 18) LiteralClearTerritory(board, column, row + 1);
  if (column > 0) LiteralClearTerritory(board, column - 1, row);
  if (row > 0) LiteralClearTerritory(board, column, row - 1);
}

}  // namespace

bool LiteralCountTerritory(Zere19r19& board, int32_t colour) {
  for (auto& column : board.points) {
    for (BoardPoint& point : column)
      point.territoryMark = 0;
  }
  bool result = true;
  for (StoneGroup* group = board.Record(colour).firstGroup; group != nullptr; group = group->next) {
    StoneNode* stone = group->firstStone;
    do {
      const int32_t column = stone->column;
      const int32_t row = stone->row;
      if (column < 18 && board.points[column + 1][row].colour == Empty &&
          !LiteralFillTerritory(board, column + 1, row, colour)) {
        result = false;
      }
      if (row < 18 && board.points[column][row + 1].colour == Empty &&
          !LiteralFillTerritory(board, column, row + 1, colour)) {
        result = false;
      }
      if (column > 0 && board.points[column - 1][row].colour == Empty &&
          !LiteralFillTerritory(board, column - 1, row, colour)) {
        result = false;
      }
      if (row > 0 && board.points[column][row - 1].colour == Empty &&
          !LiteralFillTerritory(board, column, row - 1, colour)) {
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
