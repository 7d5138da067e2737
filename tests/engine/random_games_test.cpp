// Seeded random games on the engine and on a naive reference side by side: legal and illegal
// tries, trial moves, passes, take-backs and new games, compared after every operation. Games are
// played on boards of 9, 13 and 19 lines and stay in small squares, often at the board's edges,
// where captures, kos, suicides and snapbacks abound; the test counts them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/board.h"
#include "tests/engine/observed_state.h"

namespace {

struct Pt {
  int32_t c = -1, r = -1;  // (-1, -1) is off every board: a pass, or no capture.
  // Directions 0 to 3 are right, down, left and up.
  Pt Step(int d) const { return {c + (d == 0) - (d == 2), r + (d == 1) - (d == 3)}; }
  bool operator==(const Pt&) const = default;
  friend std::ostream& operator<<(std::ostream& out, Pt p) { return out << p.c << ',' << p.r; }
};

using Grid = std::array<std::array<int32_t, BoardLines>, BoardLines>;

enum Outcome { Legal, Occupied, Suicide, Ko };

// The same rules done the slow way: a colour array, chains and liberties by flood fill, and a
// copy of the whole position in each history record. It also follows each colour's group list,
// each group named by its entry stone, in the order the engine keeps: a new stone's group in
// front, replacing the groups it joins; on take-back, the groups split off again and the captured
// groups put back go to the front, the highest direction first.
class Reference {
 public:
  struct Chain {
    std::vector<Pt> stones;
    int32_t liberties = 0;
  };
  struct Record {
    int32_t colour;
    Pt at;  // Off the board for a pass.
    Grid before;
    int32_t capturedStones = 0;
    std::array<bool, 4> joined{};
    std::array<Pt, 4> captured{};  // Entry stone of the group captured there.
  };

  int32_t lines = BoardLines;  // The board's size.
  Grid colour{};
  std::array<std::vector<Pt>, 3> groups;  // By colour + 1: entry stones, front first.
  std::vector<Record> history;
  std::map<std::string, int> reached;  // The rare cases met, by name.

  bool On(Pt p) const { return OnBoard(p.c, p.r, lines); }
  int32_t ToMove() const { return history.empty() ? Black : -history.back().colour; }
  bool InChain(Pt p) const { return stoneMark_[p.c][p.r] == stamp_; }

  // The chain through start; its stones stay marked for InChain until the next call.
  Chain Fill(Pt start) {
    ++stamp_;
    Chain chain{{start}};
    stoneMark_[start.c][start.r] = stamp_;
    for (size_t i = 0; i < chain.stones.size(); ++i) {
      for (int d = 0; d < 4; ++d) {
        const Pt q = chain.stones[i].Step(d);
        if (!On(q)) continue;
        if (colour[q.c][q.r] == Empty && libertyMark_[q.c][q.r] != stamp_) {
          libertyMark_[q.c][q.r] = stamp_;
          ++chain.liberties;
        } else if (colour[q.c][q.r] == colour[start.c][start.r] && !InChain(q)) {
          stoneMark_[q.c][q.r] = stamp_;
          chain.stones.push_back(q);
        }
      }
    }
    return chain;
  }

  Outcome Play(Pt p, int32_t c) {
    if (colour[p.c][p.r] != Empty) return Occupied;
    Record last{c, p, colour};
    for (int d = 0; d < 4; ++d) {
      const Pt q = p.Step(d);
      if (On(q) && colour[q.c][q.r] == c) last.joined[d] = On(TakeEntry(q));
    }
    colour[p.c][p.r] = c;
    Push(c, p);
    for (int d = 0; d < 4; ++d) {
      const Pt q = p.Step(d);
      if (!On(q) || colour[q.c][q.r] != -c) continue;
      const Chain enemy = Fill(q);
      if (enemy.liberties > 0) continue;
      last.captured[d] = TakeEntry(q);
      last.capturedStones += static_cast<int32_t>(enemy.stones.size());
      for (const Pt s : enemy.stones)
        colour[s.c][s.r] = Empty;
    }
    const bool suicide = Fill(p).liberties == 0;
    const Record* prev = history.empty() ? nullptr : &history.back();
    // The previous record's stone is gone exactly when this move captured it.
    const bool retake = last.capturedStones == 1 && prev != nullptr && prev->capturedStones > 0 &&
                        colour[prev->at.c][prev->at.r] == Empty;
    const bool ko = retake && prev->capturedStones == 1;
    const bool joined = std::count(last.joined.begin(), last.joined.end(), true) > 0;
    if (suicide) ++reached[joined ? "suicides of several stones" : "lone suicides"];
    if (ko) ++reached["kos"];
    if (retake && !ko) ++reached["snapbacks"];
    if (last.capturedStones > 1) ++reached["captures of several stones"];
    if (std::count_if(last.captured.begin(), last.captured.end(), [this](Pt q) { return On(q); }) >
        1)
      ++reached["captures of several groups"];
    history.push_back(last);
    if (!suicide && !ko) return Legal;
    TakeBack();
    return suicide ? Suicide : Ko;
  }

  void NewGame(int32_t boardSize) {
    lines = boardSize;
    colour = {};
    groups = {};
    history.clear();
  }

  void Pass(int32_t c) { history.push_back(Record{c, Pt{}, colour}); }

  void TakeBack() {
    if (history.empty()) return;
    const Record m = history.back();
    history.pop_back();
    if (On(m.at)) TakeEntry(m.at);
    for (int d = 3; d >= 0 && On(m.at); --d) {
      if (m.joined[d]) Push(m.colour, m.at.Step(d));
      if (On(m.captured[d])) Push(-m.colour, m.captured[d]);
    }
    colour = m.before;
  }

 private:
  void Push(int32_t c, Pt entry) { groups[c + 1].insert(groups[c + 1].begin(), entry); }

  // Takes the group of the chain through p out of its colour's list; returns its entry stone, or
  // a point off the board when an earlier direction took it already.
  Pt TakeEntry(Pt p) {
    std::vector<Pt>& list = groups[colour[p.c][p.r] + 1];
    Fill(p);
    const auto it = std::find_if(list.begin(), list.end(), [&](Pt e) { return InChain(e); });
    if (it == list.end()) return Pt{};
    const Pt entry = *it;
    list.erase(it);
    return entry;
  }

  Grid stoneMark_{}, libertyMark_{};
  int32_t stamp_ = 0;
};

class RandomGames : public ::testing::Test {
 protected:
  int32_t Below(int32_t n) { return static_cast<int32_t>(random_() % static_cast<uint32_t>(n)); }

  // A new game on a board of 9, 13 or 19 lines, in a square of 3 to 7 lines, often in a corner
  // or on an edge.
  void NewGame() {
    const int32_t lines = std::array<int32_t, 3>{9, 13, BoardLines}[Below(3)];
    board_.Reset(lines);
    ref_.NewGame(lines);
    before_.clear();
    size_ = 3 + Below(5);
    const int32_t far = lines - size_;
    left_ = std::array<int32_t, 3>{0, Below(far + 1), far}[Below(3)];
    top_ = std::array<int32_t, 3>{0, Below(far + 1), far}[Below(3)];
    ExpectSame();
  }

  // Mostly an empty point, after a capture mostly one the capture freed; now and then not empty.
  Pt ChoosePoint() {
    const Reference::Record* m = ref_.history.empty() ? nullptr : &ref_.history.back();
    const bool intoCapture = m != nullptr && m->capturedStones > 0 && Below(10) < 7;
    Pt p;
    for (int tries = 0; tries < 12; ++tries) {
      p = {left_ + Below(size_), top_ + Below(size_)};
      if (ref_.colour[p.c][p.r] == Empty && (!intoCapture || m->before[p.c][p.r] != Empty)) break;
    }
    return p;
  }

  void Move() {
    const Pt p = ChoosePoint();
    const int32_t colour = Below(10) == 0 ? -ref_.ToMove() : ref_.ToMove();
    const bool commit = Below(4) != 0;
    const std::string state = ObservedState(board_);
    const Outcome outcome = ref_.Play(p, colour);
    ASSERT_EQ(board_.TryMove(p.c, p.r, colour, commit), outcome == Legal)
        << "at " << p << " colour " << colour << ", reference outcome " << outcome;
    ASSERT_TRUE(outcome == Legal || ObservedState(board_) == state) << "refused, left a trace";
    if (outcome == Legal) before_.push_back(state);
    ExpectSame();
    if (outcome == Legal && !commit && !HasFatalFailure()) TakeBack(false);
  }

  void TakeBack(bool redraw) {
    board_.TakeBack(redraw);
    ref_.TakeBack();
    if (!before_.empty()) {
      ASSERT_EQ(ObservedState(board_), before_.back()) << "take-back not exact";
      before_.pop_back();
    }
    ExpectSame();
  }

  // Position, counters, each group list in order with entry stones, sizes and liberties, the
  // group of every stone and the newest record.
  void ExpectSame() {
    ASSERT_EQ(board_.CheckConsistency(), "");
    std::array<int32_t, 3> stones{};
    for (int32_t c = 0; c < ref_.lines; ++c) {
      for (int32_t r = 0; r < ref_.lines; ++r) {
        ASSERT_EQ(board_.ColourAt(c, r), ref_.colour[c][r]) << "at " << Pt{c, r};
        ++stones[ref_.colour[c][r] + 1];
      }
    }
    ASSERT_EQ(board_.moveCount, static_cast<int32_t>(ref_.history.size()));
    ASSERT_EQ(board_.ColourToMove(), ref_.ToMove());
    for (const int32_t colour : {Black, White}) {
      ASSERT_EQ(board_.Record(colour).stonesOnBoard, stones[colour + 1]);
      const StoneGroup* g = board_.Record(colour).firstGroup;
      for (const Pt entry : ref_.groups[colour + 1]) {
        ASSERT_TRUE(g != nullptr && (Pt{g->firstStone->column, g->firstStone->row} == entry))
            << "group list at " << entry;
        const Reference::Chain chain = ref_.Fill(entry);
        ASSERT_EQ(g->stones, static_cast<int32_t>(chain.stones.size())) << "group at " << entry;
        ASSERT_EQ(g->liberties, chain.liberties) << "group at " << entry;
        for (const Pt s : chain.stones)  // With CheckConsistency: the ring holds the chain.
          ASSERT_EQ(board_.points[s.c][s.r].stone->group, g) << "stone at " << s;
        g = g->next;
      }
      ASSERT_EQ(g, nullptr) << "group list too long";
    }
    if (ref_.history.empty()) return;
    const Reference::Record& m = ref_.history.back();
    const Zere19r19::gomove& n = *board_.Newest();
    ASSERT_TRUE((Pt{n.column, n.row} == (ref_.On(m.at) ? m.at : Pt{})) && n.colour == m.colour &&
                n.capturedStones == m.capturedStones)
        << "newest record";
  }

  std::mt19937 random_{20240611};
  Zere19r19 board_;
  Reference ref_;
  std::vector<std::string> before_;        // The observed state before each record, oldest first.
  int32_t size_ = 0, left_ = 0, top_ = 0;  // The square the game stays in.
};

TEST_F(RandomGames, AgreeWithTheNaiveReferenceAfterEveryOperation) {
  for (int game = 0; game < 300; ++game) {
    NewGame();
    for (int step = 0; step < 200 && !HasFatalFailure(); ++step) {
      const int32_t roll = Below(100);
      if (roll < 12) {
        TakeBack(Below(2) == 0);
      } else if (roll < 16) {
        before_.push_back(ObservedState(board_));
        board_.Pass(ref_.ToMove());
        ref_.Pass(ref_.ToMove());
        ExpectSame();
      } else if (roll == 16) {
        while (!ref_.history.empty() && !HasFatalFailure())
          TakeBack(Below(2) == 0);
        TakeBack(true);  // On the empty history: nothing.
        ++ref_.reached["take-backs to the empty board"];
      } else {
        Move();
      }
    }
    ASSERT_FALSE(HasFatalFailure()) << "in game " << game;
  }
  // Each rare case enters the map when first met: kos, lone suicides, suicides of several stones,
  // snapbacks, captures of several stones and of several groups, take-backs to the empty board.
  EXPECT_EQ(ref_.reached.size(), 7u) << testing::PrintToString(ref_.reached);
}

}  // namespace
