// Komi and the written result of a game: one set of rules for the windowed program, the GTP
// program and the game records, so that whatever one of them accepts or writes, the others read.
#pragma once

#include <cstdint>
#include <string>

// The komi of an even game and of a handicap game, in points given to White.
inline constexpr double EvenGameKomi = 7.5;
inline constexpr double HandicapKomi = 0.5;

// The komi a new game starts with: EvenGameKomi without handicap, HandicapKomi with one.
constexpr double DefaultKomi(int32_t handicap) {
  return handicap >= 2 ? HandicapKomi : EvenGameKomi;
}

// True for a komi a game could use: finite and of a size that keeps a score readable.
bool UsableKomi(double komi);

// A result as GTP's final_score and SGF's RE write it, for a lead of margin points to Black:
// "B+5.5", "W+0.5", or "0" for an exactly equal score.
std::string ScoreText(double margin);
