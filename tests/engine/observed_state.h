// What a take-back or a refused move must leave exactly as it was, written out for comparison.
//
// Stone records, ring successors, group sizes and liberties, counters and the newest history
// record must come back identical. Group records are compared through their stones only: a group
// split off again is a fresh record at the front of its colour's list, whose order the
// differential test checks against its reference instead.
#pragma once

#include <sstream>
#include <string>

#include "engine/board.h"

inline std::string ObservedState(const Zere19r19& board) {
  std::ostringstream out;
  out << "moves " << board.moveCount << " stones X" << board.Record(Black).stonesOnBoard << " O"
      << board.Record(White).stonesOnBoard << " to move " << board.ColourToMove() << '\n';
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      const StoneNode* s = board.points[c][r].stone;
      if (s == nullptr) continue;
      out << c << ',' << r << ' ' << s << " next " << s->next << " stones " << s->group->stones
          << " libs " << s->group->liberties << '\n';
    }
  }
  if (const Zere19r19::gomove* m = board.Newest()) {
    out << "newest " << m << " below " << m->prev << " colour " << m->colour << " at " << m->column
        << ',' << m->row << " took " << m->capturedStones << " last " << m->lastCaptured;
    for (const StoneGroup* g : m->captured) {
      out << " | " << g;
      if (g != nullptr) out << ' ' << g->firstStone << ' ' << g->stones << ' ' << g->next;
    }
  }
  return out.str();
}
