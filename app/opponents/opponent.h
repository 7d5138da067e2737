// Opponents: who answers for a colour that no person at the screen plays. The built-in computer
// player answers at once; a GTP engine answers later, through the moved signal. The controller
// asks every opponent the same way and plays the answer through the rules itself.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "engine/board.h"
#include "sgf/game_record.h"

// An opponent's answer.
struct OpponentMove {
  enum Kind { Stone, Pass, Resign };
  Kind kind = Pass;
  int32_t column = -1;  // 0..BoardLines-1 for a stone, -1 otherwise.
  int32_t row = -1;     // 0..BoardLines-1 for a stone, -1 otherwise.
};

class Opponent : public QObject {
  Q_OBJECT

 public:
  // The name the window shows for the opponent.
  virtual QString Name() const = 0;
  // True for an engine: its answers come later, and its failures end its part in the game.
  virtual bool Engine() const = 0;
  // Asks for colour's move in the game on board, whose record is game. The built-in player plays
  // it on board before it returns true; replying lets it pass back after the opponent's pass when
  // the game is decided. An engine returns false and answers later with moved, for the
  // controller to play, unless Cancel comes first.
  virtual bool Move(Zere19r19& board, const sgf::GameRecord& game, int32_t colour,
                    bool replying) = 0;
  // The move asked for is no longer wanted; its answer, if any comes, is not sent.
  virtual void Cancel() {}
  // The game changed outside the opponent's own moves (moves, undo, a new or opened game): an
  // engine puts its board on game's position.
  virtual void Follow(const sgf::GameRecord& /*game*/) {}

 signals:
  void moved(int32_t colour, const OpponentMove& move);
  // The opponent can no longer play; what says why, as a sentence part ("crashed").
  void failed(const QString& what);
  void renamed();  // Name() has changed.
};
