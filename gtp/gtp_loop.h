// The command loop of the GTP program: input lines in, responses out.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "gtp/game_state.h"
#include "gtp/line_reader.h"

namespace gtp {

// The longest input line answered as a command; no command of this program comes near it, and
// anything longer is answered with an error without being kept in memory whole.
inline constexpr std::size_t LongestLine = 64 * 1024;

// The whole response to one input line, from the status character to the closing empty line;
// empty for a line that gets no response (blank, or only a comment).
std::string RespondTo(const InputLine& line, GameState& state);

// Answers commands from in on out, flushing after every response, until quit, the end of input
// or a failed write (the controller has gone).
void RunGtp(std::istream& in, std::ostream& out, GameState& state);

}  // namespace gtp
