// The generator behind the computer's random step: the C library's, so that the one seed the
// program sets at start (or a test sets with SeedRandom or srand) decides every draw.
#include <cstdlib>

#include "player/computer_player.h"

int32_t RandomBelow(int32_t n) {
  if (n <= 0) return 0;
  return std::rand() % n;
}

void SeedRandom(uint32_t seed) {
  std::srand(seed);
}
