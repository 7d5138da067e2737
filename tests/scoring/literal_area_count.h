// The area count written exactly as first designed: a recursive claim from every side of every
// stone, withdrawn direction by direction when it meets the other colour. The program's faster
// count must give the same marks, counts and answers on every position.
#pragma once

#include <cstdint>

#include "engine/board.h"

// The count of colour as CountTerritory makes it: marks, territoryCount and the answer.
bool LiteralCountTerritory(Zere19r19& board, int32_t colour);
