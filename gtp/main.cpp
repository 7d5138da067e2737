// zadada-gtp: the rules engine and the computer player behind the Go Text Protocol, for Go
// programs that attach engines and for referees that drive them.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>

#include "gtp/game_state.h"
#include "gtp/gtp_loop.h"
#include "player/computer_player.h"

int main() {
  // A controller that goes away must end the program through a failed write, not a signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  SeedRandom(static_cast<uint32_t>(now));
  gtp::GameState state;
  gtp::RunGtp(std::cin, std::cout, state);
  return 0;
}
