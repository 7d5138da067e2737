// Game records: writing the game as SGF and replaying one from a file.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "gtp/sgf.h"

namespace gtp {
namespace {

// Larger files are no game records of one 19 x 19 game; refusing them bounds what a load reads.
constexpr std::uintmax_t kLargestRecord = 16 * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestRecord) return false;
  std::ifstream file(path, std::ios::binary);
  std::ostringstream contents;
  contents << file.rdbuf();
  if (!file) return false;
  text = contents.str();
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return !file.fail();
}

// How many moves of the record to replay: all of them (the largest size_t), or those before the
// optional move_number argument.
bool ParseReplayLimit(const Args& args, size_t& limit) {
  limit = SIZE_MAX;
  if (args.size() == 1) return true;
  int64_t moveNumber = 0;
  if (args.size() != 2 || !ParseInteger(args[1], moveNumber) || moveNumber < 1) return false;
  limit = static_cast<size_t>(moveNumber - 1);
  return true;
}

// Plays the first count moves of the record on board; on an illegal one says which in error.
bool Replay(const SgfGame& game, size_t count, Zere19r19& board, std::string& error) {
  for (size_t i = 0; i < count; ++i) {
    const SgfMove& move = game.moves[i];
    if (move.column < 0) {
      board.Pass(move.colour);
    } else if (!board.TryMove(move.column, move.row, move.colour, true)) {
      error = "illegal move " + std::to_string(i + 1) +
              " in game record: " + (move.colour == Black ? "B " : "W ") +
              VertexText(move.column, move.row);
      return false;
    }
  }
  return true;
}

}  // namespace

Reply PrintSgf(GameState& state, const Args& args) {
  if (args.size() > 1) return SyntaxError();
  std::string record = WriteSgf(*state.board, state.komi);
  if (args.empty()) {
    record.pop_back();  // The response ends the record's last line itself.
    return Success(record);
  }
  return WriteWholeFile(args[0], record) ? Success() : Failure("cannot write file");
}

Reply LoadSgf(GameState& state, const Args& args) {
  size_t limit = 0;
  if (args.empty() || !ParseReplayLimit(args, limit)) return SyntaxError();
  std::string text;
  if (!ReadWholeFile(args[0], text)) return Failure("cannot open file");
  SgfGame game;
  std::string error;
  if (!ReadSgf(text, game, error)) return Failure(error);
  // The record is replayed on a board of its own, so a fault anywhere in it leaves the game
  // being played untouched.
  auto board = std::make_unique<Zere19r19>();
  if (!Replay(game, std::min(limit, game.moves.size()), *board, error)) return Failure(error);
  state.board = std::move(board);
  if (game.komi) state.komi = *game.komi;
  return Success(std::string(ColourName(state.board->ColourToMove())));
}

}  // namespace gtp
