// The syntax of SGF: text to a game tree, and its text decoded to UTF-8.
#include <cctype>
#include <string>
#include <vector>

#include "sgf/sgf_reader.h"
#include "sgf/text_encoding.h"

namespace sgf {
namespace {

// Where the nodes of a second game at the top of the record go: read, then dropped.
constexpr NodeId Dropped = NoNode - 1;

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Where the first game starts: the first '(' followed, after blanks, by ';'. Files from other
// programs may begin with a byte order mark or a line of text. Without one, the first '(', so
// that "()" is still called a record without a game; npos without any.
size_t StartOfGame(std::string_view text) {
  for (size_t open = text.find('('); open != std::string_view::npos;
       open = text.find('(', open + 1)) {
    size_t next = open + 1;
    while (next < text.size() && IsBlank(text[next]))
      ++next;
    if (next < text.size() && text[next] == ';') return open;
  }
  return text.find('(');
}

// Reads a record front to back without recursion, so that deeply nested variations in a hostile
// file cannot exhaust the stack.
class TreeReader {
 public:
  TreeReader(std::string_view text, GameTree& tree) : text_(text), tree_(tree) {}

  std::optional<Failure> Read() {
    pos_ = StartOfGame(text_);
    if (pos_ == std::string_view::npos) return Malformed("a game record starts with '('");
    ++pos_;
    // The node each open variation hangs from, innermost last.
    std::vector<NodeId> opened{NoNode};
    NodeId current = NoNode;
    while (!opened.empty()) {
      SkipBlanks();
      if (AtEnd()) return Malformed("the record ends inside a game");
      if (Take('(')) {
        opened.push_back(current);
      } else if (Take(')')) {
        current = opened.back();
        opened.pop_back();
      } else if (Take(';')) {
        current = NewNode(current);
        if (tree_.nodes.size() > size_t{LongestGame} + 1) return Failure{FailureKind::TooLong, ""};
        if (auto failure = ReadProperties(current)) return failure;
      } else {
        return Malformed("unexpected character outside a property");
      }
    }
    if (tree_.nodes.empty()) return Malformed("the record holds no game");
    return std::nullopt;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }

  bool Take(char expected) {
    if (AtEnd() || Peek() != expected) return false;
    ++pos_;
    return true;
  }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek()))
      ++pos_;
  }

  static Failure Malformed(std::string detail) {
    return Failure{FailureKind::Malformed, std::move(detail)};
  }

  // A child of parent; the root when there is none yet. A record is one game: a node that would
  // be a second root, and everything below it, is dropped.
  NodeId NewNode(NodeId parent) {
    if (parent == Dropped || (parent == NoNode && !tree_.nodes.empty())) return Dropped;
    return tree_.AddNode(parent);
  }

  std::optional<Failure> ReadProperties(NodeId node) {
    std::vector<Property> dropped;
    std::vector<Property>& properties =
        node == Dropped ? dropped : tree_.nodes[static_cast<size_t>(node)].properties;
    for (;;) {
      SkipBlanks();
      if (AtEnd() || !std::isalpha(static_cast<unsigned char>(Peek()))) return std::nullopt;
      if (auto failure = ReadProperty(properties.emplace_back())) return failure;
    }
  }

  std::optional<Failure> ReadProperty(Property& property) {
    // Older records spell identifiers with lowercase letters between the capitals ("AddBlack");
    // only the capitals count.
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek()))) {
      if (std::isupper(static_cast<unsigned char>(Peek()))) property.ident += Peek();
      ++pos_;
    }
    if (property.ident.empty()) return Malformed("a property without capital letters");
    SkipBlanks();
    while (!AtEnd() && Peek() == '[') {
      if (auto failure = ReadValue(property.values.emplace_back())) return failure;
      SkipBlanks();
    }
    if (property.values.empty()) return Malformed("property " + property.ident + " has no value");
    return std::nullopt;
  }

  std::optional<Failure> ReadValue(std::string& value) {
    ++pos_;  // The opening bracket.
    for (;;) {
      if (AtEnd()) return Malformed("a property value is not closed");
      char c = text_[pos_++];
      if (c == ']') return std::nullopt;
      if (c == '\\') {
        if (AtEnd()) return Malformed("a property value is not closed");
        c = text_[pos_++];
      }
      value.push_back(c);
    }
  }

  std::string_view text_;
  GameTree& tree_;
  size_t pos_ = 0;
};

// Calls visit on every value of every node.
template <typename Visit>
void ForEachValue(GameTree& tree, Visit visit) {
  for (Node& node : tree.nodes) {
    for (Property& property : node.properties) {
      for (std::string& value : property.values)
        visit(value);
    }
  }
}

// The charset of the tree's text: as CA names it, or without CA UTF-8 when every value is UTF-8
// (as most programs write without saying so) and otherwise Latin-1, SGF's default.
Charset CharsetOf(GameTree& tree) {
  if (const Property* charset = tree.Find(GameTree::Root, "CA"))
    return CharsetNamed(charset->values.front());
  bool utf8 = true;
  ForEachValue(tree, [&](const std::string& value) { utf8 = utf8 && IsUtf8(value); });
  return utf8 ? Charset::Utf8 : Charset::Latin1;
}

void DecodeTree(GameTree& tree) {
  const Charset charset = CharsetOf(tree);
  if (charset == Charset::Utf8 || charset == Charset::Other) return;
  ForEachValue(tree, [&](std::string& value) { value = ToUtf8(value, charset); });
  for (Property& property : tree.nodes[GameTree::Root].properties) {
    if (property.ident == "CA") property.values = {"UTF-8"};
  }
}

}  // namespace

std::optional<Failure> ReadTree(std::string_view text, GameTree& tree) {
  if (auto failure = TreeReader(text, tree).Read()) return failure;
  tree.nodes.shrink_to_fit();  // Grown by doubling: a long game would keep up to half again.
  DecodeTree(tree);
  return std::nullopt;
}

}  // namespace sgf
