// Seeded random play for the engine's benchmarks.
//
// Uniformly random moves on a 19 x 19 board seldom fight, so most tries land next to the latest
// stones, and a capture is often answered inside the hole it left: that is where kos, snapbacks
// and suicides come from.
#pragma once

#include <cstdint>
#include <random>

#include "engine/board.h"

struct PointToTry {
  int32_t column;
  int32_t row;
};

// The square of the board a game plays in.
struct PlayArea {
  int32_t left;
  int32_t top;
  int32_t size;
};

// What a stone of colour at an empty point would capture and touch, judged from its neighbours.
struct CaptureShape {
  int32_t capturedStones = 0;  // In the enemy groups whose last liberty the point is.
  int32_t capturingSides = 0;  // Neighbours belonging to those groups.
  int32_t emptySides = 0;
  int32_t ownSides = 0;
};

CaptureShape ShapeOfCapture(const Zere19r19& board, int32_t column, int32_t row, int32_t colour);

class RandomPlay {
 public:
  explicit RandomPlay(uint32_t seed) : generator_(seed) {}

  // A number in 0..n-1; 0 when n is 0.
  uint32_t Below(uint32_t n);

  // True with probability percent / 100.
  bool Percent(uint32_t percent) { return Below(100) < percent; }

  // A point of the area to try next on this board, biased towards the fight.
  PointToTry ChoosePoint(const Zere19r19& board, const PlayArea& area);

 private:
  PointToTry UniformPoint(const PlayArea& area);
  bool PointInLastCapture(const Zere19r19& board, PointToTry& point);
  enum class Capture { None, Plain, InvitingSnapback };

  // An empty point where the colour to move would capture, scanning from a random start and
  // preferring a capture that leaves the capturing stone to be taken back in a snapback.
  Capture CapturingPoint(const Zere19r19& board, const PlayArea& area, PointToTry& point);
  bool PointNearRecentStone(const Zere19r19& board, const PlayArea& area, PointToTry& point);

  std::mt19937 generator_;
};

// Plays count legal moves of alternating colours at uniformly random points of the whole board:
// mid-game positions for benchmarks. Stops early if moves keep being refused.
void PlayUniformRandomMoves(Zere19r19& board, uint32_t seed, int count);

// The same with the points chosen as ChoosePoint does, which makes larger groups and more fights.
void PlayFightingMoves(Zere19r19& board, uint32_t seed, int count);
