// What a take-back or a refused move must leave as it was: stone records, ring successors, group
// sizes and liberties, counters and the newest record's address. Groups are seen through their
// stones only, since a group split off again is a fresh record at the front of its colour's list.
#pragma once

#include <sstream>
#include <string>

#include "engine/board.h"

inline std::string ObservedState(const Zere19r19& board) {
  std::ostringstream out;
  out << "moves " << board.moveCount << " stones X" << board.Record(Black).stonesOnBoard << " O"
      << board.Record(White).stonesOnBoard << " to move " << board.ColourToMove() << '\n';
  for (int32_t c = 0; c < board.BoardSize(); ++c) {
    for (int32_t r = 0; r < board.BoardSize(); ++r) {
      const StoneNode* s = board.points[c][r].stone;
      if (s == nullptr) continue;
      out << c << ',' << r << ' ' << s << " next " << s->next << " stones " << s->group->stones
          << " libs " << s->group->liberties << '\n';
    }
  }
  out << "newest " << board.Newest();
  return out.str();
}
