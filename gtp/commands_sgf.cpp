// Game records: writing the game as SGF and replaying one from a file.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <utility>

#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace gtp {
namespace {

enum class FileRead { Read, CannotOpen, TooLarge };

FileRead ReadWholeFile(const std::string& path, std::string& text) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return FileRead::CannotOpen;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return FileRead::CannotOpen;
  if (size > static_cast<std::uintmax_t>(sgf::LargestRecordFile)) return FileRead::TooLarge;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return FileRead::CannotOpen;
  text.resize(size);
  file.read(text.data(), static_cast<std::streamsize>(size));
  text.resize(static_cast<size_t>(file.gcount()));  // A file may have shrunk meanwhile.
  return file.bad() ? FileRead::CannotOpen : FileRead::Read;
}

bool WriteText(std::ofstream& file, const std::string& text) {
  file << text;
  file.close();
  return !file.fail();
}

// Writes the whole text or leaves the file as it was: the text goes to a temporary file beside
// it, which then replaces it in one step, so a full disk cannot leave a record cut off. A device
// or pipe is written directly, since renaming over one would replace it with a file.
bool WriteWholeFile(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    std::ofstream device(path, std::ios::binary);
    return WriteText(device, text);
  }
  fs::path temporary = path;
  temporary += ".part";
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) return false;
  // A record replaced keeps who may read it.
  if (fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
  if (WriteText(file, text)) {
    fs::rename(temporary, path, error);
    if (!error) return true;
  }
  fs::remove(temporary, error);
  return false;
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
  switch (ReadWholeFile(args[0], text)) {
    case FileRead::CannotOpen:
      return Failure("cannot open file");
    case FileRead::TooLarge:
      return Failure("file too large");
    case FileRead::Read:
      break;
  }
  sgf::ParsedRecord parsed = sgf::ParseSgf(text);
  if (parsed.failure) return Failure(parsed.failure->Message());
  sgf::GameRecord record = std::move(parsed.record);
  parsed = {};  // The tree is no use here; only the main line is played.
  const sgf::SetupInfo setup = sgf::SetupOfRecord(record);
  if (record.moves.size() > limit) record.moves.resize(limit);
  // The record is replayed on a board of its own, so a fault anywhere in it leaves the game
  // being played untouched.
  auto board = std::make_unique<Zere19r19>();
  if (auto failure = sgf::ReplayGame(record, *board)) return Failure(failure->Message());
  state.board = std::move(board);
  state.setup = setup;
  if (record.komi) state.komi = *record.komi;
  return Success(std::string(ColourName(state.ColourToMove())));
}

}  // namespace gtp
