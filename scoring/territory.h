// The area count: each colour's stones plus the empty points it alone surrounds.
#pragma once

#include <cstdint>

#include "engine/board.h"

// Marks every empty point that colour alone surrounds with territoryMark = colour (clearing all
// other marks), stores their number in colour's territoryCount, and returns true when every empty
// region next to colour's stones touches no stone of the other colour. The board edge borders a
// region like an own stone.
bool CountTerritory(Zere19r19& board, int32_t colour);
