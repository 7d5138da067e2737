// The generator behind the computer's random step.
#include <random>

#include "player/computer_player.h"

namespace {
// One generator for the whole program, as there is one board and one thread.
std::mt19937 generator;
}  // namespace

int32_t RandomBelow(int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>(generator() % static_cast<uint32_t>(n));
}

void SeedRandom(uint32_t seed) {
  generator.seed(seed);
}
