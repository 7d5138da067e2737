// The question behind Game > "Komi...".
#pragma once

#include <QWidget>
#include <optional>

// Asks the player for a komi, offering komi; returns the one chosen, or nothing when the player
// cancels or chooses one that no game could use, which a message box then explains.
std::optional<double> AskForKomi(QWidget* parent, double komi);
