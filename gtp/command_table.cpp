#include <algorithm>
#include <array>

#include "gtp/commands.h"

namespace gtp {
namespace {

constexpr std::array CommandList = {
    Command{"protocol_version", ProtocolVersion},
    Command{"name", Name},
    Command{"version", Version},
    Command{"known_command", KnownCommand},
    Command{"list_commands", ListCommands},
    Command{"quit", Quit},
    Command{"boardsize", BoardSize},
    Command{"clear_board", ClearBoard},
    Command{"komi", Komi},
    Command{"fixed_handicap", FixedHandicap},
    Command{"place_free_handicap", PlaceFreeHandicap},
    Command{"set_free_handicap", SetFreeHandicap},
    Command{"time_settings", TimeSettings},
    Command{"time_left", TimeLeft},
    Command{"kgs-time_settings", KgsTimeSettings},
    Command{"set_random_seed", SetRandomSeed},
    Command{"play", Play},
    Command{"genmove", GenMove},
    Command{"kgs-genmove_cleanup", GenMoveCleanup},
    Command{"undo", Undo},
    Command{"is_legal", IsLegal},
    Command{"all_legal", AllLegal},
    Command{"showboard", ShowBoard},
    Command{"list_stones", ListStones},
    Command{"captures", Captures},
    Command{"final_score", FinalScore},
    Command{"final_status_list", FinalStatusList},
    Command{"printsgf", PrintSgf},
    Command{"loadsgf", LoadSgf},
};

}  // namespace

std::span<const Command> CommandTable() {
  return CommandList;
}

Handler FindHandler(std::string_view name) {
  const auto found = std::find_if(CommandList.begin(), CommandList.end(),
                                  [name](const Command& command) { return command.name == name; });
  return found == CommandList.end() ? nullptr : found->handler;
}

}  // namespace gtp
