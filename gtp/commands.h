// The GTP commands this program knows: one small handler each, found through one table.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "gtp/arguments.h"
#include "gtp/game_state.h"

namespace gtp {

// What a command answers: success with its result, or failure with its error message. Neither
// text may hold an empty line, since an empty line ends a response.
struct Reply {
  bool ok = true;
  std::string text;
};

inline Reply Success(std::string text = "") {
  return Reply{true, std::move(text)};
}
inline Reply Failure(std::string message) {
  return Reply{false, std::move(message)};
}

// The failure for missing, surplus or malformed arguments.
inline Reply SyntaxError() {
  return Failure("syntax error");
}

using Handler = Reply (*)(GameState& state, const Args& args);

struct Command {
  std::string_view name;
  Handler handler;
};

// Every command, in the order list_commands shows them.
std::span<const Command> CommandTable();

// The handler of the command with exactly this name, null when there is none.
Handler FindHandler(std::string_view name);

// ---- Handlers, grouped by the file that holds them ----

// commands_setup.cpp: the protocol, the program and the game's settings.
Reply ProtocolVersion(GameState& state, const Args& args);
Reply Name(GameState& state, const Args& args);
Reply Version(GameState& state, const Args& args);
Reply KnownCommand(GameState& state, const Args& args);
Reply ListCommands(GameState& state, const Args& args);
Reply Quit(GameState& state, const Args& args);
Reply BoardSize(GameState& state, const Args& args);
Reply ClearBoard(GameState& state, const Args& args);
Reply Komi(GameState& state, const Args& args);
Reply SetRandomSeed(GameState& state, const Args& args);

// commands_handicap.cpp: handicap stones, on an empty board only.
Reply FixedHandicap(GameState& state, const Args& args);
Reply PlaceFreeHandicap(GameState& state, const Args& args);
Reply SetFreeHandicap(GameState& state, const Args& args);

// commands_time.cpp: time controls, checked and otherwise ignored.
Reply TimeSettings(GameState& state, const Args& args);
Reply TimeLeft(GameState& state, const Args& args);
Reply KgsTimeSettings(GameState& state, const Args& args);

// commands_moves.cpp: changing the position and asking what may be played.
Reply Play(GameState& state, const Args& args);
Reply GenMove(GameState& state, const Args& args);
Reply GenMoveCleanup(GameState& state, const Args& args);
Reply Undo(GameState& state, const Args& args);
Reply IsLegal(GameState& state, const Args& args);
Reply AllLegal(GameState& state, const Args& args);

// commands_position.cpp: reading the position.
Reply ShowBoard(GameState& state, const Args& args);
Reply ListStones(GameState& state, const Args& args);
Reply Captures(GameState& state, const Args& args);
Reply FinalScore(GameState& state, const Args& args);
Reply FinalStatusList(GameState& state, const Args& args);

// commands_sgf.cpp: game records.
Reply PrintSgf(GameState& state, const Args& args);
Reply LoadSgf(GameState& state, const Args& args);

}  // namespace gtp
