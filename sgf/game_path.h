// Where we are in a game: a path from the root of its tree down to the current node. Stepping
// back and forward only moves along the tree, so looking through a record never changes it; a
// move played anywhere continues the path into the child holding that move, or into a new
// variation beside the children already there.
//
// Words used here (see also game_tree.h):
//  - current node: the last node of the path; the board shows the position after it.
//  - next node: the child Forward goes to. At a node with variations it is the child last
//    chosen, stepped back from or played into; at first the first child, so Forward follows the
//    main line.
//  - floor: the highest node the path reaches: the root, or else the last of the record's first
//    nodes that puts setup stones down, as the board keeps setup stones below every move.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sgf/game_record.h"
#include "sgf/game_tree.h"

namespace sgf {

// Sets move to the stone or pass node holds, or to nothing when it holds no move. Returns why a
// node cannot be played: a point off a board of boardSize lines, two moves, or setup stones below
// the floor.
std::optional<Failure> MoveOfNode(const GameTree& tree, NodeId node, int32_t boardSize,
                                  std::optional<Move>& move);

class GamePath {
 public:
  // The path down tree's main line to its end; tree must have a root, and its main line's
  // setup stones must all come before its first move (as RecordOfLine checks).
  explicit GamePath(GameTree tree);

  const GameTree& Tree() const { return tree_; }
  NodeId Current() const { return path_.back(); }
  bool AtFloor() const { return path_.size() == floor_ + 1; }
  // The next node, NoNode at the end of the line.
  NodeId Next() const;
  // How many children the current node has, and which of them (from 1) is the next node; 0 at
  // the end of the line.
  int32_t Variations() const;
  int32_t ChosenVariation() const;
  // The comment (C) of the current node, empty when it has none.
  std::string_view Comment() const;
  // True when any node of the tree holds a comment or has variations.
  bool HasNotes() const { return notes_; }
  // True when the tree holds as many nodes as a record may: no move can be added.
  bool Full() const { return tree_.nodes.size() > size_t{LongestGame}; }

  // Steps up to the parent, whose next node becomes the one left, so that Forward returns there.
  // Not at the floor.
  void Back();
  // Steps down to the next node. Not at the end of the line.
  void Forward();
  // Makes the child step places after the next one (step -1 the one before) the next node;
  // false, changing nothing, when there is none.
  bool ChooseVariation(int32_t step);
  // Steps down to the child holding move, first adding one as the current node's last child
  // when none does. Adding needs a tree that is not Full.
  void Play(const Move& move);

 private:
  GameTree tree_;
  std::vector<NodeId> path_;     // From the root; never shorter than floor_ + 1.
  std::vector<int32_t> chosen_;  // For each node, the index of its next node in its children.
  size_t floor_ = 0;             // The floor's index in path_.
  bool notes_ = false;           // A comment or a variation somewhere in the tree.
};

}  // namespace sgf
