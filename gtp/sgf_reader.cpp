#include <cctype>
#include <string>
#include <vector>

#include "gtp/arguments.h"
#include "gtp/sgf.h"

namespace gtp {
namespace {

// One property as written: its identifier and its values, escapes resolved.
struct Property {
  std::string ident;
  std::vector<std::string> values;
};

// Reads a record front to back without recursion, so that deeply nested variations in a hostile
// file cannot exhaust the stack. In SGF the main line is every node before the first ')': the
// first variation of each branch opens before any other, and the first close ends it.
class SgfReader {
 public:
  SgfReader(std::string_view text, SgfGame& game) : text_(text), game_(game) {}

  // Fills the game from the record; on failure error_ says why.
  bool Read() {
    SkipBlanks();
    if (!Take('(')) return Fail("a game record starts with '('");
    int64_t depth = 1;
    bool mainLine = true;
    while (depth > 0) {
      SkipBlanks();
      if (AtEnd()) return Fail("the record ends inside a game");
      if (Take('(')) {
        ++depth;
      } else if (Take(')')) {
        --depth;
        mainLine = false;
      } else if (Take(';')) {
        if (!ReadNode(mainLine)) return false;
      } else {
        return Fail("unexpected character outside a property");
      }
    }
    if (nodes_ == 0) return Fail("the record holds no game");
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }

  bool Take(char expected) {
    if (AtEnd() || Peek() != expected) return false;
    ++pos_;
    return true;
  }

  void SkipBlanks() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek())))
      ++pos_;
  }

  bool Fail(const std::string& message) {
    error_ = "malformed game record: " + message;
    return false;
  }

  // A node's properties; only the main line's nodes are taken into the game.
  bool ReadNode(bool mainLine) {
    const size_t movesBefore = game_.moves.size();
    for (;;) {
      SkipBlanks();
      if (AtEnd() || !std::isalpha(static_cast<unsigned char>(Peek()))) break;
      Property property;
      if (!ReadProperty(property)) return false;
      if (mainLine && !UseProperty(property)) return false;
      if (game_.moves.size() > movesBefore + 1) return Fail("two moves in one node");
    }
    if (mainLine) ++nodes_;
    return true;
  }

  bool ReadProperty(Property& property) {
    // Older records spell identifiers with lowercase letters between the capitals ("AddBlack");
    // only the capitals count.
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek()))) {
      if (std::isupper(static_cast<unsigned char>(Peek()))) property.ident += Peek();
      ++pos_;
    }
    if (property.ident.empty()) return Fail("a property without capital letters");
    SkipBlanks();
    while (!AtEnd() && Peek() == '[') {
      std::string value;
      if (!ReadValue(value)) return false;
      property.values.push_back(std::move(value));
      SkipBlanks();
    }
    if (property.values.empty()) return Fail("property " + property.ident + " has no value");
    return true;
  }

  bool ReadValue(std::string& value) {
    ++pos_;  // The opening bracket.
    for (;;) {
      if (AtEnd()) return Fail("a property value is not closed");
      char c = text_[pos_++];
      if (c == ']') return true;
      if (c == '\\') {
        if (AtEnd()) return Fail("a property value is not closed");
        c = text_[pos_++];
      }
      value.push_back(c);
    }
  }

  // Takes what the program needs from one property of the main line.
  bool UseProperty(const Property& property) {
    const std::string& ident = property.ident;
    const std::string& value = property.values.front();
    const bool root = nodes_ == 0;
    if (ident == "B" || ident == "W") return UseMove(property);
    if (ident == "AB" || ident == "AW" || ident == "AE") {
      return Fail("setup stones are not supported");
    }
    if (root && ident == "GM" && value != "1") return Fail("not a game of Go");
    if (root && ident == "SZ" && value != "19" && value != "19:19") {
      return Fail("the board size is not 19");
    }
    if (root && ident == "KM") {
      double komi = 0.0;
      if (!ParseKomi(value, komi)) return Fail("unusable komi");
      game_.komi = komi;
    }
    return true;
  }

  bool UseMove(const Property& property) {
    if (property.values.size() != 1) return Fail("a move with more than one point");
    const std::string& point = property.values.front();
    SgfMove move{property.ident == "B" ? Black : White, -1, -1};
    if (!point.empty() && point != "tt") {
      auto coordinate = [](char letter) { return letter >= 'a' && letter < 'a' + BoardLines; };
      if (point.size() != 2 || !coordinate(point[0]) || !coordinate(point[1])) {
        return Fail("move " + std::to_string(game_.moves.size() + 1) + " is not on the board");
      }
      move.column = point[0] - 'a';
      move.row = point[1] - 'a';
    }
    game_.moves.push_back(move);
    return true;
  }

  std::string_view text_;
  SgfGame& game_;
  size_t pos_ = 0;
  int64_t nodes_ = 0;  // Main-line nodes read so far; the first is the root.
  std::string error_;
};

}  // namespace

bool ReadSgf(std::string_view text, SgfGame& game, std::string& error) {
  game = SgfGame{};
  SgfReader reader(text, game);
  if (reader.Read()) return true;
  error = reader.error();
  return false;
}

}  // namespace gtp
