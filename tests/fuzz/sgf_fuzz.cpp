// Game records from arbitrary bytes: a tree that reads must be written and read back to the same
// tree, variations and all; a record that reads must replay or fail without breaking the board,
// and a game that replays must be written, read back and replayed to the same game.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sgf/replay.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

namespace {

void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

void Check(const Zere19r19& board, const char* after) {
  const std::string fault = board.CheckConsistency();
  if (!fault.empty()) Fail(after, fault);
}

// The record of the game on board, as printsgf writes it.
std::string TextOf(const Zere19r19& board, const sgf::GameRecord& record) {
  const sgf::SetupInfo setup{static_cast<int32_t>(record.setup.size()), record.handicap};
  return sgf::WriteSgf(sgf::RecordOfBoard(board, setup, record.komi.value_or(0.0), record.result));
}

// The tree without the root's AP and CA, which the writer sets.
sgf::GameTree Unstamped(sgf::GameTree tree) {
  std::erase_if(tree.nodes[sgf::GameTree::Root].properties, [](const sgf::Property& property) {
    return property.ident == "AP" || property.ident == "CA";
  });
  return tree;
}

// A tree that reads comes back whole from its text; the text of that is the same again.
void CheckTree(const sgf::GameTree& tree) {
  const std::string text = sgf::WriteTree(tree);
  sgf::GameTree reread;
  if (auto failure = sgf::ReadTree(text, reread)) Fail(failure->Message().c_str(), text);
  if (Unstamped(reread) != Unstamped(tree)) Fail("the written tree reads back to another", text);
  if (sgf::WriteTree(reread) != text) Fail("the tree is written differently a second time", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Zere19r19 board, again;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  sgf::GameTree tree;
  if (!sgf::ReadTree(input, tree)) CheckTree(tree);
  const sgf::ParsedRecord parsed = sgf::ParseSgf(input);
  if (parsed.failure) return 0;
  board.Reset();
  const bool replayed = !sgf::ReplayGame(parsed.record, board);
  Check(board, "after the replay");
  if (!replayed) return 0;
  const std::string text = TextOf(board, parsed.record);
  const sgf::ParsedRecord reread = sgf::ParseSgf(text);
  if (reread.failure) Fail(reread.failure->Message().c_str(), text);
  again.Reset();
  if (auto failure = sgf::ReplayGame(reread.record, again)) Fail(failure->Message().c_str(), text);
  Check(again, "after replaying the written record");
  if (TextOf(again, reread.record) != text)
    Fail("the written record replays to another game", text);
  return 0;
}
