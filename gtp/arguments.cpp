#include "gtp/arguments.h"

#include <charconv>
#include <cmath>

namespace gtp {

bool ParseInteger(std::string_view word, int64_t& value) {
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  return error == std::errc() && stop == end;
}

bool ParseFloat(std::string_view word, double& value) {
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value, std::chars_format::general);
  return error == std::errc() && stop == end && std::isfinite(value);
}

bool ParseGtpInt(std::string_view word, int64_t& value) {
  return ParseInteger(word, value) && value >= 0 && value <= INT32_MAX;
}

bool AllGtpInts(const Args& args, size_t first) {
  int64_t value = 0;
  for (size_t i = first; i < args.size(); ++i) {
    if (!ParseGtpInt(args[i], value)) return false;
  }
  return true;
}

bool ParseColourArg(const Args& args, int32_t& colour) {
  return args.size() == 1 && ParseColour(args[0], colour);
}

bool ParseMoveArgs(const Args& args, int32_t boardSize, int32_t& colour, Vertex& vertex) {
  return args.size() == 2 && ParseColour(args[0], colour) &&
         ParseVertex(args[1], vertex, boardSize);
}

}  // namespace gtp
