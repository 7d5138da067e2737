// The Monte Carlo half of the judgement: the position played out many times by light random
// moves, and who ends up owning each point, averaged.
//
// A playout plays random legal moves for both colours in turn, never filling an own eye, until
// neither colour has a move left; then every stone owns its point and every empty point belongs to
// the colour all of whose stones surround it. Half the playouts start with each colour, so neither
// gets the tempo. The playouts run on a board of their own, built from the position, through the
// engine's moves and exact take-backs.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/board.h"

// What the playouts found, by point, [column][row]; 0 beyond a smaller board's lines.
struct Ownership {
  // The share of playouts Black ended up owning the point minus White's share, from -1 (always
  // White's) to 1 (always Black's).
  double owner[BoardLines][BoardLines];
  // The share of playouts that ended with the point empty between stones of both colours: a
  // liberty that neither colour could fill, as in seki.
  double shared[BoardLines][BoardLines];
};

// Plays random games from one position and keeps who owned each point at their ends.
class Playouts {
 public:
  // Ready to play from the position on board, seeded with seed; board may change afterwards.
  Playouts(const Zere19r19& board, uint64_t seed);
  ~Playouts();
  Playouts(const Playouts&) = delete;
  Playouts& operator=(const Playouts&) = delete;

  // Plays count more games. The same seed and the same counts always give the same results.
  void Play(int32_t count);

  // The averages over every game played so far; all zero before the first.
  Ownership Average() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};
