// The from-scratch recount behind Zere19r19::CheckConsistency.
#include <bit>
#include <bitset>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/neighbours.h"

namespace {

// A record list longer than every record the board could hold has a cycle.
constexpr int WalkLimit = 100000;

std::string At(int32_t column, int32_t row) {
  std::ostringstream text;
  text << "(" << column << ", " << row << ")";
  return text.str();
}

// The records met so far: an open-addressing table, since the check runs after every operation
// of the tests and fuzz targets and a tree of nodes would cost most of its time.
class RecordSet {
 public:
  explicit RecordSet(size_t records) : slots_(std::bit_ceil(2 * records + 2), nullptr) {}

  // True when record had not been met before.
  bool Insert(const void* record) {
    if (2 * (size_ + 1) > slots_.size()) Grow();
    const void*& slot = Slot(record);
    if (slot == record) return false;
    slot = record;
    ++size_;
    return true;
  }

  bool Contains(const void* record) const { return Slot(record) == record; }
  size_t size() const { return size_; }

 private:
  const void*& Slot(const void* record) const {
    size_t i = (reinterpret_cast<uintptr_t>(record) >> 4) * 0x9E3779B97F4A7C15u;
    for (;; ++i) {
      const void*& slot = slots_[i & (slots_.size() - 1)];
      if (slot == nullptr || slot == record) return slot;
    }
  }

  void Grow() {
    std::vector<const void*> old(2 * slots_.size(), nullptr);
    old.swap(slots_);
    size_ = 0;
    for (const void* record : old) {
      if (record != nullptr) Insert(record);
    }
  }

  mutable std::vector<const void*> slots_;
  size_t size_ = 0;
};

// Walks every structure once, remembering each record it meets so that a record found in two
// places, or missing from all of them, is reported.
class Checker {
 public:
  // The heads of the board's own free lists, which only the board can hand over.
  struct FreeLists {
    const StoneGroup* groups;
    const StoneNode* stones;
    const Zere19r19::gomove* moves;
  };

  Checker(const Zere19r19& board, const FreeLists& free) : board_(board), free_(free) {}

  std::string Run(size_t stonesMade, size_t groupsMade, size_t movesMade) {
    if (!CheckPoints() || !CheckGroupLists() || !CheckHistory() || !CheckFreeLists()) {
      return problem_;
    }
    if (stones_.size() != stonesMade) {
      Report("stone records: " + std::to_string(stones_.size()) + " accounted for, " +
             std::to_string(stonesMade) + " exist");
    }
    if (groups_.size() != groupsMade) {
      Report("group records: " + std::to_string(groups_.size()) + " accounted for, " +
             std::to_string(groupsMade) + " exist");
    }
    // The head is a history record too.
    if (moves_.size() + 1 != movesMade) {
      Report("history records: " + std::to_string(moves_.size() + 1) + " accounted for, " +
             std::to_string(movesMade) + " exist");
    }
    return problem_;
  }

 private:
  // Keeps the first violation found; always false, so callers can return it.
  bool Report(const std::string& message) {
    if (problem_.empty()) problem_ = message;
    return false;
  }

  bool CheckPoints() {
    const int32_t lines = board_.BoardSize();
    if (lines < MinBoardLines || lines > BoardLines)
      return Report("board size " + std::to_string(lines));
    for (int32_t column = 0; column < BoardLines; ++column) {
      for (int32_t row = 0; row < BoardLines; ++row) {
        const BoardPoint& point = board_.points[column][row];
        const auto where = [column, row] { return "point " + At(column, row); };
        if (point.column != column || point.row != row)
          return Report(where() + ": records its place wrong");
        if (point.libertyMark != 0) return Report(where() + ": libertyMark left set");
        if ((point.colour == OffBoard) == board_.OnBoard(column, row)) {
          return Report(where() + (point.colour == OffBoard ? ": OffBoard on the board"
                                                            : ": beyond the board, not OffBoard"));
        }
        if (point.colour == OffBoard) {
          if (point.stone != nullptr) return Report(where() + ": a stone off the board");
          continue;
        }
        if (point.colour != Empty && point.colour != Black && point.colour != White) {
          return Report(where() + ": colour " + std::to_string(point.colour));
        }
        if ((point.colour == Empty) != (point.stone == nullptr)) {
          return Report(where() + ": colour and stone disagree");
        }
        if (point.stone == nullptr) continue;
        const StoneNode& stone = *point.stone;
        if (stone.colour != point.colour || stone.column != column || stone.row != row) {
          return Report(where() + ": its stone says " + At(stone.column, stone.row) + " colour " +
                        std::to_string(stone.colour));
        }
        bool sameGroupAsNeighbours = true;
        ForEachNeighbour(board_, column, row, [&](int32_t ncolumn, int32_t nrow) {
          const BoardPoint& n = board_.points[ncolumn][nrow];
          if (n.colour == point.colour && n.stone->group != stone.group) {
            sameGroupAsNeighbours = false;
          }
        });
        if (!sameGroupAsNeighbours)
          return Report(where() + ": touches a stone of its colour in another group");
      }
    }
    return true;
  }

  // Walks a group's ring; true when it is a proper ring of the group's stones.
  // where() names the group in a report; it is only called when something is wrong.
  template <typename Where>
  bool CheckRing(const StoneGroup* group, const Where& where) {
    if (group->firstStone == nullptr) return Report(where() + ": no entry stone");
    int length = 0;
    const StoneNode* s = group->firstStone;
    do {
      if (s == nullptr || ++length > WalkLimit) return Report(where() + ": ring is broken");
      if (!stones_.Insert(s)) return Report(where() + ": a stone is in two places");
      if (s->group != group)
        return Report(where() + ": stone at " + At(s->column, s->row) + " points to another group");
      if (s->colour != group->colour)
        return Report(where() + ": stone of another colour in the ring");
      s = s->next;
    } while (s != group->firstStone);
    if (length != group->stones) {
      return Report(where() + ": ring has " + std::to_string(length) + " stones, count says " +
                    std::to_string(group->stones));
    }
    return true;
  }

  int32_t Liberties(const StoneGroup* group) {
    std::bitset<BoardLines * BoardLines> liberties;
    const StoneNode* s = group->firstStone;
    do {
      ForEachNeighbour(board_, s->column, s->row, [&](int32_t ncolumn, int32_t nrow) {
        if (board_.points[ncolumn][nrow].colour == Empty)
          liberties.set(ncolumn * BoardLines + nrow);
      });
      s = s->next;
    } while (s != group->firstStone);
    return static_cast<int32_t>(liberties.count());
  }

  bool CheckGroupLists() {
    for (int32_t colour : {Black, White}) {
      if (board_.colorRecord[colour + 1] == nullptr) return Report("a colour record is missing");
      const ColorRecord& record = board_.Record(colour);
      int32_t stonesOnBoard = 0;
      int walked = 0;
      for (const StoneGroup* g = record.firstGroup; g != nullptr; g = g->next) {
        if (++walked > WalkLimit) return Report("group list has a cycle");
        if (!groups_.Insert(g)) return Report("a group is in two places");
        const auto where = [g] {
          return "group at " +
                 (g->firstStone ? At(g->firstStone->column, g->firstStone->row) : "?");
        };
        if (g->colour != colour) return Report(where() + ": in the list of the other colour");
        if (!CheckRing(g, where)) return false;
        const StoneNode* s = g->firstStone;
        do {
          if (board_.points[s->column][s->row].stone != s)
            return Report(where() + ": a stone is not on its point");
          s = s->next;
        } while (s != g->firstStone);
        const int32_t liberties = Liberties(g);
        if (liberties != g->liberties) {
          return Report(where() + ": " + std::to_string(liberties) + " liberties, count says " +
                        std::to_string(g->liberties));
        }
        if (liberties == 0) return Report(where() + ": on the board without a liberty");
        stonesOnBoard += g->stones;
      }
      if (stonesOnBoard != record.stonesOnBoard) {
        return Report("colour " + std::to_string(colour) + ": " + std::to_string(stonesOnBoard) +
                      " stones on the board, stonesOnBoard says " +
                      std::to_string(record.stonesOnBoard));
      }
    }
    for (int32_t column = 0; column < board_.BoardSize(); ++column) {
      for (int32_t row = 0; row < board_.BoardSize(); ++row) {
        const StoneNode* stone = board_.points[column][row].stone;
        if (stone != nullptr && !groups_.Contains(stone->group)) {
          return Report("point " + At(column, row) + ": its group is not in its colour's list");
        }
      }
    }
    return true;
  }

  bool CheckHistory() {
    const Zere19r19::gomove* head = board_.history;
    if (head == nullptr) return Report("history head is missing");
    const int32_t newestColour = head->prev != nullptr ? head->prev->colour : White;
    if (head->colour != newestColour)
      return Report("history head's colour is not the newest record's");
    int32_t count = 0;
    for (const Zere19r19::gomove* m = head->prev; m != nullptr; m = m->prev) {
      if (++count > WalkLimit) return Report("history has a cycle");
      if (!moves_.Insert(m)) return Report("a history record is in two places");
      if (!CheckRecord(*m, count)) return false;
    }
    if (count != board_.moveCount) {
      return Report("history holds " + std::to_string(count) + " records, moveCount says " +
                    std::to_string(board_.moveCount));
    }
    return true;
  }

  bool CheckRecord(const Zere19r19::gomove& m, int32_t depth) {
    const auto where = [depth] {
      return "history record " + std::to_string(depth) + " from the top";
    };
    if (m.colour != Black && m.colour != White) return Report(where() + ": bad colour");
    if (m.column < 0 && (m.column != -1 || m.row != -1))
      return Report(where() + ": bad pass point");
    if (m.column >= 0 && !board_.OnBoard(m.column, m.row))
      return Report(where() + ": point off the board");
    const StoneGroup* last = nullptr;
    int32_t captured = 0;
    for (const StoneGroup* g : m.captured) {
      if (g == nullptr) continue;
      last = g;
      if (!groups_.Insert(g)) return Report(where() + ": a captured group is in two places");
      if (g->next != nullptr) return Report(where() + ": captured group still linked");
      if (g->colour != -m.colour) return Report(where() + ": captured group of the mover's colour");
      if (!CheckRing(g, [&where] { return where() + ", captured group"; })) return false;
      captured += g->stones;
    }
    if (last != m.lastCaptured)
      return Report(where() + ": lastCaptured is not the highest capture");
    if (captured != m.capturedStones) {
      return Report(where() + ": captured " + std::to_string(captured) + " stones, record says " +
                    std::to_string(m.capturedStones));
    }
    return true;
  }

  bool CheckFreeLists() {
    int walked = 0;
    for (const StoneGroup* g = free_.groups; g != nullptr; g = g->next) {
      if (++walked > WalkLimit || !groups_.Insert(g)) return Report("free group list is corrupt");
    }
    walked = 0;
    for (const StoneNode* s = free_.stones; s != nullptr; s = s->next) {
      if (++walked > WalkLimit || !stones_.Insert(s)) return Report("free stone list is corrupt");
    }
    walked = 0;
    for (const Zere19r19::gomove* m = free_.moves; m != nullptr; m = m->prev) {
      if (++walked > WalkLimit || m == board_.history || !moves_.Insert(m)) {
        return Report("free history list is corrupt");
      }
    }
    return true;
  }

  const Zere19r19& board_;
  const FreeLists free_;
  RecordSet stones_{32};
  RecordSet groups_{32};
  RecordSet moves_{32};
  std::string problem_;
};

}  // namespace

std::string Zere19r19::CheckConsistency() const {
  const std::string problem = Checker(*this, {freeGroups, freeStones, freeMoves})
                                  .Run(stonePool_.size(), groupPool_.size(), movePool_.size());
  return problem.empty() ? CheckGroupIndexes() : problem;
}

std::string Zere19r19::CheckGroupIndexes() const {
  for (int32_t colour : {Black, White}) {
    const StoneGroup* before = nullptr;
    for (const StoneGroup* g = Record(colour).firstGroup; g != nullptr; g = g->next) {
      const auto where = [g] {
        return "group at " + At(g->firstStone->column, g->firstStone->row);
      };
      if (g->previous != before) return where() + ": its back link is not the group before it";
      if (!(g->libertySet == LibertiesOf(*g)))
        return where() + ": liberty set is not its liberties";
      before = g;
    }
  }
  for (const gomove* m = Newest(); m != nullptr; m = m->prev) {
    for (const StoneGroup* g : m->captured) {
      if (g != nullptr && g->libertySet.Size() != 0)
        return "a captured group's liberty set is not empty";
    }
  }
  return "";
}

PointSet Zere19r19::LibertiesOf(const StoneGroup& group) const {
  PointSet liberties;
  liberties.Clear();
  const StoneNode* s = group.firstStone;
  do {
    ForEachNeighbour(*this, s->column, s->row, [&](int32_t ncolumn, int32_t nrow) {
      if (points[ncolumn][nrow].colour == Empty) liberties.Add(ncolumn, nrow);
    });
    s = s->next;
  } while (s != group.firstStone);
  return liberties;
}
