#include "gtp/arguments.h"
#include "gtp/game_state.h"
#include "gtp/sgf.h"

namespace gtp {
namespace {

// Moves per line of the record, so that long games stay readable in an editor.
constexpr int kMovesPerLine = 10;

std::string MoveNode(const Zere19r19::gomove& move) {
  std::string node = move.colour == Black ? ";B[" : ";W[";
  if (move.column >= 0) {
    node += static_cast<char>('a' + move.column);
    node += static_cast<char>('a' + move.row);
  }
  return node + "]";
}

}  // namespace

std::string WriteSgf(const Zere19r19& board, double komi) {
  std::string record = "(;FF[4]GM[1]SZ[19]CA[UTF-8]AP[Zada Da:" ZADADA_VERSION "]KM[";
  record += NumberText(komi) + "]";
  int onLine = kMovesPerLine;
  for (const Zere19r19::gomove* move : MovesOldestFirst(board)) {
    if (onLine == kMovesPerLine) {
      record += '\n';
      onLine = 0;
    }
    record += MoveNode(*move);
    ++onLine;
  }
  return record + ")\n";
}

}  // namespace gtp
