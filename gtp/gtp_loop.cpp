#include "gtp/gtp_loop.h"

#include <exception>

#include "gtp/command_line.h"
#include "gtp/commands.h"

namespace gtp {
namespace {

std::string Format(const std::string& id, const Reply& reply) {
  return (reply.ok ? "=" : "?") + id + " " + reply.text + "\n\n";
}

Reply Execute(const CommandLine& command, GameState& state) {
  if (command.name.empty()) return SyntaxError();
  const Handler handler = FindHandler(command.name);
  if (handler == nullptr) return Failure("unknown command");
  try {
    return handler(state, command.args);
  } catch (const std::exception&) {
    // Only running out of memory gets here; the controller hears of it and the game goes on.
    return Failure("internal error");
  }
}

}  // namespace

std::string RespondTo(const InputLine& line, GameState& state) {
  const std::optional<CommandLine> command = ParseCommandLine(line.text);
  if (!command) return line.tooLong ? Format("", Failure("line too long")) : "";
  if (line.tooLong) return Format(command->id, Failure("line too long"));
  return Format(command->id, Execute(*command, state));
}

void RunGtp(std::istream& in, std::ostream& out, GameState& state) {
  LineReader reader(in, LongestLine);
  while (!state.quit) {
    const std::optional<InputLine> line = reader.Next();
    if (!line) return;
    const std::string response = RespondTo(*line, state);
    if (response.empty()) continue;
    out << response << std::flush;
    if (!out) return;
  }
}

}  // namespace gtp
