// A game record as this program reads and writes it: the setup stones and the main line of one
// game of Go on a square board of 2 x 2 to 19 x 19, with the game information worth keeping, and
// the ways a record can fail.
//
// Words used here:
//  - setup stones: stones put on the board before the first move (SGF's AB and AW), handicap
//    stones among them. The engine has no setup operation, so they become the oldest history
//    records of the board, one per stone; take-back must never reach below them.
//  - main line: the first variation at every branch of the record.
//  - game length: the history records of a game, setup stones and passes included.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/records.h"

namespace sgf {

// The longest game both programs keep: a history record costs about 300 bytes, so the longest
// game's history stays near 30 MB, and loading the largest record below well under 100 MB.
inline constexpr int32_t LongestGame = 100'000;

// The largest record file either program reads. A move as this program writes it takes about 6
// bytes, so any game within LongestGame, written by either program, reads back; the rest leaves
// room for comments and variations. The bound also caps what a hostile file can make the reader
// allocate.
inline constexpr int64_t LargestRecordFile = int64_t{LongestGame} * 10;

// A stone or a pass, in engine coordinates.
struct Move {
  int32_t colour;  // Black or White.
  int32_t column;  // 0..board size - 1 from the left, -1 for a pass.
  int32_t row;     // 0..board size - 1 from the top, -1 for a pass.

  bool operator==(const Move&) const = default;
};

// How many of a board's oldest history records are setup stones, whether they were handicap, and
// who moves after them.
struct SetupInfo {
  int32_t records = 0;   // The oldest records that are setup stones; undo stops above them.
  int32_t handicap = 0;  // The handicap (SGF's HA) they stand for, 0 for none.
  // Who moves once the setup is on the board (SGF's PL), Empty when alternate play decides from
  // the colour placed last. Stones of one colour alone cannot say "the same colour moves next".
  int32_t playerToMove = Empty;
};

struct GameRecord {
  int32_t boardSize = BoardLines;  // SZ: lines on each side, MinBoardLines..BoardLines.
  std::vector<Move> setup;         // Setup stones as the record lists them; never passes.
  std::vector<Move> moves;         // The main line's moves and passes, first move first.
  int32_t playerToMove = Empty;    // PL: who moves after the setup; Empty when not given.
  int32_t handicap = 0;            // HA, 0 when not given.
  std::optional<double> komi;      // KM, when given.
  std::string result;              // RE, empty when not given.
  // Game information kept as written (GN, PB, PW, DT and their like), in the record's order.
  std::vector<std::pair<std::string, std::string>> info;
};

// Why a record cannot be loaded.
enum class FailureKind {
  Malformed,     // Not SGF, or SGF broken off or badly formed.
  NotGo,         // GM is not 1.
  BoardSize,     // SZ is not a square board of MinBoardLines to BoardLines lines.
  IllegalMove,   // A move off the board, or one the rules refuse.
  IllegalSetup,  // A setup stone off the board, on a stone, without liberties, or after a move.
  TooLong,       // More than LongestGame history records, or more nodes than such a game has.
};

// The plain reason for a kind of failure, e.g. "illegal move".
std::string_view Reason(FailureKind kind);

struct Failure {
  FailureKind kind;
  std::string detail;  // Where and what, e.g. "W[aa] (move 4)"; may be empty.

  // The reason, then the detail: "illegal move: W[aa] (move 4)".
  std::string Message() const;
};

// The point as SGF writes it, "dd", or "" for a pass.
std::string PointText(int32_t column, int32_t row);

}  // namespace sgf
