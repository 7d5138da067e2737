// Game > "New Game...": the board's size, who plays Black and who plays White (a person, the
// built-in computer player or an engine's command line), the handicap and the komi.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <optional>

#include "app/game_controller.h"

class NewGameDialog final : public QDialog {
  Q_OBJECT

 public:
  // Offers choice's board size, players and handicap and, for the engines, the command lines of
  // OfferedEngines.
  NewGameDialog(const GameChoice& choice, QWidget* parent);

  // The game as the dialog now shows it; an engine's command line is what its box holds.
  GameChoice Choice() const;

 private:
  // An editable box of the player kinds and the offered engines, showing seat.
  QComboBox* PlayerBox(const char* name, const Seat& seat, const QStringList& engines);
  Seat SeatIn(const QComboBox& box) const;
  void HandicapChanged();  // Puts the komi the new handicap calls for into the komi box.

  QComboBox* boardSize_;
  QComboBox* blackPlayer_;
  QComboBox* whitePlayer_;
  QComboBox* handicap_;
  QDoubleSpinBox* komi_;
};

// Shows the dialog for choice; the game chosen, or nothing when the player cancels. The engines
// chosen are remembered for the next time.
std::optional<GameChoice> AskForNewGame(QWidget* parent, const GameChoice& choice);
