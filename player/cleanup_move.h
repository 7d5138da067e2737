// The computer's moves while a disputed end of the game is settled on the board: the opponent's
// dead stones are captured before anything else, so that a server counting the stones as they
// stand counts the same result as the judgement.
#pragma once

#include <cstdint>

#include "engine/board.h"
#include "scoring/judgement.h"

// Plays one move for colour (exactly one history record). While an opponent stone that judgement,
// made of this very position, calls dead stands next to a point colour may play, it plays on such
// a point: a capture first, else a stone that keeps two liberties, else a self-atari. Otherwise
// it answers as ComputerReply does, so it passes only once those stones are gone.
void CleanupMove(Zere19r19& board, int32_t colour, const Judgement& judgement);
