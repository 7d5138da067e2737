// Reading SGF (FF[4], and FF[3] passes written "tt"): the first game of a record.
//
// SGF writes a point as two lowercase letters, column then row, both counted from the top-left
// corner like the engine's own coordinates; a pass is an empty value.
#pragma once

#include <optional>
#include <string_view>

#include "sgf/game_record.h"

namespace sgf {

// A record's text read, or why it cannot be.
struct ParsedRecord {
  GameRecord record;               // Meaningful only without a failure.
  std::optional<Failure> failure;  // Set when the text is no usable record.
};

// Reads the main line of the first game of text. Checks the syntax, the game (GM[1]), the size
// (SZ[19]) and that every point lies on the board; whether the moves are legal is ReplayGame's
// question. Properties this program has no use for are skipped.
ParsedRecord ParseSgf(std::string_view text);

}  // namespace sgf
