#include "gtp/vertex.h"

#include <algorithm>
#include <cctype>

#include "engine/records.h"

namespace gtp {
namespace {

constexpr std::string_view ColumnLetters = "ABCDEFGHJKLMNOPQRST";

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

}  // namespace

bool ParseColour(std::string_view text, int32_t& colour) {
  if (EqualsIgnoringCase(text, "b") || EqualsIgnoringCase(text, "black")) {
    colour = Black;
    return true;
  }
  if (EqualsIgnoringCase(text, "w") || EqualsIgnoringCase(text, "white")) {
    colour = White;
    return true;
  }
  return false;
}

std::string_view ColourName(int32_t colour) {
  return colour == Black ? "black" : "white";
}

bool ParseVertex(std::string_view text, Vertex& vertex, int32_t boardSize) {
  if (EqualsIgnoringCase(text, "pass")) {
    vertex = Vertex{};
    return true;
  }
  if (text.size() < 2 || text.size() > 3) return false;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  const size_t column = ColumnLetters.find(letter);
  if (column >= static_cast<size_t>(boardSize)) return false;
  int32_t number = 0;
  for (char digit : text.substr(1)) {
    if (!std::isdigit(static_cast<unsigned char>(digit))) return false;
    number = number * 10 + (digit - '0');
  }
  // A leading zero ("A05") is not how GTP writes a row.
  if (text[1] == '0' || number < 1 || number > boardSize) return false;
  vertex.column = static_cast<int32_t>(column);
  vertex.row = boardSize - number;
  return true;
}

std::string VertexText(int32_t column, int32_t row, int32_t boardSize) {
  if (column < 0 || row < 0) return "pass";
  return ColumnLetter(column) + std::to_string(boardSize - row);
}

char ColumnLetter(int32_t column) {
  return ColumnLetters[static_cast<size_t>(column)];
}

std::vector<Vertex> StandardHandicapPoints(int64_t stones, int32_t boardSize) {
  std::vector<Vertex> points;
  if (stones > MostFixedHandicap(boardSize)) return points;
  for (const Intersection& point : FixedHandicapPoints(boardSize, static_cast<int32_t>(stones)))
    points.push_back({point.column, point.row});
  return points;
}

}  // namespace gtp
