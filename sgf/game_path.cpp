#include "sgf/game_path.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace sgf {
namespace {

bool HoldsMove(const Node& node) {
  return std::any_of(node.properties.begin(), node.properties.end(), [](const Property& property) {
    return property.ident == "B" || property.ident == "W";
  });
}

bool HoldsSetup(const Node& node) {
  return std::any_of(node.properties.begin(), node.properties.end(), [](const Property& property) {
    return property.ident == "AB" || property.ident == "AW" || property.ident == "AE";
  });
}

bool HoldsNotes(const Node& node) {
  return node.children.size() > 1 ||
         std::any_of(node.properties.begin(), node.properties.end(),
                     [](const Property& property) { return property.ident == "C"; });
}

// The value as a message may quote it: the property, cut short.
std::string Quoted(const Property& property) {
  return property.ident + '[' + property.values.front().substr(0, 8) + ']';
}

// Sets move from a B or W property; FF[3]'s "tt" is a pass too.
std::optional<Failure> ReadMove(const Property& property, int32_t boardSize,
                                std::optional<Move>& move) {
  const std::string& point = property.values.front();
  const int32_t colour = property.ident == "B" ? Black : White;
  if (point.empty() || point == "tt") {
    move = Move{colour, -1, -1};
    return std::nullopt;
  }
  const auto onBoard = [&](char letter) { return letter >= 'a' && letter < 'a' + boardSize; };
  if (property.values.size() != 1 || point.size() != 2 || !onBoard(point[0]) || !onBoard(point[1]))
    return Failure{FailureKind::IllegalMove, Quoted(property) + " is off the board"};
  move = Move{colour, point[0] - 'a', point[1] - 'a'};
  return std::nullopt;
}

}  // namespace

std::optional<Failure> MoveOfNode(const GameTree& tree, NodeId node, int32_t boardSize,
                                  std::optional<Move>& move) {
  move.reset();
  const Node& held = tree.nodes[static_cast<size_t>(node)];
  if (HoldsSetup(held))
    return Failure{FailureKind::IllegalSetup, "setup stones after the first move"};
  for (const Property& property : held.properties) {
    if (property.ident != "B" && property.ident != "W") continue;
    if (move) return Failure{FailureKind::Malformed, "two moves in one node"};
    if (auto failure = ReadMove(property, boardSize, move)) return failure;
  }
  return std::nullopt;
}

GamePath::GamePath(GameTree tree) : tree_(std::move(tree)), chosen_(tree_.nodes.size(), 0) {
  assert(!tree_.nodes.empty());
  path_ = tree_.MainLine();
  for (size_t depth = 0; depth < path_.size(); ++depth) {
    const Node& node = tree_.nodes[static_cast<size_t>(path_[depth])];
    if (HoldsMove(node)) break;
    if (HoldsSetup(node)) floor_ = depth;
  }
  notes_ = std::any_of(tree_.nodes.begin(), tree_.nodes.end(), HoldsNotes);
}

NodeId GamePath::Next() const {
  const std::vector<NodeId>& children = tree_.nodes[static_cast<size_t>(Current())].children;
  return children.empty() ? NoNode
                          : children[static_cast<size_t>(chosen_[static_cast<size_t>(Current())])];
}

int32_t GamePath::Variations() const {
  return static_cast<int32_t>(tree_.nodes[static_cast<size_t>(Current())].children.size());
}

int32_t GamePath::ChosenVariation() const {
  return Next() == NoNode ? 0 : chosen_[static_cast<size_t>(Current())] + 1;
}

std::string_view GamePath::Comment() const {
  const Property* comment = tree_.Find(Current(), "C");
  return comment != nullptr ? std::string_view(comment->values.front()) : std::string_view();
}

void GamePath::Back() {
  assert(!AtFloor());
  const NodeId left = Current();
  path_.pop_back();
  const std::vector<NodeId>& children = tree_.nodes[static_cast<size_t>(Current())].children;
  chosen_[static_cast<size_t>(Current())] =
      static_cast<int32_t>(std::find(children.begin(), children.end(), left) - children.begin());
}

void GamePath::Forward() {
  assert(Next() != NoNode);
  path_.push_back(Next());
}

bool GamePath::ChooseVariation(int32_t step) {
  const int32_t chosen = chosen_[static_cast<size_t>(Current())] + step;
  if (Next() == NoNode || chosen < 0 || chosen >= Variations()) return false;
  chosen_[static_cast<size_t>(Current())] = chosen;
  return true;
}

void GamePath::Play(const Move& move) {
  const std::vector<NodeId>& children = tree_.nodes[static_cast<size_t>(Current())].children;
  const auto same = std::find_if(children.begin(), children.end(), [&](NodeId child) {
    // Move is on the board, so the largest board tells whether a child holds the same one.
    std::optional<Move> held;
    return !MoveOfNode(tree_, child, BoardLines, held) && held == move;
  });
  const auto chosen = static_cast<int32_t>(same - children.begin());
  if (same == children.end()) {
    assert(!Full());
    const NodeId added = tree_.AddNode(Current());
    tree_.nodes[static_cast<size_t>(added)].properties.push_back(
        {move.colour == Black ? "B" : "W", {PointText(move.column, move.row)}});
    chosen_.push_back(0);
    notes_ = notes_ || chosen > 0;
  }
  chosen_[static_cast<size_t>(Current())] = chosen;
  Forward();
}

}  // namespace sgf
