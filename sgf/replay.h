// Between game records and the board: the record of the game on a board, and a record played
// onto a board through the rules engine.
#pragma once

#include <optional>
#include <string>

#include "engine/board.h"
#include "sgf/game_record.h"

namespace sgf {

// The game on board as a record: its size, its oldest setup.records history records as setup
// stones, the rest as moves, then komi, the handicap and the result ("" for none). PL names the
// first mover, or without moves who moves after the setup, whenever there are setup stones or setup
// names a player.
GameRecord RecordOfBoard(const Zere19r19& board, SetupInfo setup, double komi, std::string result);

// Resets board to the record's size, puts the record's setup stones on it as moves, then plays
// every move of the record. Black's
// stones go first, White's first when PL says White moves next, so that where the stones can,
// the colour placed last leaves the right colour to move; ColourToMove with SetupOfRecord
// answers in every case. board must be new or Reset. On a failure
// returns why and leaves board part-way, so callers replay onto a board of their own and keep it
// only on success; then the setup stones are the oldest record.setup.size() history records.
std::optional<Failure> ReplayGame(const GameRecord& record, Zere19r19& board);

// The setup of record once replayed: its setup stones, its handicap, and who moves after them:
// PL, else with setup stones the colour of the first move, else Empty (the colour placed last
// decides).
SetupInfo SetupOfRecord(const GameRecord& record);

// Who moves next on board: at the setup's floor its player when it names one, otherwise the
// opponent of the colour placed last (ColourToMove). Both programs ask this, not the board.
int32_t ColourToMove(const Zere19r19& board, const SetupInfo& setup);

}  // namespace sgf
