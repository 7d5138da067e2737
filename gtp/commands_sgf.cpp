// Game records: writing the game as SGF and replaying one from a file.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace gtp {
namespace {

// Larger files are no game records of one 19 x 19 game; refusing them bounds what a load reads.
constexpr std::uintmax_t LargestRecord = 16 * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > LargestRecord) return false;
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
// optional move_number argument. Setup stones are no moves: they are always placed.
bool ParseReplayLimit(const Args& args, size_t& limit) {
  limit = SIZE_MAX;
  if (args.size() == 1) return true;
  int64_t moveNumber = 0;
  if (args.size() != 2 || !ParseInteger(args[1], moveNumber) || moveNumber < 1) return false;
  limit = static_cast<size_t>(moveNumber - 1);
  return true;
}

}  // namespace

Reply PrintSgf(GameState& state, const Args& args) {
  if (args.size() > 1) return SyntaxError();
  std::string record = sgf::WriteSgf(sgf::RecordOfBoard(*state.board, state.setup, state.komi, ""));
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
  sgf::ParsedRecord parsed = sgf::ParseSgf(text);
  if (parsed.failure) return Failure(parsed.failure->Message());
  sgf::GameRecord& record = parsed.record;
  if (record.moves.size() > limit) record.moves.resize(limit);
  // The record is replayed on a board of its own, so a fault anywhere in it leaves the game
  // being played untouched.
  auto board = std::make_unique<Zere19r19>();
  if (auto failure = sgf::ReplayGame(record, *board)) return Failure(failure->Message());
  state.board = std::move(board);
  state.setup = {static_cast<int32_t>(record.setup.size()), record.handicap};
  if (record.komi) state.komi = *record.komi;
  return Success(std::string(ColourName(state.board->ColourToMove())));
}

}  // namespace gtp
