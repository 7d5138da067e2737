// What the GTP program keeps between commands: the board, its setup stones, the komi and whether
// to stop.
#pragma once

#include <memory>

#include "engine/board.h"
#include "scoring/komi.h"
#include "sgf/game_record.h"
#include "sgf/replay.h"

namespace gtp {

struct GameState {
  // The game being played. Held through a pointer so that a loaded game record, built and checked
  // on a board of its own, can take the place of the current game in one step.
  std::unique_ptr<Zere19r19> board = std::make_unique<Zere19r19>();
  sgf::SetupInfo setup;  // The handicap or loaded setup stones at the bottom of the history.
  // Points given to White in final_score. Controllers send komi themselves, so neither a new
  // game nor a handicap changes it.
  double komi = EvenGameKomi;
  bool quit = false;  // Set by quit: the program stops after answering.

  // Who moves next: PL of a loaded record at its setup floor, otherwise alternate play.
  int32_t ColourToMove() const { return sgf::ColourToMove(*board, setup); }

  // True when the game holds as many history records as a game may.
  bool Full() const { return board->moveCount >= sgf::LongestGame; }

  // Empties the board, setup stones included; the komi and the board's size stay.
  void NewGame() { NewGame(board->BoardSize()); }

  // NewGame on a board of boardSize lines (MinBoardLines..BoardLines).
  void NewGame(int32_t boardSize) {
    board->Reset(boardSize);
    setup = {};
  }
};

}  // namespace gtp
