// Good shape for the playouts: the 3 x 3 patterns around an empty point at which strong players
// often play in a fight (hane, cuts, blocks on the edge), whichever colour is to move.
#pragma once

#include <cstdint>

#include "engine/board.h"

// True when the eight points around the empty point (column, row) on board form one of the
// patterns, in any turn, mirror image or swap of colours.
bool MatchesShape(const Zere19r19& board, int32_t column, int32_t row);
