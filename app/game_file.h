// Game records on disk: reading one the player chose, bounded in size, and writing one so that a
// failed save never harms the file already there.
#pragma once

#include <QString>
#include <QtGlobal>

#include "sgf/game_record.h"

// The largest file read as a game record; the record of one game is a small fraction of it.
inline constexpr qint64 LargestGameFile = 1024 * 1024;

// A game record read from a file, or why it could not be.
struct GameFile {
  sgf::GameRecord record;  // Meaningful only when failure is empty.
  QString failure;         // Why the file holds no usable record; empty on success.
};

// Reads and parses the record in path. Whether its moves are legal is left to the replay.
GameFile ReadGameFile(const QString& path);

// Writes record to path as SGF through a temporary file that takes the place of path only once
// complete. Returns why it failed, or an empty text.
QString WriteGameFile(const QString& path, const sgf::GameRecord& record);
