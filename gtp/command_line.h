// Turning one input line into a GTP command: the protocol's preprocessing and its split into an
// optional id, a command name and arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gtp {

// One command as the controller sent it.
struct CommandLine {
  std::string id;                 // The digits of the optional numeric id; empty when none.
  std::string name;               // The command name, case kept (names are case-sensitive).
  std::vector<std::string> args;  // The arguments in order; may be empty.
};

// Applies GTP preprocessing to one line (without its newline): removes control characters other
// than tab, cuts a '#' comment wherever it stands and turns tabs into spaces.
std::string Preprocess(std::string_view line);

// The command on the line after preprocessing; nullopt for a line that is empty or all blank, to
// which the protocol gives no response. A line holding only an id has an empty name.
std::optional<CommandLine> ParseCommandLine(std::string_view line);

}  // namespace gtp
