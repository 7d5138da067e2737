#include "sgf/sgf_writer.h"

#include <algorithm>
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

// Appends the root: a property with the identifier of one of replaced is written as that one, and
// those of replaced the root lacks follow in their order.
void AppendRoot(const std::vector<Property>& root, const std::vector<Property>& replaced,
                std::string& text) {
  text += ';';
  std::vector<bool> used(replaced.size(), false);
  for (const Property& property : root) {
    const auto match = std::find_if(replaced.begin(), replaced.end(), [&](const Property& other) {
      return other.ident == property.ident;
    });
    AppendProperty(match == replaced.end() ? property : *match, text);
    if (match != replaced.end()) used[static_cast<size_t>(match - replaced.begin())] = true;
  }
  for (size_t i = 0; i < replaced.size(); ++i) {
    if (!used[i]) AppendProperty(replaced[i], text);
  }
}

// One step of writing the tree: a node with everything below it, opened as a variation or not,
// or (node NoNode) the close of a variation.
struct Step {
  NodeId node;
  bool variation;
};

void AppendNode(const std::vector<Property>& properties, std::string& text) {
  text += ';';
  for (const Property& property : properties)
    AppendProperty(property, text);
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

std::string WriteTree(const GameTree& tree, std::vector<Property> replaced) {
  // AP names this program, and a record without CA is marked as the UTF-8 it is written in.
  if (!tree.nodes.empty() && tree.Find(GameTree::Root, "CA") == nullptr)
    replaced.push_back({"CA", {"UTF-8"}});
  replaced.push_back({"AP", {std::string(ProgramName)}});
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
    if (step.node == GameTree::Root)
      AppendRoot(tree.nodes[GameTree::Root].properties, replaced, text);
    else
      AppendNode(tree.nodes[static_cast<size_t>(step.node)].properties, text);
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
