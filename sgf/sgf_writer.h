// Writing SGF (FF[4]) as UTF-8: a whole game tree, or one game with its setup stones in the root
// node and one node per move.
#pragma once

#include <string>

#include "sgf/game_record.h"
#include "sgf/game_tree.h"

namespace sgf {

// The tree as SGF text, ending with a newline, which ReadTree reads back to the same tree apart
// from the root's AP, which names this program, and CA[UTF-8], added when the root has no CA.
// Every other property is written as the tree holds it, in its order, except that each of
// replaced stands in for the root's properties of its identifier, or follows them when the root
// has none: a caller changes the game information of a long game without copying its tree.
std::string WriteTree(const GameTree& tree, std::vector<Property> replaced = {});

// The record as a tree: the root with the game information and the setup stones before PL (a
// reader that places HA stones itself then knows they are there), then one node per move.
GameTree TreeOfRecord(const GameRecord& record);

// WriteTree(TreeOfRecord(record)). ParseSgf reads it back to an equal record, except that the
// setup stones come back Black's first.
std::string WriteSgf(const GameRecord& record);

}  // namespace sgf
