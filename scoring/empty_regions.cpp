#include "scoring/empty_regions.h"

#include <utility>

EmptyRegions::EmptyRegions(const Zere19r19& board, int32_t colour) : lines_(board.BoardSize()) {
  ReadColours(board, colour);
  for (int32_t column = 0; column < lines_; ++column)
    SplitColumnIntoRuns(column);
  firstRun_[lines_] = static_cast<int16_t>(runCount_);
  for (int32_t run = 0; run < runCount_; ++run)
    runs_[Root(run)].touches |= runs_[run].touches;
}

// Colours are 1, 0 and -1: bit 0 is set for any stone and bit 1 only for White, which lets the
// masks be gathered without a comparison per colour.
void EmptyRegions::ReadColours(const Zere19r19& board, int32_t colour) {
  const uint32_t allRows = (1u << lines_) - 1;
  for (int32_t column = 0; column < lines_; ++column) {
    uint32_t stones = 0;
    uint32_t whites = 0;
    // From the last row up, so that each row's bit is shifted into place by the later rows.
    for (int32_t row = lines_ - 1; row >= 0; --row) {
      const auto here = static_cast<uint32_t>(board.points[column][row].colour);
      stones = stones << 1 | (here & 1);
      whites = whites << 1 | (here >> 1 & 1);
    }
    const uint32_t blacks = stones & ~whites;
    empty_[column + 1] = allRows & ~stones;
    own_[column + 1] = colour == Black ? blacks : whites;
    foreign_[column + 1] = colour == Black ? whites : blacks;
  }
}

// Peels the runs off the column's empty mask from the lowest row up and joins each to the runs of
// the previous column that share a row with it.
void EmptyRegions::SplitColumnIntoRuns(int32_t column) {
  firstRun_[column] = static_cast<int16_t>(runCount_);
  for (uint32_t rest = empty_[column + 1]; rest != 0;) {
    const uint32_t lowest = rest & (~rest + 1);
    // Adding the lowest bit carries through the lowest run and leaves the bits above it alone.
    const uint32_t rows = rest & ~(rest + lowest);
    rest &= ~rows;
    const int32_t run = runCount_++;
    runs_[run] = {rows, static_cast<int16_t>(run), TouchesOf(column, rows), false};
    if (column == 0) continue;
    for (int32_t left = firstRun_[column - 1]; left < firstRun_[column]; ++left) {
      if ((runs_[left].rows & rows) != 0) Join(left, run);
    }
  }
}

uint8_t EmptyRegions::TouchesOf(int32_t column, uint32_t rows) const {
  const uint32_t along = rows | rows << 1 | rows >> 1;
  const int32_t at = column + 1;
  const uint32_t own = (along & own_[at]) | (rows & (own_[at - 1] | own_[at + 1]));
  const uint32_t foreign = (along & foreign_[at]) | (rows & (foreign_[at - 1] | foreign_[at + 1]));
  return static_cast<uint8_t>((own != 0 ? TouchesOwn : 0) | (foreign != 0 ? TouchesForeign : 0));
}

int32_t EmptyRegions::Root(int32_t run) {
  while (runs_[run].parent != run) {
    runs_[run].parent = runs_[runs_[run].parent].parent;
    run = runs_[run].parent;
  }
  return run;
}

void EmptyRegions::Join(int32_t a, int32_t b) {
  a = Root(a);
  b = Root(b);
  if (a == b) return;
  if (a > b) std::swap(a, b);
  runs_[b].parent = static_cast<int16_t>(a);
}

bool EmptyRegions::ClaimOwnRegions() {
  bool settled = true;
  for (int32_t run = 0; run < runCount_; ++run) {
    Run& root = runs_[run];
    if (root.parent != run) continue;
    root.claimed = root.touches == TouchesOwn;
    settled = settled && root.touches != (TouchesOwn | TouchesForeign);
  }
  return settled;
}

uint32_t EmptyRegions::ClaimedRows(int32_t column) {
  uint32_t claimed = 0;
  for (int32_t run = firstRun_[column]; run < firstRun_[column + 1]; ++run) {
    if (runs_[Root(run)].claimed) claimed |= runs_[run].rows;
  }
  return claimed;
}
