#include "app/opponents/computer_opponent.h"

#include "player/computer_player.h"

bool ComputerOpponent::Move(Zere19r19& board, const sgf::GameRecord& /*game*/, int32_t colour,
                            bool replying) {
  if (replying)
    ComputerReply(board, colour);
  else
    ComputerMove(board, colour);
  return true;
}
