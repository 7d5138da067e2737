// Game records on disk: reading one the player chose, bounded in size, and writing one so that a
// failed save never harms the file already there.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

#include "sgf/game_tree.h"

// A game record read from a file, or why it could not be.
struct GameFile {
  QString failure;          // Why the file holds no usable record; empty on success.
  sgf::GameTree tree = {};  // The whole game; meaningful only when failure is empty.
};

// Reads the game tree in path, refusing anything but a regular file ("not a regular file") and
// one larger than sgf::LargestRecordFile ("file too large"). What its main line holds, and
// whether its moves are legal, is left to opening the game.
GameFile ReadGameFile(const QString& path);

// Writes the SGF text to path through a temporary file that takes the place of path only once
// complete. Returns why it failed, or an empty text.
QString WriteGameFile(const QString& path, const std::string& text);
