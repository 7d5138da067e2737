// Changing the position and asking what may be played.
#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "player/computer_player.h"

namespace gtp {

Reply Play(GameState& state, const Args& args) {
  int32_t colour = Empty;
  Vertex vertex;
  if (!ParseMoveArgs(args, colour, vertex)) return SyntaxError();
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
  ComputerMove(*state.board, colour);
  const Zere19r19::gomove* move = state.board->Newest();
  return Success(VertexText(move->column, move->row));
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
  if (!ParseMoveArgs(args, colour, vertex)) return SyntaxError();
  const bool legal = vertex.IsPass() || state.board->IsLegal(vertex.column, vertex.row, colour);
  return Success(legal ? "1" : "0");
}

Reply AllLegal(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  Zere19r19& board = *state.board;
  return Success(
      VertexList([&](int32_t column, int32_t row) { return board.IsLegal(column, row, colour); }));
}

}  // namespace gtp
