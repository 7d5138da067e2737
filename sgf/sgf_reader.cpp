#include "sgf/sgf_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>

#include "scoring/komi.h"

namespace sgf {
namespace {

// Game information carried from a record to the records written from it.
constexpr std::array<std::string_view, 10> KeptInfo = {"GN", "PB", "PW", "BR", "WR",
                                                       "DT", "EV", "PC", "RU", "GC"};

// The engine coordinate of an SGF letter; -1 for one off a board of boardSize lines.
int32_t Coordinate(char letter, int32_t boardSize) {
  return letter >= 'a' && letter < 'a' + boardSize ? letter - 'a' : -1;
}

// True when value is a point of a board of boardSize lines, set into column and row.
bool ParsePoint(std::string_view value, int32_t boardSize, int32_t& column, int32_t& row) {
  if (value.size() != 2) return false;
  column = Coordinate(value[0], boardSize);
  row = Coordinate(value[1], boardSize);
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

// The board size of SZ's value: "9", or "9:9" in the form that also allows oblong boards; false
// for an oblong board or a size the engine has no board of.
bool ParseBoardSize(std::string_view value, int32_t& boardSize) {
  const size_t colon = value.find(':');
  int32_t columns = 0, rows = 0;
  if (!ParseNumber(value.substr(0, colon), columns)) return false;
  rows = columns;
  if (colon != std::string_view::npos && !ParseNumber(value.substr(colon + 1), rows)) return false;
  boardSize = columns;
  return columns == rows && columns >= MinBoardLines && columns <= BoardLines;
}

// The root's SZ into the record before anything else is read, since the points of every node,
// the root's own setup stones included, are read on a board of that size.
std::optional<Failure> UseBoardSize(const GameTree& tree, GameRecord& record) {
  if (tree.nodes.empty()) return std::nullopt;
  const Property* size = tree.Find(GameTree::Root, "SZ");
  if (size == nullptr) return std::nullopt;
  const std::string& value = size->values.front();
  if (!ParseBoardSize(value, record.boardSize))
    return Failure{FailureKind::BoardSize, Quoted("SZ", value)};
  return std::nullopt;
}

// Takes what the program plays from the nodes of one line: the root's game information, the
// setup stones, PL and the moves.
class LineReader {
 public:
  explicit LineReader(GameRecord& record) : record_(&record) {}

  // Reads the properties of the next node of the line.
  std::optional<Failure> ReadNode(const Node& node) {
    const size_t movesBefore = record_->moves.size();
    for (const Property& property : node.properties) {
      if (auto failure = UseProperty(property)) return failure;
      if (record_->moves.size() > movesBefore + 1) return Malformed("two moves in one node");
    }
    ++nodes_;
    if (record_->setup.size() + record_->moves.size() > size_t{LongestGame})
      return Failure{FailureKind::TooLong, ""};
    return std::nullopt;
  }

 private:
  static Failure Malformed(std::string detail) {
    return Failure{FailureKind::Malformed, std::move(detail)};
  }

  // Takes what the program needs from one property of the line.
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
    if (ident == "KM") {
      double komi = 0.0;
      if (!ParseNumber(value, komi) || !UsableKomi(komi)) return Malformed("unusable komi");
      record_->komi = komi;
    }
    if (ident == "HA") {
      int32_t handicap = 0;
      if (!ParseNumber(value, handicap) || handicap < 0 || handicap >= Points()) {
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
    if (!pass && !ParsePoint(point, record_->boardSize, move.column, move.row)) {
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
    if (!ParsePoint(value.substr(0, colon), record_->boardSize, fromColumn, fromRow) ||
        !ParsePoint(last, record_->boardSize, toColumn, toRow)) {
      return IllegalSetup(Quoted(ident, value) + " is off the board");
    }
    const auto [left, right] = std::minmax(fromColumn, toColumn);
    const auto [top, bottom] = std::minmax(fromRow, toRow);
    // More stones than points must repeat one; refusing them here bounds what a record can ask.
    const size_t stones = static_cast<size_t>((right - left + 1) * (bottom - top + 1));
    if (record_->setup.size() + stones > static_cast<size_t>(Points())) {
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

  // The points of the record's board.
  int32_t Points() const { return record_->boardSize * record_->boardSize; }

  GameRecord* record_;
  int64_t nodes_ = 0;  // Nodes of the line read so far; the first is the root.
};

}  // namespace

std::optional<Failure> RecordOfLine(const GameTree& tree, std::span<const NodeId> line,
                                    GameRecord& record) {
  if (auto failure = UseBoardSize(tree, record)) return failure;
  LineReader reader(record);
  for (const NodeId node : line) {
    if (auto failure = reader.ReadNode(tree.nodes[static_cast<size_t>(node)])) return failure;
  }
  return std::nullopt;
}

ParsedRecord ParseSgf(std::string_view text) {
  ParsedRecord parsed;
  parsed.failure = ReadTree(text, parsed.tree);
  if (!parsed.failure)
    parsed.failure = RecordOfLine(parsed.tree, parsed.tree.MainLine(), parsed.record);
  return parsed;
}

}  // namespace sgf
