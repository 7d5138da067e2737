// Sequences of engine operations chosen by the input bytes, with the full consistency check after
// every one: whatever the order of moves, trials, passes, take-backs and new games of any size,
// the records must stay exact.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "engine/board.h"
#include "player/computer_player.h"

namespace {

void Check(const Zere19r19& board, const char* after) {
  const std::string fault = board.CheckConsistency();
  if (fault.empty()) return;
  std::fprintf(stderr, "after %s: %s\n", after, fault.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Zere19r19 board;
  board.Reset(BoardLines);
  SeedRandom(1);
  for (size_t i = 0; i + 1 < size; i += 2) {
    const uint8_t op = data[i] >> 5;
    const int32_t colour = data[i] & 16 ? Black : White;
    const int32_t column = ((data[i] & 15) + (data[i + 1] >> 7) * 3) % board.BoardSize();
    const int32_t row = data[i + 1] % board.BoardSize();
    if (op < 3) {
      board.TryMove(column, row, colour, true);
    } else if (op == 3 && board.TryMove(column, row, colour, false)) {
      Check(board, "a trial move");  // Taken back at once, it must leave no record behind.
      const int32_t withTrial = board.moveCount;
      board.TakeBack(false);
      if (board.moveCount != withTrial - 1) std::abort();
    } else if (op == 4) {
      board.Pass(colour);
    } else if (op == 5) {
      board.TakeBack(data[i + 1] & 1);
    } else if (op == 6) {
      ComputerMove(board, colour);
    } else if (op == 7 && data[i + 1] <= BoardLines - MinBoardLines) {
      board.Reset(BoardLines - data[i + 1]);
    }
    Check(board, "an operation");
  }
  return 0;
}
