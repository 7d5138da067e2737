// A command's arguments and how they are read: numbers, colours and vertices, each word whole or
// not at all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gtp/vertex.h"

namespace gtp {

// The words after a command's name, in order.
using Args = std::vector<std::string>;

// A decimal integer filling the whole word, within int64; false otherwise.
bool ParseInteger(std::string_view word, int64_t& value);

// A finite decimal number filling the whole word ("6.5", "-3", "0"); false otherwise.
bool ParseFloat(std::string_view word, double& value);

// GTP's int: a decimal integer filling the whole word, 0..2^31-1.
bool ParseGtpInt(std::string_view word, int64_t& value);

// True when args is exactly one colour.
bool ParseColourArg(const Args& args, int32_t& colour);

// True when every word from args[first] on is a GTP int.
bool AllGtpInts(const Args& args, size_t first);

// True when args is exactly a colour and a vertex of a board of boardSize lines (or a pass).
bool ParseMoveArgs(const Args& args, int32_t boardSize, int32_t& colour, Vertex& vertex);

}  // namespace gtp
