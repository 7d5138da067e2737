// The engine against a naive reference board over seeded random games: every attempted move must
// be accepted or refused alike, and afterwards the positions, counts and every group's liberties
// must agree.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/board.h"
#include "tests/engine/random_play.h"
#include "tests/engine/reference_board.h"
#include "tests/support/diagram.h"

namespace {

constexpr int kGames = 80;
constexpr int kStepsPerGame = 400;

using Outcome = ReferenceBoard::Outcome;

// "" when the engine's board shows the reference's position with the same counts.
std::string Disagreement(const Zere19r19& board, const ReferenceBoard& reference) {
  const auto liberties = reference.LibertiesOfEveryChain();
  for (int32_t c = 0; c < BoardLines; ++c) {
    for (int32_t r = 0; r < BoardLines; ++r) {
      const auto at = [c, r] { return "(" + std::to_string(c) + ", " + std::to_string(r) + ")"; };
      const BoardPoint& point = board.points[c][r];
      if (point.colour != reference.At(c, r)) {
        return "colour at " + at() + ": engine " + std::to_string(point.colour) + ", reference " +
               std::to_string(reference.At(c, r));
      }
      if (point.colour == Empty) continue;
      const int32_t expected = liberties[ReferenceBoard::Index(c, r)];
      if (point.stone->group->liberties != expected) {
        return "liberties of the group at " + at() + ": engine " +
               std::to_string(point.stone->group->liberties) + ", reference " +
               std::to_string(expected);
      }
    }
  }
  if (board.moveCount != reference.Records()) return "moveCount differs";
  if (board.Record(Black).stonesOnBoard != reference.Stones(Black)) return "Black's stones differ";
  if (board.Record(White).stonesOnBoard != reference.Stones(White)) return "White's stones differ";
  const int32_t captured = board.Newest() != nullptr ? board.Newest()->capturedStones : 0;
  if (captured != reference.NewestCaptured()) return "stones captured by the newest record differ";
  return "";
}

struct Tally {
  int legal = 0;
  int occupied = 0;
  int suicides = 0;
  int kos = 0;
};

TEST(RulesAgainstReference, RandomGamesAgreeMoveByMove) {
  Tally tally;
  const int games = ScaledCount(kGames);
  for (int seed = 1; seed <= games; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomPlay play(static_cast<uint32_t>(1000 + seed));
    const PlayArea area = play.ChooseArea();
    Zere19r19 board;
    ReferenceBoard reference;
    for (int step = 0; step < kStepsPerGame; ++step) {
      const uint32_t roll = play.Below(100);
      if (roll < 90) {
        const PointToTry p = play.ChoosePoint(board, area);
        const int32_t colour = play.ChooseColour(board);
        const Outcome expected = reference.Play(p.column, p.row, colour);
        const bool legal = board.TryMove(p.column, p.row, colour, play.Percent(50));
        ASSERT_EQ(legal, expected == Outcome::kLegal)
            << "step " << step << ": " << (colour == Black ? "Black" : "White") << " at ("
            << p.column << ", " << p.row << "), reference outcome " << static_cast<int>(expected)
            << "\n"
            << Diagram(board);
        tally.legal += expected == Outcome::kLegal ? 1 : 0;
        tally.occupied += expected == Outcome::kOccupied ? 1 : 0;
        tally.suicides += expected == Outcome::kSuicide ? 1 : 0;
        tally.kos += expected == Outcome::kKo ? 1 : 0;
      } else if (roll < 93) {
        board.Pass(play.ChooseColour(board));
        reference.Pass();
      } else {
        board.TakeBack(play.Percent(50));
        reference.Undo();
      }
      ASSERT_EQ(board.CheckConsistency(), "") << "step " << step;
      ASSERT_EQ(Disagreement(board, reference), "") << "step " << step << "\n" << Diagram(board);
    }
  }
  std::printf("legal %d, occupied %d, suicides %d, kos %d\n", tally.legal, tally.occupied,
              tally.suicides, tally.kos);
  EXPECT_GT(tally.suicides, 0);
  EXPECT_GT(tally.kos, 0);
}

}  // namespace
