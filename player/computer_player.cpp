// The computer's decision: joint capture, escape, capture, a random point, or a pass.
//
// Every candidate is judged by a trial move on the live board that is taken back at once, so the
// rules bind the computer exactly as they bind a person. The rules are tried in a fixed order;
// within a rule, candidates are taken in the order of the atari lists.
#include "player/computer_player.h"

#include "engine/neighbours.h"
#include "player/candidate_lists.h"
#include "scoring/judgement.h"

namespace {

// What one decision knows: its lists, the largest groups in atari and the chosen candidate.
struct Decision {
  Zere19r19& board;
  int32_t colour;
  BoardPoint* ownAtari;    // Head of the list of the computer's groups in atari.
  BoardPoint* enemyAtari;  // Head of the list of the opponent's groups in atari.
  int32_t ownLargest;
  int32_t enemyLargest;
  BoardPoint* best = nullptr;  // The candidate to play, once a rule has found one.
};

// A trial move of the decision's colour at the candidate's point. While it stands, Group() is the
// new stone's group; the destructor takes it back.
class Trial {
 public:
  Trial(Zere19r19& board, const BoardPoint& at, int32_t colour)
      : board_(board),
        at_(board.points[at.column][at.row]),
        legal_(board.TryMove(at.column, at.row, colour, false)) {}
  Trial(const Trial&) = delete;
  Trial& operator=(const Trial&) = delete;
  ~Trial() {
    if (legal_) board_.TakeBack(false);
  }

  bool Legal() const { return legal_; }
  const StoneGroup& Group() const { return *at_.stone->group; }

 private:
  Zere19r19& board_;
  const BoardPoint& at_;
  const bool legal_;
};

// Whether a stone of the decision's colour at the candidate's point is legal and its group keeps
// at least two liberties.
bool TrialKeepsTwoLiberties(Decision& decision, const BoardPoint& candidate) {
  const Trial trial(decision.board, candidate, decision.colour);
  return trial.Legal() && trial.Group().liberties > 1;
}

// Offers each enemy candidate whose group is touching as the capture of the pair it forms with
// the own group of own; the best score so far is in bestScore.
void OfferPairsWith(Decision& decision, const BoardPoint& own, const StoneGroup& touching,
                    int32_t& bestScore) {
  for (BoardPoint* enemy = decision.enemyAtari->listNext; enemy != nullptr;
       enemy = enemy->listNext) {
    if (enemy->stone->group != &touching) continue;
    const int32_t score = touching.stones + own.stone->group->stones;
    if (score > decision.enemyLargest && score > decision.ownLargest && score > bestScore &&
        TrialKeepsTwoLiberties(decision, *enemy)) {
      decision.best = enemy;
      bestScore = score;
    }
  }
}

// Capture of an enemy group in atari that touches an own group in atari, when together they
// outweigh every group in atari and the capturing stone keeps two liberties. True when found.
bool FindJointCapture(Decision& decision) {
  const int32_t enemy = -decision.colour;
  int32_t bestScore = 0;
  for (BoardPoint* own = decision.ownAtari->listNext; own != nullptr; own = own->listNext) {
    // A trial that joins this group hands it back as a fresh record, maybe with another entry
    // stone, but the ring itself comes back as it was: so the walk keeps its own start.
    const StoneNode* const start = own->stone->group->firstStone;
    const StoneNode* stone = start;
    do {
      ForEachNeighbour(decision.board, stone->column, stone->row, [&](int32_t column, int32_t row) {
        const BoardPoint& point = decision.board.points[column][row];
        if (point.colour == enemy) OfferPairsWith(decision, *own, *point.stone->group, bestScore);
      });
      stone = stone->next;
    } while (stone != start);
  }
  return decision.best != nullptr;
}

// Extends the largest own group in atari that still has two liberties afterwards; a later group
// wins only if it is at least as large as the extended group chosen before it.
void FindEscape(Decision& decision) {
  int32_t threshold = decision.enemyLargest;
  for (BoardPoint* own = decision.ownAtari->listNext; own != nullptr; own = own->listNext) {
    if (own->stone->group->stones < threshold) continue;
    const Trial trial(decision.board, *own, decision.colour);
    if (trial.Legal() && trial.Group().liberties > 1) {
      decision.best = own;
      threshold = own->stone->group->stones;
    }
  }
}

// Captures the largest enemy group in atari that outweighs the own largest, unless the capturing
// group would be left in atari holding more stones than it took.
void FindCapture(Decision& decision) {
  int32_t threshold = decision.ownLargest;
  for (BoardPoint* enemy = decision.enemyAtari->listNext; enemy != nullptr;
       enemy = enemy->listNext) {
    if (enemy->stone->group->stones <= threshold) continue;
    const Trial trial(decision.board, *enemy, decision.colour);
    if (!trial.Legal()) continue;
    const StoneGroup& capturing = trial.Group();
    if (capturing.liberties > 1 || capturing.stones <= decision.board.Newest()->capturedStones) {
      decision.best = enemy;
      // The captured group's record keeps its size while it is off the board.
      threshold = enemy->stone->group->stones;
    }
  }
}

// Whether any neighbour of the point on the board is not a stone of colour: otherwise the point
// is the colour's own eye.
bool HasForeignNeighbour(const Zere19r19& board, const BoardPoint& point, int32_t colour) {
  bool foreign = false;
  ForEachNeighbour(board, point.column, point.row, [&](int32_t column, int32_t row) {
    foreign = foreign || board.points[column][row].colour != colour;
  });
  return foreign;
}

// A random point is fit to play when it is legal, no self-atari and no own eye.
bool AcceptsRandomPoint(Decision& decision, const BoardPoint& point) {
  const bool keepsTwo = TrialKeepsTwoLiberties(decision, point);
  return keepsTwo && HasForeignNeighbour(decision.board, point, decision.colour);
}

// Draws empty points until one is fit to play and plays it; passes when none is.
void PlayRandomPointOrPass(Decision& decision) {
  Zere19r19& board = decision.board;
  EmptyPointList empty(board);
  while (empty.Count() > 0) {
    const int32_t k = RandomBelow(empty.Count());
    const BoardPoint* point = empty.Member(k);
    if (AcceptsRandomPoint(decision, *point)) {
      board.TryMove(point->column, point->row, decision.colour, true);
      return;
    }
    empty.Drop(k);
  }
  board.Pass(decision.colour);
}

// Runs the tactical rules in their order of precedence; best is set when one of them applies.
void FindTacticalMove(Decision& decision) {
  if (FindJointCapture(decision)) return;
  if (decision.ownLargest >= decision.enemyLargest) {
    FindEscape(decision);
  } else {
    FindCapture(decision);
  }
}

}  // namespace

void ComputerMove(Zere19r19& board, int32_t colour) {
  Decision decision{board, colour, nullptr, nullptr, 0, 0};
  decision.ownAtari = BuildAtariList(board, colour, decision.ownLargest);
  decision.enemyAtari = BuildAtariList(board, -colour, decision.enemyLargest);
  FindTacticalMove(decision);
  ReturnListToPool(board, decision.ownAtari);
  ReturnListToPool(board, decision.enemyAtari);
  if (decision.best != nullptr) {
    board.TryMove(decision.best->column, decision.best->row, colour, true);
    return;
  }
  PlayRandomPointOrPass(decision);
}

void ComputerReply(Zere19r19& board, int32_t colour) {
  const Zere19r19::gomove* newest = board.Newest();
  const bool opponentPassed = newest != nullptr && newest->column < 0 && newest->colour == -colour;
  if (opponentPassed && JudgePosition(board).Decided()) {
    board.Pass(colour);
    return;
  }
  ComputerMove(board, colour);
}
