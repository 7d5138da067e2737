// The built-in computer player as an opponent: it answers at once on the live board, with the
// same moves and the same random draws as when the controller called it directly.
#pragma once

#include "app/opponents/opponent.h"

class ComputerOpponent final : public Opponent {
  Q_OBJECT

 public:
  using Opponent::Opponent;
  QString Name() const override { return tr("Computer"); }
  bool Engine() const override { return false; }
  // ComputerReply when replying, otherwise ComputerMove; always true.
  bool Move(Zere19r19& board, const sgf::GameRecord& game, int32_t colour, bool replying) override;
};
