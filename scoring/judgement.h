// The judgement of a finished game: which stones are dead, which live in seki, and whose every
// point of the board is once the dead stones are taken off (area scoring: a colour's stones plus
// the empty points it alone surrounds, dead stones counting for the other colour).
//
// A judgement is a value made from a position; nothing on the board changes. The same position
// always gets the same judgement.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"

enum class StoneStatus : uint8_t {
  NoStone,  // An empty point.
  Alive,
  Dead,  // Taken off before counting; its point counts for the other colour when surrounded.
  Seki,  // Alive without owning the liberties it shares with an enemy group.
};

struct Judgement {
  template <typename T>
  // [column][row], for the largest board; beyond a smaller board's lines the values stay as new.
  using ByPoint = std::array<std::array<T, BoardLines>, BoardLines>;

  ByPoint<StoneStatus> status{};  // Of the stone on each point; NoStone where the point is empty.
  ByPoint<int32_t> owner{};       // Black or White, or Empty for a point that counts for neither.
  // The colour the playouts clearly gave the point, else Empty: it decides the owner of a point
  // whose open region both colours border, where a border was left unfinished.
  ByPoint<int32_t> leaning{};
  int32_t blackArea = 0;   // Points whose owner is Black.
  int32_t whiteArea = 0;   // Points whose owner is White.
  int32_t openPoints = 0;  // Empty points no single colour surrounds, seki liberties aside.

  // Black's lead with komi points given to White.
  double Margin(double komi) const { return blackArea - whiteArea - komi; }

  // True when no empty point is left for which it still matters who plays there: every empty
  // point has an owner, except the liberties groups in seki share.
  bool Decided() const { return openPoints == 0; }
};

// Judges the position on board as it stands.
Judgement JudgePosition(const Zere19r19& board);

// Turns the whole group of the stone at the point dead when it was alive or in seki, alive when it
// was dead, and recounts the owners and areas; the open regions around the group lose their
// leaning, so only stones that surround them give them an owner. A point without a stone leaves
// the judgement as it is.
void ToggleGroup(Judgement& judgement, const Zere19r19& board, int32_t column, int32_t row);

// Sets every owner and both areas from the board and the statuses already in judgement.
void CountArea(Judgement& judgement, const Zere19r19& board);
