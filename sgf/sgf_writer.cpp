#include "sgf/sgf_writer.h"

#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

namespace sgf {
namespace {

// Nodes per line of the record, so that long games stay readable in an editor.
constexpr int NodesPerLine = 10;

constexpr std::string_view ProgramName = "Zada Da:" ZADADA_VERSION;

// A number as SGF's Real: "6.5", "-3", "0".
std::string RealText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// ident[value][value]... with the characters SGF text must escape escaped.
void AppendProperty(const Property& property, std::string& text) {
  text += property.ident;
  for (const std::string& value : property.values) {
    text += '[';
    for (char c : value) {
      if (c == ']' || c == '\\') text += '\\';
      text += c;
    }
    text += ']';
  }
}

// The root's properties as written: AP names this program, and CA is added when missing.
std::vector<Property> WrittenRoot(std::vector<Property> properties) {
  bool named = false, charset = false;
  for (Property& property : properties) {
    if (property.ident == "AP") {
      property.values = {std::string(ProgramName)};
      named = true;
    }
    charset = charset || property.ident == "CA";
  }
  if (!charset) properties.push_back({"CA", {"UTF-8"}});
  if (!named) properties.push_back({"AP", {std::string(ProgramName)}});
  return properties;
}

// One step of writing the tree: a node with everything below it, opened as a variation or not,
// or (node NoNode) the close of a variation.
struct Step {
  NodeId node;
  bool variation;
};

void AppendNode(const GameTree& tree, NodeId id, std::string& text) {
  text += ';';
  const Node& node = tree.nodes[static_cast<size_t>(id)];
  if (id == GameTree::Root) {
    for (const Property& property : WrittenRoot(node.properties))
      AppendProperty(property, text);
  } else {
    for (const Property& property : node.properties)
      AppendProperty(property, text);
  }
}

// The property of a move's node: B or W with its point, an empty value for a pass.
Property MoveProperty(const Move& move) {
  return {move.colour == Black ? "B" : "W", {PointText(move.column, move.row)}};
}

// AB or AW with every setup stone of colour; nothing when there is none.
void AddSetup(const GameRecord& record, int32_t colour, std::vector<Property>& root) {
  Property setup{colour == Black ? "AB" : "AW", {}};
  for (const Move& stone : record.setup) {
    if (stone.colour == colour) setup.values.push_back(PointText(stone.column, stone.row));
  }
  if (!setup.values.empty()) root.push_back(std::move(setup));
}

std::vector<Property> RootProperties(const GameRecord& record) {
  std::vector<Property> root = {{"FF", {"4"}},
                                {"GM", {"1"}},
                                {"SZ", {std::to_string(record.boardSize)}},
                                {"CA", {"UTF-8"}},
                                {"AP", {std::string(ProgramName)}}};
  if (record.komi) root.push_back({"KM", {RealText(*record.komi)}});
  if (record.handicap > 0) root.push_back({"HA", {std::to_string(record.handicap)}});
  if (!record.result.empty()) root.push_back({"RE", {record.result}});
  for (const auto& [ident, value] : record.info)
    root.push_back({ident, {value}});
  AddSetup(record, Black, root);
  AddSetup(record, White, root);
  if (record.playerToMove != Empty)
    root.push_back({"PL", {record.playerToMove == Black ? "B" : "W"}});
  return root;
}

}  // namespace

std::string WriteTree(const GameTree& tree) {
  std::string text = "(";
  std::vector<Step> steps;
  if (!tree.nodes.empty()) steps.push_back({GameTree::Root, false});
  int onLine = 0;
  while (!steps.empty()) {
    const Step step = steps.back();
    steps.pop_back();
    if (step.node == NoNode) {
      text += ')';
      continue;
    }
    if (step.node != GameTree::Root && (step.variation || onLine == NodesPerLine)) {
      text += '\n';
      onLine = 0;
    }
    if (step.variation) text += '(';
    AppendNode(tree, step.node, text);
    onLine = step.node == GameTree::Root ? NodesPerLine : onLine + 1;  // The root has its own line.
    const std::vector<NodeId>& children = tree.nodes[static_cast<size_t>(step.node)].children;
    const bool branches = children.size() > 1;
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
      if (branches) steps.push_back({NoNode, false});
      steps.push_back({*child, branches});
    }
  }
  return text + ")\n";
}

GameTree TreeOfRecord(const GameRecord& record) {
  GameTree tree;
  NodeId node = tree.AddNode(NoNode);
  tree.nodes[GameTree::Root].properties = RootProperties(record);
  for (const Move& move : record.moves) {
    node = tree.AddNode(node);
    tree.nodes[static_cast<size_t>(node)].properties.push_back(MoveProperty(move));
  }
  return tree;
}

std::string WriteSgf(const GameRecord& record) {
  return WriteTree(TreeOfRecord(record));
}

}  // namespace sgf
