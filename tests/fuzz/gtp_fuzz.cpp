// Whole GTP sessions: the input bytes are the controller's lines. Every response must be framed as
// the protocol demands and the board must stay consistent after every command.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "gtp/command_line.h"
#include "gtp/gtp_loop.h"
#include "player/computer_player.h"

namespace {

void Fail(const char* what, const std::string& line) {
  std::fprintf(stderr, "%s after: %s\n", what, line.c_str());
  std::abort();
}

// A response is empty or a status character, text without an empty line, and one empty line.
bool WellFramed(const std::string& response) {
  return response.empty() || ((response[0] == '=' || response[0] == '?') &&
                              response.find("\n\n") == response.size() - 2);
}

// Commands the target leaves out. printsgf and loadsgf with a file name reach wherever the name
// points, which a fuzzer must not; the game record reader has a target of its own. The commands
// that judge the position run hundreds of playouts, a tenth of a second each under the fuzzer's
// instrumentation, which would leave a run few inputs; they read no more of the line than a
// colour or a status word, and the judgement has tests of its own.
bool LeftOut(const std::string& text) {
  const std::optional<gtp::CommandLine> command = gtp::ParseCommandLine(text);
  if (!command) return false;
  const std::string& name = command->name;
  return ((name == "printsgf" || name == "loadsgf") && !command->args.empty()) ||
         name == "final_score" || name == "final_status_list" || name == "kgs-genmove_cleanup";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SeedRandom(1);
  gtp::GameState state;
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  gtp::LineReader reader(input, 256);
  while (!state.quit) {
    const std::optional<gtp::InputLine> line = reader.Next();
    if (!line) break;
    if (LeftOut(line->text)) continue;
    if (!WellFramed(gtp::RespondTo(*line, state))) Fail("badly framed response", line->text);
    if (!state.board->CheckConsistency().empty()) Fail("inconsistent board", line->text);
  }
  return 0;
}
