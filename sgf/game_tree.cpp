#include "sgf/game_tree.h"

#include <cassert>

namespace sgf {

NodeId GameTree::AddNode(NodeId parent) {
  assert((parent == NoNode) == nodes.empty());
  const auto id = static_cast<NodeId>(nodes.size());
  nodes.emplace_back().parent = parent;
  if (parent != NoNode) nodes[static_cast<size_t>(parent)].children.push_back(id);
  return id;
}

const Property* GameTree::Find(NodeId node, std::string_view ident) const {
  for (const Property& property : nodes[static_cast<size_t>(node)].properties) {
    if (property.ident == ident) return &property;
  }
  return nullptr;
}

std::vector<NodeId> GameTree::MainLine() const {
  std::vector<NodeId> line;
  for (NodeId node = nodes.empty() ? NoNode : Root; node != NoNode;) {
    line.push_back(node);
    const std::vector<NodeId>& children = nodes[static_cast<size_t>(node)].children;
    node = children.empty() ? NoNode : children.front();
  }
  return line;
}

}  // namespace sgf
