// Changing the position and asking what may be played.
#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "player/cleanup_move.h"
#include "player/computer_player.h"
#include "scoring/judgement.h"

namespace gtp {
namespace {

// The vertex of the move the computer has just played, or "pass".
Reply NewestMove(const Zere19r19& board) {
  const Zere19r19::gomove* move = board.Newest();
  return Success(VertexText(move->column, move->row, board.BoardSize()));
}

// Both programs refuse a game past the length every record of theirs reads back at.
Reply GameTooLong() {
  return Failure(std::string(sgf::Reason(sgf::FailureKind::TooLong)));
}

}  // namespace

Reply Play(GameState& state, const Args& args) {
  int32_t colour = Empty;
  Vertex vertex;
  if (!ParseMoveArgs(args, state.board->BoardSize(), colour, vertex)) return SyntaxError();
  if (state.Full()) return GameTooLong();
  if (vertex.IsPass()) {
    state.board->Pass(colour);
    return Success();
  }
  if (!state.board->TryMove(vertex.column, vertex.row, colour, true)) {
    return Failure("illegal move");
  }
  return Success();
}

Reply GenMove(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  if (state.Full()) return GameTooLong();
  ComputerReply(*state.board, colour);
  return NewestMove(*state.board);
}

Reply GenMoveCleanup(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  if (state.Full()) return GameTooLong();
  CleanupMove(*state.board, colour, JudgePosition(*state.board));
  return NewestMove(*state.board);
}

Reply Undo(GameState& state, const Args& args) {
  if (!args.empty()) return SyntaxError();
  // Setup stones are the game's starting position, not moves to take back.
  if (state.board->moveCount <= state.setup.records) return Failure("cannot undo");
  state.board->TakeBack(false);
  return Success();
}

Reply IsLegal(GameState& state, const Args& args) {
  int32_t colour = Empty;
  Vertex vertex;
  if (!ParseMoveArgs(args, state.board->BoardSize(), colour, vertex)) return SyntaxError();
  const bool legal = vertex.IsPass() || state.board->IsLegal(vertex.column, vertex.row, colour);
  return Success(legal ? "1" : "0");
}

Reply AllLegal(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  Zere19r19& board = *state.board;
  return Success(VertexList(board.BoardSize(), [&](int32_t column, int32_t row) {
    return board.IsLegal(column, row, colour);
  }));
}

}  // namespace gtp
