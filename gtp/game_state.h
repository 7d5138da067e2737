// What the GTP program keeps between commands: the board, the komi and whether to stop.
#pragma once

#include <memory>
#include <vector>

#include "engine/board.h"

namespace gtp {

struct GameState {
  // The game being played. Held through a pointer so that a loaded game record, built and checked
  // on a board of its own, can take the place of the current game in one step.
  std::unique_ptr<Zere19r19> board = std::make_unique<Zere19r19>();
  double komi = 0.0;  // Points given to White in final_score.
  bool quit = false;  // Set by quit: the program stops after answering.
};

// The history records of the board, oldest first.
std::vector<const Zere19r19::gomove*> MovesOldestFirst(const Zere19r19& board);

}  // namespace gtp
