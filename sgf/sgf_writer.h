// Writing SGF (FF[4]): one game, its setup stones in the root node, then one node per move.
#pragma once

#include <string>

#include "sgf/game_record.h"

namespace sgf {

// The record as SGF text, ending with a newline. ParseSgf reads it back to an equal record,
// except that the setup stones come back Black's first.
std::string WriteSgf(const GameRecord& record);

}  // namespace sgf
