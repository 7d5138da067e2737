#include "sgf/sgf_writer.h"

#include <cstdio>

namespace sgf {
namespace {

// Moves per line of the record, so that long games stay readable in an editor.
constexpr int MovesPerLine = 10;

// A number as SGF's Real: "6.5", "-3", "0".
std::string RealText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

// ident[value] with the characters SGF text must escape escaped.
std::string PropertyText(std::string_view ident, std::string_view value) {
  std::string text(ident);
  text += '[';
  for (char c : value) {
    if (c == ']' || c == '\\') text += '\\';
    text += c;
  }
  return text + ']';
}

// AB or AW with every setup stone of colour; nothing when there is none.
std::string SetupText(const GameRecord& record, int32_t colour) {
  std::string text;
  for (const Move& stone : record.setup) {
    if (stone.colour == colour) text += '[' + PointText(stone.column, stone.row) + ']';
  }
  if (text.empty()) return text;
  return (colour == Black ? "AB" : "AW") + text;
}

std::string RootNode(const GameRecord& record) {
  std::string root = "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[Zada Da:" ZADADA_VERSION "]";
  if (record.komi) root += "KM[" + RealText(*record.komi) + "]";
  if (record.handicap > 0) root += "HA[" + std::to_string(record.handicap) + "]";
  if (!record.result.empty()) root += PropertyText("RE", record.result);
  for (const auto& [ident, value] : record.info)
    root += PropertyText(ident, value);
  if (record.playerToMove != Empty) root += record.playerToMove == Black ? "PL[B]" : "PL[W]";
  return root + SetupText(record, Black) + SetupText(record, White);
}

}  // namespace

std::string WriteSgf(const GameRecord& record) {
  std::string text = RootNode(record);
  int onLine = MovesPerLine;
  for (const Move& move : record.moves) {
    if (onLine == MovesPerLine) {
      text += '\n';
      onLine = 0;
    }
    text += move.colour == Black ? ";B[" : ";W[";
    text += PointText(move.column, move.row);
    text += ']';
    ++onLine;
  }
  return text + ")\n";
}

}  // namespace sgf
