// The protocol, the program and the game's settings.
#include <string>

#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "player/computer_player.h"
#include "scoring/komi.h"

namespace gtp {
Reply ProtocolVersion(GameState&, const Args& args) {
  return args.empty() ? Success("2") : SyntaxError();
}

Reply Name(GameState&, const Args& args) {
  return args.empty() ? Success("Zada Da") : SyntaxError();
}

Reply Version(GameState&, const Args& args) {
  return args.empty() ? Success(ZADADA_VERSION) : SyntaxError();
}

Reply KnownCommand(GameState&, const Args& args) {
  if (args.size() != 1) return SyntaxError();
  return Success(FindHandler(args[0]) != nullptr ? "true" : "false");
}

Reply ListCommands(GameState&, const Args& args) {
  if (!args.empty()) return SyntaxError();
  std::string names;
  for (const Command& command : CommandTable()) {
    if (!names.empty()) names += '\n';
    names += command.name;
  }
  return Success(names);
}

Reply Quit(GameState& state, const Args& args) {
  if (!args.empty()) return SyntaxError();
  state.quit = true;
  return Success();
}

Reply BoardSize(GameState& state, const Args& args) {
  int64_t size = 0;
  if (args.size() != 1 || !ParseInteger(args[0], size)) return SyntaxError();
  if (size < MinBoardLines || size > BoardLines) return Failure("unacceptable size");
  state.NewGame(static_cast<int32_t>(size));
  return Success();
}

Reply ClearBoard(GameState& state, const Args& args) {
  if (!args.empty()) return SyntaxError();
  state.NewGame();
  return Success();
}

Reply Komi(GameState& state, const Args& args) {
  double komi = 0.0;
  if (args.size() != 1 || !ParseFloat(args[0], komi)) return SyntaxError();
  if (!UsableKomi(komi)) return Failure("unacceptable komi");
  state.komi = komi;
  return Success();
}

Reply SetRandomSeed(GameState&, const Args& args) {
  int64_t seed = 0;
  if (args.size() != 1 || !ParseInteger(args[0], seed)) return SyntaxError();
  if (seed < 0 || seed > UINT32_MAX) return Failure("unacceptable seed");
  SeedRandom(static_cast<uint32_t>(seed));
  return Success();
}

}  // namespace gtp
