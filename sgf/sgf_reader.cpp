#include "sgf/sgf_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

#include "scoring/komi.h"

namespace sgf {
namespace {

// Game information carried from a record to the records written from it.
constexpr std::array<std::string_view, 10> KeptInfo = {"GN", "PB", "PW", "BR", "WR",
                                                       "DT", "EV", "PC", "RU", "GC"};

// One property as written: its identifier and its values, escapes resolved.
struct Property {
  std::string ident;
  std::vector<std::string> values;
};

// The engine coordinate of an SGF letter; -1 for one off the board.
int32_t Coordinate(char letter) {
  return letter >= 'a' && letter < 'a' + BoardLines ? letter - 'a' : -1;
}

// True when value is a point of the board, set into column and row.
bool ParsePoint(std::string_view value, int32_t& column, int32_t& row) {
  if (value.size() != 2) return false;
  column = Coordinate(value[0]);
  row = Coordinate(value[1]);
  return column >= 0 && row >= 0;
}

// A property as a message may quote it: short, on one line, printable.
std::string Quoted(std::string_view ident, std::string_view value) {
  constexpr size_t LongestQuote = 8;
  std::string text(ident);
  text += '[';
  for (char c : value.substr(0, LongestQuote))
    text += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
  return text + (value.size() > LongestQuote ? "...]" : "]");
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

// Reads a record front to back without recursion, so that deeply nested variations in a hostile
// file cannot exhaust the stack. In SGF the main line is every node before the first ')': the
// first variation of each branch opens before any other, and the first close ends it.
class SgfReader {
 public:
  explicit SgfReader(std::string_view text) : text_(text) {}

  // Fills record from the text; on failure returns why.
  std::optional<Failure> Read(GameRecord& record) {
    record_ = &record;
    SkipBlanks();
    if (!Take('(')) return Malformed("a game record starts with '('");
    int64_t depth = 1;
    bool mainLine = true;
    while (depth > 0) {
      SkipBlanks();
      if (AtEnd()) return Malformed("the record ends inside a game");
      if (Take('(')) {
        ++depth;
      } else if (Take(')')) {
        --depth;
        mainLine = false;
      } else if (Take(';')) {
        if (auto failure = ReadNode(mainLine)) return failure;
      } else {
        return Malformed("unexpected character outside a property");
      }
    }
    if (nodes_ == 0) return Malformed("the record holds no game");
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
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek())))
      ++pos_;
  }

  static Failure Malformed(std::string detail) {
    return Failure{FailureKind::Malformed, std::move(detail)};
  }

  // A node's properties; only the main line's nodes are taken into the record.
  std::optional<Failure> ReadNode(bool mainLine) {
    const size_t movesBefore = record_->moves.size();
    for (;;) {
      SkipBlanks();
      if (AtEnd() || !std::isalpha(static_cast<unsigned char>(Peek()))) break;
      Property property;
      if (auto failure = ReadProperty(property)) return failure;
      if (!mainLine) continue;
      if (auto failure = UseProperty(property)) return failure;
      if (record_->moves.size() > movesBefore + 1) return Malformed("two moves in one node");
    }
    if (mainLine) ++nodes_;
    return std::nullopt;
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
      std::string value;
      if (auto failure = ReadValue(value)) return failure;
      property.values.push_back(std::move(value));
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

  // Takes what the program needs from one property of the main line.
  std::optional<Failure> UseProperty(const Property& property) {
    const std::string& ident = property.ident;
    if (ident == "B" || ident == "W") return UseMove(property);
    if (ident == "AB" || ident == "AW" || ident == "AE") return UseSetup(property);
    if (ident == "PL") return UsePlayer(property.values.front());
    if (nodes_ == 0) return UseRootProperty(ident, property.values.front());
    return std::nullopt;
  }

  // Properties of the game as a whole, which only the root node holds.
  std::optional<Failure> UseRootProperty(const std::string& ident, const std::string& value) {
    if (ident == "GM" && value != "1") return Failure{FailureKind::NotGo, Quoted(ident, value)};
    if (ident == "SZ" && value != "19" && value != "19:19") {
      return Failure{FailureKind::BoardSize, Quoted(ident, value)};
    }
    if (ident == "KM") {
      double komi = 0.0;
      if (!ParseNumber(value, komi) || !UsableKomi(komi)) return Malformed("unusable komi");
      record_->komi = komi;
    }
    if (ident == "HA") {
      int32_t handicap = 0;
      if (!ParseNumber(value, handicap) || handicap < 0 || handicap >= BoardLines * BoardLines) {
        return Malformed("unusable handicap");
      }
      record_->handicap = handicap;
    }
    if (ident == "RE") record_->result = value;
    if (std::find(KeptInfo.begin(), KeptInfo.end(), ident) != KeptInfo.end()) {
      record_->info.emplace_back(ident, value);
    }
    return std::nullopt;
  }

  std::optional<Failure> UsePlayer(const std::string& value) {
    if (value != "B" && value != "W") return Malformed(Quoted("PL", value) + " names no colour");
    record_->playerToMove = value == "B" ? Black : White;
    return std::nullopt;
  }

  std::optional<Failure> UseMove(const Property& property) {
    if (property.values.size() != 1) return Malformed("a move with more than one point");
    const std::string& point = property.values.front();
    Move move{property.ident == "B" ? Black : White, -1, -1};
    const bool pass = point.empty() || point == "tt";
    if (!pass && !ParsePoint(point, move.column, move.row)) {
      const std::string number = std::to_string(record_->moves.size() + 1);
      return Failure{FailureKind::IllegalMove,
                     Quoted(property.ident, point) + " (move " + number + ") is off the board"};
    }
    record_->moves.push_back(move);
    return std::nullopt;
  }

  // AB and AW before the first move; each value a point or a rectangle "aa:cc" of points.
  std::optional<Failure> UseSetup(const Property& property) {
    const std::string written = Quoted(property.ident, property.values.front());
    if (property.ident == "AE") return IllegalSetup(written + " takes stones off");
    if (!record_->moves.empty()) return IllegalSetup(written + " after the first move");
    const int32_t colour = property.ident == "AB" ? Black : White;
    for (const std::string& value : property.values) {
      if (auto failure = UseSetupValue(property.ident, value, colour)) return failure;
    }
    return std::nullopt;
  }

  std::optional<Failure> UseSetupValue(const std::string& ident, std::string_view value,
                                       int32_t colour) {
    const size_t colon = value.find(':');
    const std::string_view last = colon == std::string_view::npos ? value : value.substr(colon + 1);
    int32_t fromColumn = 0, fromRow = 0, toColumn = 0, toRow = 0;
    if (!ParsePoint(value.substr(0, colon), fromColumn, fromRow) ||
        !ParsePoint(last, toColumn, toRow)) {
      return IllegalSetup(Quoted(ident, value) + " is off the board");
    }
    const auto [left, right] = std::minmax(fromColumn, toColumn);
    const auto [top, bottom] = std::minmax(fromRow, toRow);
    // More stones than points must repeat one; refusing them here bounds what a record can ask.
    const size_t stones = static_cast<size_t>((right - left + 1) * (bottom - top + 1));
    if (record_->setup.size() + stones > BoardLines * BoardLines) {
      return IllegalSetup("more setup stones than points");
    }
    for (int32_t column = left; column <= right; ++column) {
      for (int32_t row = top; row <= bottom; ++row)
        record_->setup.push_back(Move{colour, column, row});
    }
    return std::nullopt;
  }

  static Failure IllegalSetup(std::string detail) {
    return Failure{FailureKind::IllegalSetup, std::move(detail)};
  }

  std::string_view text_;
  GameRecord* record_ = nullptr;
  size_t pos_ = 0;
  int64_t nodes_ = 0;  // Main-line nodes read so far; the first is the root.
};

}  // namespace

ParsedRecord ParseSgf(std::string_view text) {
  ParsedRecord parsed;
  parsed.failure = SgfReader(text).Read(parsed.record);
  return parsed;
}

}  // namespace sgf
