// Game records in SGF (FF[4]): the moves and passes of one 19 x 19 game.
//
// SGF writes a point as two lowercase letters, column then row, both counted from the top-left
// corner like the engine's own coordinates; a pass is an empty value (or "tt", as older records
// write it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"

namespace gtp {

// One move of a record, in engine coordinates; column and row are -1 for a pass.
struct SgfMove {
  int32_t colour;
  int32_t column;
  int32_t row;
};

// What this program takes from a record: the komi, if given, and the moves of its main line.
struct SgfGame {
  std::optional<double> komi;
  std::vector<SgfMove> moves;
};

// The game on the board as a record: root properties, then one node per move or pass.
std::string WriteSgf(const Zere19r19& board, double komi);

// Reads the main line (the first variation at every branch) of the first game of a record. On
// failure returns false and describes the fault in error. Only the syntax and the properties
// are checked here; whether the moves are legal is the rules engine's question.
bool ReadSgf(std::string_view text, SgfGame& game, std::string& error);

}  // namespace gtp
