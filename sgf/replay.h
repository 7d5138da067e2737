// Between game records and the board: the record of the game on a board, and a record played
// onto a board through the rules engine.
#pragma once

#include <optional>
#include <string>

#include "engine/board.h"
#include "sgf/game_record.h"

namespace sgf {

// The game on board as a record: its oldest setup.records history records as setup stones (with
// PL naming who moves after them), the rest as moves, then komi, the handicap and the result
// ("" for none).
GameRecord RecordOfBoard(const Zere19r19& board, SetupInfo setup, double komi, std::string result);

// Puts the record's setup stones on board as moves, then plays every move of the record. The
// colour placed last decides the colour to move: Black's stones go first, White's first when PL
// says White moves next. board must be new or Reset. On a failure
// returns why and leaves board part-way, so callers replay onto a board of their own and keep it
// only on success; then the setup stones are the oldest record.setup.size() history records.
std::optional<Failure> ReplayGame(const GameRecord& record, Zere19r19& board);

}  // namespace sgf
