// A game record as SGF holds it: a tree of nodes, each with its properties in the order written
// and its children, the first child continuing the line and the others starting variations.
// Properties this program has no use for ride along untouched, so a record read and written
// again keeps its comments, variations and markup.
//
// Words used here:
//  - node: one ';' of the record with its properties; the root holds the game's information.
//  - line: a path from the root down through one child at each node; the main line takes the
//    first child every time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sgf {

// One property as written: its identifier and its values, escapes resolved, as UTF-8 when the
// record's charset could be decoded.
struct Property {
  std::string ident;                // Capital letters only, e.g. "B", "AB", "C".
  std::vector<std::string> values;  // At least one; a value may be empty ("B[]" is a pass).

  bool operator==(const Property&) const = default;
};

// Index of a node in GameTree::nodes.
using NodeId = int32_t;
inline constexpr NodeId NoNode = -1;

struct Node {
  std::vector<Property> properties;  // In the order read.
  std::vector<NodeId> children;      // First child first; empty at the end of a line.
  NodeId parent = NoNode;            // NoNode for the root.

  bool operator==(const Node&) const = default;
};

// The nodes of one game. They live in one vector, parents before children, so that neither
// reading, writing nor destroying a long line recurses.
struct GameTree {
  static constexpr NodeId Root = 0;
  std::vector<Node> nodes;  // nodes[Root] is the root; empty for a tree not read yet.

  // Adds an empty node as the last child of parent (NoNode for the root, which must not exist
  // yet) and returns it. References to nodes are invalid afterwards; ids stay.
  NodeId AddNode(NodeId parent);

  // The first property of node with this identifier, null when it has none.
  const Property* Find(NodeId node, std::string_view ident) const;

  // The main line: the root, then each node's first child. Empty for an empty tree.
  std::vector<NodeId> MainLine() const;

  bool operator==(const GameTree&) const = default;
};

}  // namespace sgf
