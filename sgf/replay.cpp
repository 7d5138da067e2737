#include "sgf/replay.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace sgf {
namespace {

// The history records of the board, oldest first.
std::vector<Move> MovesOldestFirst(const Zere19r19& board) {
  std::vector<Move> moves;
  moves.reserve(static_cast<size_t>(board.moveCount));
  for (const Zere19r19::gomove* move = board.Newest(); move != nullptr; move = move->prev)
    moves.push_back(Move{move->colour, move->column, move->row});
  std::reverse(moves.begin(), moves.end());
  return moves;
}

// Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) about "text" + a temporary string.
std::string MoveText(const Move& move, const char* black, const char* white) {
  std::string text = move.colour == Black ? black : white;
  text += '[';
  text += PointText(move.column, move.row);
  return text + ']';
}

// A setup stone is refused when its point is taken or it would have no liberties. One that
// captures means the stones it took had none: in a position where every group has a liberty,
// stones placed in any order never capture.
bool PlaceSetupStone(const Move& stone, Zere19r19& board) {
  return board.TryMove(stone.column, stone.row, stone.colour, true) &&
         board.Newest()->capturedStones == 0;
}

std::optional<Failure> PlaceSetup(const GameRecord& record, Zere19r19& board) {
  const int32_t first = record.playerToMove == White ? White : Black;
  for (int32_t colour : {first, -first}) {
    for (const Move& stone : record.setup) {
      if (stone.colour != colour || PlaceSetupStone(stone, board)) continue;
      return Failure{FailureKind::IllegalSetup, MoveText(stone, "AB", "AW")};
    }
  }
  return std::nullopt;
}

}  // namespace

GameRecord RecordOfBoard(const Zere19r19& board, SetupInfo setup, double komi, std::string result) {
  GameRecord record;
  record.boardSize = board.BoardSize();
  std::vector<Move> moves = MovesOldestFirst(board);
  const auto setupEnd = moves.begin() + std::min<ptrdiff_t>(setup.records, std::ssize(moves));
  record.setup.assign(moves.begin(), setupEnd);
  record.moves.assign(setupEnd, moves.end());
  // Read back, PL puts the setup stones down in an order that leaves the same colour to move,
  // and names that colour when the stones cannot.
  if (!record.moves.empty()) {
    if (!record.setup.empty() || setup.playerToMove != Empty)
      record.playerToMove = record.moves.front().colour;
  } else if (setup.playerToMove != Empty) {
    record.playerToMove = setup.playerToMove;
  } else if (!record.setup.empty()) {
    record.playerToMove = -record.setup.back().colour;
  }
  record.handicap = setup.handicap;
  record.komi = komi;
  record.result = std::move(result);
  return record;
}

std::optional<Failure> ReplayGame(const GameRecord& record, Zere19r19& board) {
  assert(board.moveCount == 0);
  board.Reset(record.boardSize);
  if (auto failure = PlaceSetup(record, board)) return failure;
  for (size_t i = 0; i < record.moves.size(); ++i) {
    const Move& move = record.moves[i];
    if (move.column < 0) {
      board.Pass(move.colour);
    } else if (!board.TryMove(move.column, move.row, move.colour, true)) {
      return Failure{FailureKind::IllegalMove,
                     MoveText(move, "B", "W") + " (move " + std::to_string(i + 1) + ")"};
    }
  }
  return std::nullopt;
}

SetupInfo SetupOfRecord(const GameRecord& record) {
  SetupInfo setup{static_cast<int32_t>(record.setup.size()), record.handicap, record.playerToMove};
  if (setup.playerToMove == Empty && !record.setup.empty() && !record.moves.empty())
    setup.playerToMove = record.moves.front().colour;
  return setup;
}

int32_t ColourToMove(const Zere19r19& board, const SetupInfo& setup) {
  const bool atFloor = board.moveCount == setup.records;
  return atFloor && setup.playerToMove != Empty ? setup.playerToMove : board.ColourToMove();
}

}  // namespace sgf
