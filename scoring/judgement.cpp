#include "scoring/judgement.h"

#include <cmath>
#include <vector>

#include "engine/neighbours.h"
#include "scoring/playouts.h"

namespace {

// True when a stone next to the point lives in seki.
bool BesideSeki(const Judgement& judgement, const Zere19r19& board, int32_t column, int32_t row) {
  return AnyNeighbour(board, column, row, [&](int32_t c, int32_t r) {
    return judgement.status[c][r] == StoneStatus::Seki;
  });
}

// Whether a stone of status counts as standing on the board once the dead are taken off.
bool Stands(StoneStatus status) {
  return status == StoneStatus::Alive || status == StoneStatus::Seki;
}

// The colour that stands on the point after the dead stones are taken off, Empty if none does.
int32_t StandingColour(const Judgement& judgement, const Zere19r19& board, int32_t column,
                       int32_t row) {
  return Stands(judgement.status[column][row]) ? board.ColourAt(column, row) : Empty;
}

// True when standing stones of both colours touch the point: whoever filled it, it would be no
// one's territory.
bool BetweenBothColours(const Judgement& judgement, const Zere19r19& board, int32_t column,
                        int32_t row) {
  bool black = false;
  bool white = false;
  ForEachNeighbour(board, column, row, [&](int32_t c, int32_t r) {
    const int32_t standing = StandingColour(judgement, board, c, r);
    black = black || standing == Black;
    white = white || standing == White;
  });
  return black && white;
}

// Gives every point of the open region through (column, row) (empty points and dead stones) to
// the one colour that borders it; where both colours do, each point goes by its leaning. Empty
// points that no single colour surrounds are open, unless a group in seki lives beside them. An eye
// of groups in seki counts for nobody, as the referees' area counts have it.
void OwnRegion(Judgement& judgement, const Zere19r19& board, int32_t column, int32_t row,
               Judgement::ByPoint<bool>& seen) {
  std::vector<std::pair<int32_t, int32_t>> region{{column, row}};
  seen[column][row] = true;
  int32_t borders = Empty;
  bool shared = false;
  bool onlySeki = true;
  for (size_t next = 0; next < region.size(); ++next) {
    const auto [c, r] = region[next];
    ForEachNeighbour(board, c, r, [&](int32_t nc, int32_t nr) {
      const int32_t standing = StandingColour(judgement, board, nc, nr);
      if (standing != Empty) onlySeki = onlySeki && judgement.status[nc][nr] == StoneStatus::Seki;
      if (standing == Empty) {
        if (!seen[nc][nr]) region.emplace_back(nc, nr);
        seen[nc][nr] = true;
      } else if (borders == Empty) {
        borders = standing;
      } else if (borders != standing) {
        shared = true;
      }
    });
  }
  for (const auto& [c, r] : region) {
    const int32_t shareOwner =
        BetweenBothColours(judgement, board, c, r) ? Empty : judgement.leaning[c][r];
    judgement.owner[c][r] = shared ? shareOwner : onlySeki ? Empty : borders;
    const bool unclaimed = shared || borders == Empty;
    if (unclaimed && board.ColourAt(c, r) == Empty && !BesideSeki(judgement, board, c, r))
      ++judgement.openPoints;
  }
}

// Every group on the board, Black's first.
std::vector<const StoneGroup*> AllGroups(const Zere19r19& board) {
  std::vector<const StoneGroup*> groups;
  for (const int32_t colour : {Black, White}) {
    for (const StoneGroup* group = board.Record(colour).firstGroup; group != nullptr;
         group = group->next)
      groups.push_back(group);
  }
  return groups;
}

// Calls visit(stone) for every stone of the group's ring.
template <typename Visit>
void ForEachStone(const StoneGroup& group, Visit&& visit) {
  const StoneNode* stone = group.firstStone;
  do {
    visit(*stone);
    stone = stone->next;
  } while (stone != group.firstStone);
}

void SetGroupStatus(Judgement& judgement, const StoneGroup& group, StoneStatus status) {
  ForEachStone(group,
               [&](const StoneNode& stone) { judgement.status[stone.column][stone.row] = status; });
}

// The ownership of the group's points, averaged over its stones.
double MeanOwnership(const StoneGroup& group, const Ownership& ownership) {
  double sum = 0.0;
  ForEachStone(group,
               [&](const StoneNode& stone) { sum += ownership.owner[stone.column][stone.row]; });
  return sum / group.stones;
}

// True when some group's points ended up its own colour's in hardly more playouts than the other
// colour's, or the other way round.
bool AnyGroupInDoubt(const Zere19r19& board, const Ownership& ownership) {
  constexpr double Doubt = 0.35;
  for (const StoneGroup* group : AllGroups(board)) {
    if (std::abs(MeanOwnership(*group, ownership)) < Doubt) return true;
  }
  return false;
}

// True when a liberty of the group was left empty between both colours at the end of most
// playouts: neither side could fill it, so the group lives without owning it.
bool SharesSekiLiberty(const Zere19r19& board, const StoneGroup& group,
                       const Ownership& ownership) {
  bool seki = false;
  ForEachStone(group, [&](const StoneNode& stone) {
    ForEachNeighbour(board, stone.column, stone.row,
                     [&](int32_t c, int32_t r) { seki = seki || ownership.shared[c][r] > 0.5; });
  });
  return seki;
}

// Dead when the group's points mostly ended up the other colour's.
StoneStatus StatusOf(const Zere19r19& board, const StoneGroup& group, const Ownership& ownership) {
  constexpr double DeadBelow = 0.1;
  if (MeanOwnership(group, ownership) * group.colour < DeadBelow) return StoneStatus::Dead;
  return SharesSekiLiberty(board, group, ownership) ? StoneStatus::Seki : StoneStatus::Alive;
}

// A point leans to a colour when that colour ended up owning it in clearly more playouts.
void SetLeanings(Judgement& judgement, const Zere19r19& board, const Ownership& ownership) {
  constexpr double ClearLead = 0.3;
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    for (int32_t row = 0; row < board.BoardSize(); ++row) {
      const double owner = ownership.owner[column][row];
      judgement.leaning[column][row] = owner > ClearLead    ? Black
                                       : owner < -ClearLead ? White
                                                            : Empty;
    }
  }
}

// Clears the leaning of every point of the open regions the group borders or, dead, lies in. The
// playouts that gave those points their leaning saw the group the other way; once the player has
// said otherwise, only stones that surround a region give it an owner.
void ForgetLeaningsAround(Judgement& judgement, const Zere19r19& board, const StoneGroup& group) {
  std::vector<std::pair<int32_t, int32_t>> open;
  Judgement::ByPoint<bool> seen{};
  auto visit = [&](int32_t c, int32_t r) {
    if (seen[c][r] || StandingColour(judgement, board, c, r) != Empty) return;
    seen[c][r] = true;
    judgement.leaning[c][r] = Empty;
    open.emplace_back(c, r);
  };
  ForEachStone(group, [&](const StoneNode& stone) {
    visit(stone.column, stone.row);
    ForEachNeighbour(board, stone.column, stone.row, visit);
  });
  for (size_t next = 0; next < open.size(); ++next)
    ForEachNeighbour(board, open[next].first, open[next].second, visit);
}

// True when a standing stone of the other colour touches the group, or an empty point that the
// group reaches through empty points.
bool Attacked(const Judgement& judgement, const Zere19r19& board, const StoneGroup& group) {
  std::vector<std::pair<int32_t, int32_t>> reached;
  Judgement::ByPoint<bool> seen{};
  bool attacked = false;
  auto visit = [&](int32_t c, int32_t r) {
    const int32_t colour = board.ColourAt(c, r);
    if (colour == -group.colour && Stands(judgement.status[c][r])) attacked = true;
    if (colour != Empty || seen[c][r]) return;
    seen[c][r] = true;
    reached.emplace_back(c, r);
  };
  ForEachStone(group, [&](const StoneNode& stone) {
    ForEachNeighbour(board, stone.column, stone.row, visit);
  });
  for (size_t next = 0; next < reached.size() && !attacked; ++next)
    ForEachNeighbour(board, reached[next].first, reached[next].second, visit);
  return attacked;
}

// A dead group that no living enemy stone reaches was judged dead along with the enemy around it,
// as when two groups in a race both came out even in the playouts: one of them lives, and it is
// the one nothing is left to capture.
void ReviveUnattackedGroups(Judgement& judgement, const Zere19r19& board) {
  for (bool revived = true; revived;) {
    revived = false;
    for (const StoneGroup* group : AllGroups(board)) {
      const StoneNode& stone = *group->firstStone;
      if (judgement.status[stone.column][stone.row] != StoneStatus::Dead) continue;
      if (Attacked(judgement, board, *group)) continue;
      SetGroupStatus(judgement, *group, StoneStatus::Alive);
      revived = true;
    }
  }
}

}  // namespace

void CountArea(Judgement& judgement, const Zere19r19& board) {
  Judgement::ByPoint<bool> seen{};
  judgement.blackArea = 0;
  judgement.whiteArea = 0;
  judgement.openPoints = 0;
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    for (int32_t row = 0; row < board.BoardSize(); ++row) {
      const int32_t standing = StandingColour(judgement, board, column, row);
      if (standing != Empty)
        judgement.owner[column][row] = standing;
      else if (!seen[column][row])
        OwnRegion(judgement, board, column, row, seen);
      const int32_t owner = judgement.owner[column][row];
      judgement.blackArea += owner == Black;
      judgement.whiteArea += owner == White;
    }
  }
}

void ToggleGroup(Judgement& judgement, const Zere19r19& board, int32_t column, int32_t row) {
  const StoneNode* first = board.points[column][row].stone;
  if (first == nullptr) return;
  const StoneStatus toggled =
      judgement.status[column][row] == StoneStatus::Dead ? StoneStatus::Alive : StoneStatus::Dead;
  SetGroupStatus(judgement, *first->group, toggled);
  ForgetLeaningsAround(judgement, board, *first->group);
  CountArea(judgement, board);
}

Judgement JudgePosition(const Zere19r19& board) {
  // A few dozen playouts settle most groups; only when a group's fate is still close are more
  // played, so that a clear position is judged fast and a close one carefully. The seed is fixed
  // so that a position is always judged alike.
  constexpr int32_t FirstPlayouts = 64;
  constexpr int32_t MorePlayouts = 256;
  constexpr uint64_t Seed = 20261207;
  Playouts playouts(board, Seed);
  playouts.Play(FirstPlayouts);
  Ownership ownership = playouts.Average();
  if (AnyGroupInDoubt(board, ownership)) {
    playouts.Play(MorePlayouts);
    ownership = playouts.Average();
  }
  Judgement judgement;
  SetLeanings(judgement, board, ownership);
  for (const StoneGroup* group : AllGroups(board))
    SetGroupStatus(judgement, *group, StatusOf(board, *group, ownership));
  ReviveUnattackedGroups(judgement, board);
  CountArea(judgement, board);
  return judgement;
}
