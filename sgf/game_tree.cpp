#include "sgf/game_tree.h"

#include <algorithm>
#include <cassert>
#include <utility>

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

void GameTree::SetProperty(NodeId node, std::string_view ident, std::string value) {
  std::vector<Property>& properties = nodes[static_cast<size_t>(node)].properties;
  const auto found =
      std::find_if(properties.begin(), properties.end(),
                   [&](const Property& property) { return property.ident == ident; });
  if (found != properties.end())
    found->values = {std::move(value)};
  else
    properties.push_back({std::string(ident), {std::move(value)}});
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
