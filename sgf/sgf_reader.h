// Reading SGF (FF[4], and FF[3] passes written "tt"): the first game of a record, as a tree and
// as the line of it the program plays.
//
// SGF writes a point as two lowercase letters, column then row, both counted from the top-left
// corner like the engine's own coordinates; a pass is an empty value.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "sgf/game_record.h"
#include "sgf/game_tree.h"

namespace sgf {

// A record's text read, or why it cannot be.
struct ParsedRecord {
  GameRecord record;               // The main line; meaningful only without a failure.
  GameTree tree;                   // The whole game; meaningful only without a failure.
  std::optional<Failure> failure;  // Set when the text is no usable record.
};

// Reads the first game of text into tree, which must be empty: every node and property, with
// the text decoded to UTF-8 as CA names it (see text_encoding.h; a record without CA that is not
// UTF-8 is taken as Latin-1, SGF's default), and CA then saying "UTF-8". A byte order mark or
// any other text before the first "(;" is skipped. Checks only the syntax and the size: at most
// LongestGame + 1 nodes, the root and one node per move of the longest game.
std::optional<Failure> ReadTree(std::string_view text, GameTree& tree);

// The game along line (the root first, then one child of each node) into record, which must be
// new. Checks the game (GM[1]), the size (SZ, square, 2 to 19 lines, 19 when not given), that
// every point lies on the board of that size and that
// the game has at most LongestGame history records; whether the moves are legal is
// ReplayGame's question. Properties this program has no use for are skipped.
std::optional<Failure> RecordOfLine(const GameTree& tree, std::span<const NodeId> line,
                                    GameRecord& record);

// ReadTree, then RecordOfLine for the main line.
ParsedRecord ParseSgf(std::string_view text);

}  // namespace sgf
