#include "gtp/game_state.h"

#include <algorithm>

namespace gtp {

std::vector<const Zere19r19::gomove*> MovesOldestFirst(const Zere19r19& board) {
  std::vector<const Zere19r19::gomove*> moves;
  moves.reserve(static_cast<size_t>(board.moveCount));
  for (const Zere19r19::gomove* move = board.Newest(); move != nullptr; move = move->prev)
    moves.push_back(move);
  std::reverse(moves.begin(), moves.end());
  return moves;
}

}  // namespace gtp
