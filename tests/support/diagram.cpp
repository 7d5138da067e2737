#include "tests/support/diagram.h"

#include <gtest/gtest.h>

void PlaceDiagram(Zere19r19& board, std::initializer_list<const char*> rows) {
  int32_t row = 0;
  for (const char* text : rows) {
    for (int32_t column = 0; *text != '\0'; ++text, ++column) {
      if (*text == '/') {
        ++row;
        column = -1;
        continue;
      }
      const int32_t colour = *text == 'X' ? Black : *text == 'O' ? White : Empty;
      EXPECT_TRUE(colour == Empty || board.TryMove(column, row, colour, false))
          << "diagram stone at (" << column << ", " << row << ") was refused";
    }
    ++row;
  }
}

std::string Diagram(const Zere19r19& board) {
  std::string text;
  for (int32_t row = 0; row < board.BoardSize(); ++row) {
    for (int32_t column = 0; column < board.BoardSize(); ++column) {
      const int32_t colour = board.points[column][row].colour;
      text += colour == Black ? 'X' : colour == White ? 'O' : '.';
    }
    text += '\n';
  }
  return text;
}
