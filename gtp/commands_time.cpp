// Time controls. The engine answers every genmove at once, so it checks the settings and keeps
// nothing.
#include "gtp/arguments.h"
#include "gtp/commands.h"

namespace gtp {
namespace {

// The number of values after each kgs-time_settings system; -1 for an unknown system.
int KgsTimeValues(std::string_view system) {
  if (system == "none") return 0;
  if (system == "absolute") return 1;
  if (system == "byoyomi" || system == "canadian") return 3;
  return -1;
}

}  // namespace

Reply TimeSettings(GameState&, const Args& args) {
  return args.size() == 3 && AllGtpInts(args, 0) ? Success() : SyntaxError();
}

Reply TimeLeft(GameState&, const Args& args) {
  int32_t colour = Empty;
  const bool valid = args.size() == 3 && ParseColour(args[0], colour) && AllGtpInts(args, 1);
  return valid ? Success() : SyntaxError();
}

Reply KgsTimeSettings(GameState&, const Args& args) {
  if (args.empty()) return SyntaxError();
  const bool valid = static_cast<int>(args.size()) - 1 == KgsTimeValues(args[0]);
  return valid && AllGtpInts(args, 1) ? Success() : SyntaxError();
}

}  // namespace gtp
