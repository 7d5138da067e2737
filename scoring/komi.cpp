#include "scoring/komi.h"

#include <cmath>
#include <cstdio>

bool UsableKomi(double komi) {
  // Far beyond what any board's area could outweigh; refusing more keeps scores readable.
  constexpr double LargestKomi = 1000.0;
  return std::isfinite(komi) && std::abs(komi) <= LargestKomi;
}

std::string ScoreText(double margin) {
  if (margin == 0.0) return "0";
  char number[32];
  std::snprintf(number, sizeof number, "%.10g", std::abs(margin));
  return (margin > 0 ? "B+" : "W+") + std::string(number);
}
