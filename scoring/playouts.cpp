#include "scoring/playouts.h"

#include <cassert>
#include <optional>
#include <utility>
#include <vector>

#include "engine/neighbours.h"
#include "scoring/shape_patterns.h"

namespace {

// SplitMix64: small, fast and the same on every platform, unlike the standard distributions.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  // A number in 0..n-1; n must be positive.
  uint32_t Below(uint32_t n) {
    state_ += 0x9E3779B97F4A7C15;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    z ^= z >> 31;
    return static_cast<uint32_t>(((z >> 32) * n) >> 32);
  }

 private:
  uint64_t state_;
};

struct Point {
  int32_t column;
  int32_t row;
};

// Makes to an empty board of from's size and puts the stones of from on it. Stones put one by
// one in any order never capture and are never suicide: each part of a group placed so far
// touches either one of the group's stones still to come, which is empty yet, or one of the
// group's own liberties.
void CopyPosition(const Zere19r19& from, Zere19r19& to) {
  to.Reset(from.BoardSize());
  for (int32_t column = 0; column < from.BoardSize(); ++column) {
    for (int32_t row = 0; row < from.BoardSize(); ++row) {
      const int32_t colour = from.ColourAt(column, row);
      if (colour == Empty) continue;
      [[maybe_unused]] const bool placed = to.TryMove(column, row, colour, true);
      assert(placed && "CopyPosition: a stone of a legal position refused");
    }
  }
}

// True when a stone of colour at the empty point would fill one of its own eyes: every neighbour
// is its stone, and too few diagonal points are the enemy's to make the eye false.
bool FillsOwnEye(const Zere19r19& board, int32_t column, int32_t row, int32_t colour) {
  if (AnyNeighbour(board, column, row,
                   [&](int32_t c, int32_t r) { return board.ColourAt(c, r) != colour; }))
    return false;
  int32_t enemy = 0;
  int32_t offBoard = 0;
  for (const int32_t dc : {-1, 1}) {
    for (const int32_t dr : {-1, 1}) {
      if (!board.OnBoard(column + dc, row + dr))
        ++offBoard;
      else if (board.ColourAt(column + dc, row + dr) == -colour)
        ++enemy;
    }
  }
  return offBoard > 0 ? enemy == 0 : enemy < 2;
}

// One playout at a time on a board that draws nothing, with the empty points kept in a list.
class Playout {
 public:
  Playout(Zere19r19& board, Random& random) : board_(board), random_(random) {}

  // Plays the game out from the board's position, colour first, adds who owns each point at the
  // end to sums, and takes every move back.
  void Run(int32_t colour, Ownership& sums) {
    CollectEmpties();
    // Long enough for every point to be filled and captured a few times over; kos that cycle end
    // here instead of never.
    const int32_t moveLimit = 3 * board_.BoardSize() * board_.BoardSize();
    int32_t moves = 0;
    for (int32_t passes = 0; passes < 2 && moves < moveLimit; colour = -colour) {
      if (PlayRandomMove(colour)) {
        ++moves;
        passes = 0;
      } else {
        ++passes;
      }
    }
    AddOwners(sums);
    for (; moves > 0; --moves)
      board_.TakeBack(false);
  }

 private:
  void CollectEmpties() {
    empties_.clear();
    for (int32_t column = 0; column < board_.BoardSize(); ++column) {
      for (int32_t row = 0; row < board_.BoardSize(); ++row) {
        if (board_.ColourAt(column, row) == Empty) empties_.push_back({column, row});
      }
    }
  }

  // Plays a move of colour, false when it has none: first the answer to the opponent's last move
  // (a capture of a group it left in atari, or an escape of an own group it put there), then most
  // often a move of good shape next to the last one, else a sensible move anywhere. Without the
  // answers and the nearby moves a random game settles fights between weak groups by chance.
  bool PlayRandomMove(int32_t colour) {
    // Three moves in five look near the last move first, as fights are fought.
    constexpr uint32_t NearbyPercent = 60;
    if (PlayAnswerToLastMove(colour)) return true;
    if (random_.Below(100) < NearbyPercent && PlayNearLastMove(colour)) return true;
    // Points tried and refused go to the end of the list, beyond the part still to draw from.
    for (auto untried = static_cast<uint32_t>(empties_.size()); untried > 0; --untried) {
      const uint32_t drawn = random_.Below(untried);
      std::swap(empties_[drawn], empties_[untried - 1]);
      if (PlayIfSensible(empties_[untried - 1], colour)) {
        AfterMove(untried - 1);
        return true;
      }
    }
    return false;
  }

  // Plays a sensible move of colour on one of the empty points around the last move where a good
  // shape would stand, drawn at random; false when none is. Any point around would fill the
  // liberties of the fighting groups blindly, and a group that a strong player would save or kill
  // would come out either way.
  bool PlayNearLastMove(int32_t colour) {
    const Zere19r19::gomove* last = board_.Newest();
    if (last == nullptr || last->column < 0) return false;
    Point nearby[8];
    uint32_t count = 0;
    for (const int32_t dc : {-1, 0, 1}) {
      for (const int32_t dr : {-1, 0, 1}) {
        const Point point{last->column + dc, last->row + dr};
        if (board_.OnBoard(point.column, point.row) &&
            board_.ColourAt(point.column, point.row) == Empty &&
            MatchesShape(board_, point.column, point.row))
          nearby[count++] = point;
      }
    }
    for (; count > 0; --count) {
      const uint32_t drawn = random_.Below(count);
      std::swap(nearby[drawn], nearby[count - 1]);
      if (PlayIfSensible(nearby[count - 1], colour)) {
        RemoveEmpty(nearby[count - 1]);
        return true;
      }
    }
    return false;
  }

  // Plays colour at the empty point when the move is legal, fills no own eye and puts no group of
  // several stones in atari without capturing; true when the stone stays.
  bool PlayIfSensible(Point point, int32_t colour) {
    if (FillsOwnEye(board_, point.column, point.row, colour)) return false;
    if (!TryStone(point, colour)) return false;
    if (board_.Newest()->capturedStones == 0 && SelfAtari(point)) {
      board_.TakeBack(false);
      return false;
    }
    return true;
  }

  // AfterMove for the point just played, wherever it stands in the list.
  void RemoveEmpty(Point point) {
    for (uint32_t index = 0; index < empties_.size(); ++index) {
      if (empties_[index].column == point.column && empties_[index].row == point.row) {
        AfterMove(index);
        return;
      }
    }
  }

  bool TryStone(Point point, int32_t colour) {
    return board_.TryMove(point.column, point.row, colour, true);
  }

  // True when the stone just played at point left its group of several stones in atari.
  bool SelfAtari(Point point) const {
    const StoneGroup& group = *board_.points[point.column][point.row].stone->group;
    return group.liberties == 1 && group.stones > 1;
  }

  // Takes the point just played, at index in the list, out of the list of empty points, and puts
  // the points of the stones it captured in.
  void AfterMove(uint32_t index) {
    empties_[index] = empties_.back();
    empties_.pop_back();
    const Zere19r19::gomove& move = *board_.Newest();
    if (move.capturedStones == 0) return;
    for (int32_t direction = 0; direction < 4; ++direction) {
      const StoneGroup* captured = move.captured[direction];
      if (captured == nullptr || CapturedEarlier(move, direction)) continue;
      const StoneNode* stone = captured->firstStone;
      do {
        empties_.push_back({stone->column, stone->row});
        stone = stone->next;
      } while (stone != captured->firstStone);
    }
  }

  // True when the move's capture in direction is a group it also captured in an earlier direction.
  static bool CapturedEarlier(const Zere19r19::gomove& move, int32_t direction) {
    for (int32_t earlier = 0; earlier < direction; ++earlier) {
      if (move.captured[earlier] == move.captured[direction]) return true;
    }
    return false;
  }

  // Captures a group of the opponent left in atari next to its last move, or saves an own group
  // that move put in atari when extending gives it two liberties or more.
  bool PlayAnswerToLastMove(int32_t colour) {
    const Zere19r19::gomove* last = board_.Newest();
    if (last == nullptr || last->column < 0 || last->colour != -colour) return false;
    const Point lastPoint{last->column, last->row};
    if (const auto liberty = LastLiberty(lastPoint)) {
      if (PlayAnswer(*liberty, colour, 1)) return true;
    }
    bool played = false;
    ForEachNeighbourWhile(lastPoint, [&](Point neighbour) {
      const int32_t neighbourColour = board_.ColourAt(neighbour.column, neighbour.row);
      if (neighbourColour == Empty) return true;
      const auto liberty = LastLiberty(neighbour);
      if (!liberty) return true;
      played = PlayAnswer(*liberty, colour, neighbourColour == colour ? 2 : 1);
      return !played;
    });
    return played;
  }

  // Plays colour at point when legal and the new stone's group keeps at least liberties.
  bool PlayAnswer(Point point, int32_t colour, int32_t liberties) {
    if (!TryStone(point, colour)) return false;
    if (board_.points[point.column][point.row].stone->group->liberties < liberties) {
      board_.TakeBack(false);
      return false;
    }
    RemoveEmpty(point);
    return true;
  }

  // Calls visit(neighbour) for the neighbours of point in direction order while it returns true.
  template <typename Visit>
  void ForEachNeighbourWhile(Point point, Visit&& visit) {
    AnyNeighbour(board_, point.column, point.row, [&](int32_t c, int32_t r) {
      return !visit(Point{c, r});
    });
  }

  // The one liberty of the group of the stone at point when it is in atari.
  std::optional<Point> LastLiberty(Point point) const {
    const StoneNode* first = board_.points[point.column][point.row].stone;
    if (first == nullptr || first->group->liberties != 1) return std::nullopt;
    const StoneNode* stone = first;
    do {
      std::optional<Point> liberty;
      AnyNeighbour(board_, stone->column, stone->row, [&](int32_t c, int32_t r) {
        if (board_.ColourAt(c, r) != Empty) return false;
        liberty = Point{c, r};
        return true;
      });
      if (liberty) return liberty;
      stone = stone->next;
    } while (stone != first);
    return std::nullopt;
  }

  void AddOwners(Ownership& sums) const {
    for (int32_t column = 0; column < board_.BoardSize(); ++column) {
      for (int32_t row = 0; row < board_.BoardSize(); ++row) {
        const int32_t owner = OwnerAtEnd(column, row);
        sums.owner[column][row] += owner == Shared ? Empty : owner;
        sums.shared[column][row] += owner == Shared;
      }
    }
  }

  // Marks a point left empty between stones of both colours.
  static constexpr int32_t Shared = 2;

  // The stone's colour, or for an empty point the colour of all its neighbouring stones, or
  // Shared when they are of both colours.
  int32_t OwnerAtEnd(int32_t column, int32_t row) const {
    const int32_t colour = board_.ColourAt(column, row);
    if (colour != Empty) return colour;
    int32_t owner = Empty;
    bool mixed = false;
    ForEachNeighbour(board_, column, row, [&](int32_t c, int32_t r) {
      const int32_t neighbour = board_.ColourAt(c, r);
      if (neighbour == Empty) return;  // Another point of the same eye.
      if (owner == Empty)
        owner = neighbour;
      else if (neighbour != owner)
        mixed = true;
    });
    return mixed ? Shared : owner;
  }

  Zere19r19& board_;
  Random& random_;
  std::vector<Point> empties_;
};

}  // namespace

struct Playouts::State {
  State(const Zere19r19& board, uint64_t seed) : random(seed), first(board.ColourToMove()) {
    CopyPosition(board, scratch);
  }
  Zere19r19 scratch;
  Random random;
  Playout playout{scratch, random};
  Ownership sums{};
  int32_t played = 0;
  int32_t first;  // The colour to move in the position, first in every other game.
};

Playouts::Playouts(const Zere19r19& board, uint64_t seed)
    : state_(std::make_unique<State>(board, seed)) {}

Playouts::~Playouts() = default;

void Playouts::Play(int32_t count) {
  State& state = *state_;
  for (; count > 0; --count, ++state.played)
    state.playout.Run(state.played % 2 == 0 ? state.first : -state.first, state.sums);
}

Ownership Playouts::Average() const {
  Ownership average = state_->sums;
  const double share = state_->played > 0 ? 1.0 / state_->played : 0.0;
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      average.owner[column][row] *= share;
      average.shared[column][row] *= share;
    }
  }
  return average;
}
