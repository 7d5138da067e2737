// Seeded random games, played on the engine and on a naive reference side by side: legal and
// illegal tries, trial moves, passes, take-backs and new games, with everything compared after
// every operation. The games are kept in small squares of the board, where captures, kos,
// suicides and snapbacks are common, and the test counts them to prove that it met them.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/board.h"
#include "tests/engine/observed_state.h"

namespace {

constexpr int kGames = 300;
constexpr int kStepsPerGame = 200;
constexpr int32_t kColumnStep[4] = {1, 0, -1, 0};
constexpr int32_t kRowStep[4] = {0, 1, 0, -1};

struct Pt {
  int32_t c = -1;
  int32_t r = -1;
  bool operator==(const Pt&) const = default;
};

std::ostream& operator<<(std::ostream& out, Pt p) {
  return out << p.c << ',' << p.r;
}
bool On(Pt p) {
  return p.c >= 0 && p.c < BoardLines && p.r >= 0 && p.r < BoardLines;
}
Pt Step(Pt p, int d) {
  return {p.c + kColumnStep[d], p.r + kRowStep[d]};
}

template <typename T>
using Grid = std::array<std::array<T, BoardLines>, BoardLines>;

enum class Outcome { kLegal, kOccupied, kSuicide, kKo };

// The same rules done the slow way: a colour array, chains and liberties by flood fill, and a
// copy of the whole position in each history record. It also follows each colour's group list,
// each group named by its entry stone, in the order the engine keeps: a new stone's group in
// front, replacing the groups it joins; on take-back, the groups split off and the captured
// groups put back go to the front, the highest direction first.
class Reference {
 public:
  struct Chain {
    int32_t stones = 0;
    int32_t liberties = 0;
  };
  struct Record {
    int32_t colour;
    Pt at;  // Off the board for a pass.
    Grid<int32_t> before;
    int32_t capturedStones = 0;
    std::array<bool, 4> joined{};
    std::array<Pt, 4> captured{};  // Entry stone of the group captured there.
  };

  Grid<int32_t> colour{};
  std::array<std::vector<Pt>, 3> groups;  // By colour + 1: entry stones, front first.
  std::vector<Record> history;
  Record last{};  // The latest play, legal or not.

  int32_t At(Pt p) const { return colour[p.c][p.r]; }
  bool InChain(Pt p) const { return stoneMark_[p.c][p.r] == stamp_; }
  int32_t ToMove() const { return history.empty() ? Black : -history.back().colour; }

  // The chain through p; its stones stay marked until the next Fill.
  Chain Fill(Pt start) {
    ++stamp_;
    Chain chain;
    std::vector<Pt> todo{start};
    stoneMark_[start.c][start.r] = stamp_;
    while (!todo.empty()) {
      const Pt p = todo.back();
      todo.pop_back();
      ++chain.stones;
      for (int d = 0; d < 4; ++d) {
        const Pt q = Step(p, d);
        if (!On(q)) continue;
        if (At(q) == Empty && libertyMark_[q.c][q.r] != stamp_) {
          libertyMark_[q.c][q.r] = stamp_;
          ++chain.liberties;
        } else if (At(q) == At(start) && !InChain(q)) {
          stoneMark_[q.c][q.r] = stamp_;
          todo.push_back(q);
        }
      }
    }
    return chain;
  }

  Outcome Play(Pt p, int32_t c) {
    if (At(p) != Empty) return Outcome::kOccupied;
    last = Record{c, p, colour};
    for (int d = 0; d < 4; ++d) {
      const Pt q = Step(p, d);
      if (!On(q) || At(q) != c) continue;
      Fill(q);
      last.joined[d] = On(TakeEntry(c));
    }
    colour[p.c][p.r] = c;
    groups[c + 1].insert(groups[c + 1].begin(), p);
    for (int d = 0; d < 4; ++d) {
      const Pt q = Step(p, d);
      if (!On(q) || At(q) != -c) continue;
      const Chain enemy = Fill(q);
      if (enemy.liberties > 0) continue;
      last.captured[d] = TakeEntry(-c);
      last.capturedStones += enemy.stones;
      for (int32_t x = 0; x < BoardLines; ++x) {
        for (int32_t y = 0; y < BoardLines; ++y)
          if (InChain({x, y})) colour[x][y] = Empty;
      }
    }
    const bool suicide = Fill(p).liberties == 0;
    const bool ko = last.capturedStones == 1 && !history.empty() &&
                    history.back().capturedStones == 1 && CapturedStone() == history.back().at;
    history.push_back(last);
    if (!suicide && !ko) return Outcome::kLegal;
    TakeBack();
    return suicide ? Outcome::kSuicide : Outcome::kKo;
  }

  void Pass(int32_t c) { history.push_back(last = Record{c, Pt{}, colour}); }

  void TakeBack() {
    if (history.empty()) return;
    const Record m = history.back();
    history.pop_back();
    if (On(m.at)) {
      Fill(m.at);
      TakeEntry(m.colour);
      for (int d = 3; d >= 0; --d) {
        std::vector<Pt>& own = groups[m.colour + 1];
        std::vector<Pt>& enemy = groups[1 - m.colour];
        if (m.joined[d]) own.insert(own.begin(), Step(m.at, d));
        if (On(m.captured[d])) enemy.insert(enemy.begin(), m.captured[d]);
      }
    }
    colour = m.before;
  }

 private:
  // Removes from c's list the group of the chain last filled, if it is there; returns its entry.
  Pt TakeEntry(int32_t c) {
    std::vector<Pt>& list = groups[c + 1];
    for (auto it = list.begin(); it != list.end(); ++it) {
      if (!InChain(*it)) continue;
      const Pt entry = *it;
      list.erase(it);
      return entry;
    }
    return Pt{};
  }

  Pt CapturedStone() const {
    for (const Pt p : last.captured)
      if (On(p)) return p;
    return Pt{};
  }

  Grid<int> stoneMark_{};
  Grid<int> libertyMark_{};
  int stamp_ = 0;
};

// What the games met, to prove that they met it.
struct Reached {
  int kos = 0;
  int loneSuicides = 0;
  int multiStoneSuicides = 0;
  int multiStoneCaptures = 0;
  int multiGroupCaptures = 0;
  int snapbacks = 0;
  int takeBacksToEmpty = 0;
};

class RandomGames : public ::testing::Test {
 protected:
  int32_t Below(int32_t n) { return static_cast<int32_t>(random_() % static_cast<uint32_t>(n)); }

  void NewGame() {
    board_.Reset();
    ref_ = Reference();
    before_.clear();
    size_ = 3 + Below(5);
    const int32_t far = BoardLines - size_;
    left_ = std::array<int32_t, 3>{0, Below(far + 1), far}[Below(3)];
    top_ = std::array<int32_t, 3>{0, Below(far + 1), far}[Below(3)];
    ExpectSame();
  }

  // A point of the square: mostly an empty one, and after a capture often one of its points.
  Pt ChoosePoint() {
    Pt p;
    const bool intoCapture =
        !ref_.history.empty() && ref_.history.back().capturedStones > 0 && Below(10) < 7;
    for (int tries = 0; tries < 20; ++tries) {
      p = {left_ + Below(size_), top_ + Below(size_)};
      const int32_t prior = intoCapture ? ref_.history.back().before[p.c][p.r] : Empty;
      if (intoCapture && tries < 16 && (prior == Empty || ref_.At(p) != Empty)) continue;
      if (ref_.At(p) == Empty || tries >= 17) break;
    }
    return p;
  }

  void Move() {
    const Pt p = ChoosePoint();
    const int32_t colour = Below(10) == 0 ? -ref_.ToMove() : ref_.ToMove();
    const bool commit = Below(4) != 0;
    const std::string state = ObservedState(board_);
    const Outcome outcome = ref_.Play(p, colour);
    ASSERT_EQ(board_.TryMove(p.c, p.r, colour, commit), outcome == Outcome::kLegal)
        << "at " << p.c << ',' << p.r << " colour " << colour << " reference says "
        << static_cast<int>(outcome);
    Count(outcome);
    if (outcome != Outcome::kLegal) {
      ASSERT_EQ(ObservedState(board_), state) << "a refused move left a trace";
      return ExpectSame();
    }
    before_.push_back(state);
    ExpectSame();
    if (!commit && !HasFatalFailure()) TakeBack(false);
  }

  void Pass() {
    before_.push_back(ObservedState(board_));
    const int32_t colour = ref_.ToMove();
    board_.Pass(colour);
    ref_.Pass(colour);
    ExpectSame();
  }

  void TakeBack(bool redraw) {
    board_.TakeBack(redraw);
    ref_.TakeBack();
    if (!before_.empty()) {
      ASSERT_EQ(ObservedState(board_), before_.back()) << "take-back was not exact";
      before_.pop_back();
    }
    ExpectSame();
  }

  void Count(Outcome outcome) {
    const Reference::Record& m = ref_.last;
    const bool joined = m.joined[0] || m.joined[1] || m.joined[2] || m.joined[3];
    reached_.kos += outcome == Outcome::kKo;
    reached_.loneSuicides += outcome == Outcome::kSuicide && !joined;
    reached_.multiStoneSuicides += outcome == Outcome::kSuicide && joined;
    if (outcome != Outcome::kLegal) return;
    int groups = 0;
    for (const Pt p : m.captured)
      groups += On(p);
    reached_.multiGroupCaptures += groups > 1;
    reached_.multiStoneCaptures += m.capturedStones > 1;
    const Reference::Record* prev =
        ref_.history.size() > 1 ? &ref_.history[ref_.history.size() - 2] : nullptr;
    reached_.snapbacks += m.capturedStones == 1 && prev != nullptr && prev->capturedStones > 1 &&
                          ref_.At(prev->at) == Empty;
  }

  // The engine against the reference: position, counters, each group list in order with its
  // entry stones, sizes, liberties and rings, and the newest record's captures.
  void ExpectSame() {
    ASSERT_EQ(board_.CheckConsistency(), "");
    std::array<int32_t, 3> stones{};
    for (int32_t c = 0; c < BoardLines; ++c) {
      for (int32_t r = 0; r < BoardLines; ++r) {
        ASSERT_EQ(board_.ColourAt(c, r), ref_.colour[c][r]) << "at " << c << ',' << r;
        ++stones[ref_.colour[c][r] + 1];
      }
    }
    ASSERT_EQ(board_.moveCount, static_cast<int32_t>(ref_.history.size()));
    ASSERT_EQ(board_.ColourToMove(), ref_.ToMove());
    for (const int32_t colour : {Black, White}) {
      ASSERT_EQ(board_.Record(colour).stonesOnBoard, stones[colour + 1]);
      const StoneGroup* g = board_.Record(colour).firstGroup;
      for (const Pt entry : ref_.groups[colour + 1]) {
        ASSERT_NE(g, nullptr) << "group list of " << colour << " too short";
        const Reference::Chain chain = ref_.Fill(entry);
        ASSERT_EQ((Pt{g->firstStone->column, g->firstStone->row}), entry) << "list order";
        ASSERT_EQ(g->stones, chain.stones);
        ASSERT_EQ(g->liberties, chain.liberties) << "group at " << entry.c << ',' << entry.r;
        int32_t ring = 0;
        const StoneNode* s = g->firstStone;
        do {
          ASSERT_TRUE(ref_.InChain({s->column, s->row}) && s->group == g &&
                      board_.points[s->column][s->row].stone == s);
          s = s->next;
        } while (++ring <= chain.stones && s != g->firstStone);
        ASSERT_EQ(ring, chain.stones);
        g = g->next;
      }
      ASSERT_EQ(g, nullptr) << "group list of " << colour << " too long";
    }
    if (!ref_.history.empty()) ExpectNewestRecord(ref_.history.back());
  }

  void ExpectNewestRecord(const Reference::Record& m) {
    const Zere19r19::gomove& n = *board_.Newest();
    ASSERT_EQ((Pt{n.column, n.row}), (On(m.at) ? m.at : Pt{}));
    ASSERT_EQ(n.colour, m.colour);
    ASSERT_EQ(n.capturedStones, m.capturedStones);
    const StoneGroup* last = nullptr;
    for (int d = 0; d < 4; ++d) {
      ASSERT_EQ(n.captured[d] != nullptr, On(m.captured[d])) << "direction " << d;
      if (n.captured[d] == nullptr) continue;
      last = n.captured[d];
      ASSERT_EQ((Pt{last->firstStone->column, last->firstStone->row}), m.captured[d]);
    }
    ASSERT_EQ(n.lastCaptured, last);
  }

  std::mt19937 random_{20240611};
  Zere19r19 board_;
  Reference ref_;
  std::vector<std::string> before_;  // The observed state before each record, oldest first.
  Reached reached_;
  int32_t size_ = 0;
  int32_t left_ = 0;
  int32_t top_ = 0;
};

TEST_F(RandomGames, AgreeWithTheNaiveReferenceAfterEveryOperation) {
  for (int game = 0; game < kGames; ++game) {
    NewGame();
    for (int step = 0; step < kStepsPerGame && !HasFatalFailure(); ++step) {
      const int32_t roll = Below(100);
      if (roll < 12) {
        TakeBack(Below(2) == 0);
      } else if (roll < 13) {
        while (board_.moveCount > 0 && !HasFatalFailure())
          TakeBack(Below(2) == 0);
        TakeBack(true);  // On the empty history: nothing.
        ++reached_.takeBacksToEmpty;
      } else if (roll < 17) {
        Pass();
      } else {
        Move();
      }
    }
    ASSERT_FALSE(HasFatalFailure()) << "game " << game;
  }
  EXPECT_GT(reached_.kos, 0);
  EXPECT_GT(reached_.loneSuicides, 0);
  EXPECT_GT(reached_.multiStoneSuicides, 0);
  EXPECT_GT(reached_.multiStoneCaptures, 0);
  EXPECT_GT(reached_.multiGroupCaptures, 0);
  EXPECT_GT(reached_.snapbacks, 0);
  EXPECT_GT(reached_.takeBacksToEmpty, 0);
  std::printf(
      "kos %d, suicides %d lone %d joined, captures of several stones %d, of several "
      "groups %d, snapbacks %d\n",
      reached_.kos, reached_.loneSuicides, reached_.multiStoneSuicides, reached_.multiStoneCaptures,
      reached_.multiGroupCaptures, reached_.snapbacks);
}

}  // namespace
