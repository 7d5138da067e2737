// Positions written as small ASCII diagrams in tests.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/board.h"

// Puts the stones of a diagram on the board with uncommitted TryMove calls, row by row from the
// top, each row from the left: 'X' is Black, 'O' is White, anything else is empty; a '/' also
// ends a row. The diagram covers the top-left corner of the board and may be smaller than it.
// Each stone becomes one history record; a stone the rules refuse fails the calling test.
void PlaceDiagram(Zere19r19& board, std::initializer_list<const char*> rows);

// The whole board as a diagram in the same notation, for failure messages.
std::string Diagram(const Zere19r19& board);
