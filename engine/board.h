// Zere19r19: the one game-state object of a game of Go on a square board of 2 x 2 to 19 x 19
// (19 x 19 unless Reset says otherwise), with moves, legality and take-back.
//
// Every stone is linked into its group's ring, every group keeps an exact liberty count, and every
// move or pass pushes a history record that holds what TakeBack needs to reverse it exactly. The
// computer player judges its candidates by playing them here and taking them back, so both are
// incremental and allocate nothing once the free lists hold enough records.
//
// The game state is public because the computer player, the area count and the status panel read
// the records directly; only the engine's own operations change stones, groups and history. The
// free lists, the indexes added to the records and the operations that moves and take-back are
// built of are the engine's own.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board_view.h"
#include "engine/pixel_geometry.h"
#include "engine/record_pool.h"
#include "engine/records.h"

class Zere19r19 {
 public:
  // One history record: a move or a pass, with what take-back needs to reverse it.
  struct gomove {
    int32_t colour;              // Colour that moved or passed.
    int32_t column;              // Column of the stone, -1 for a pass.
    int32_t row;                 // Row of the stone, -1 for a pass.
    StoneGroup* lastCaptured;    // The captured group of the highest direction, null if none.
    StoneGroup* captured[4];     // By direction: the enemy group removed through that neighbour.
    int32_t joinedStones[4];     // By direction: stones of the own group joined there; 0 = none.
    int32_t joinedLiberties[4];  // By direction: that group's liberties at the moment of joining.
    int32_t capturedStones;      // Total stones captured by this move.
    gomove* prev;                // The record below, null for the oldest; the free-list link.

   private:
    friend class Zere19r19;
    // By direction: the joined group's liberty set at the moment of joining, for take-back.
    PointSet joinedLibertySets[4];
  };

  // A board of BoardLines lines whose full-size grid has column 0 and row 0 at pixel (originX,
  // originY), drawing into view, or into nothing when view is null. The view must outlive the
  // board.
  explicit Zere19r19(BoardView* view = nullptr, int32_t originX = GridOriginX,
                     int32_t originY = GridOriginY);
  Zere19r19(const Zere19r19&) = delete;
  Zere19r19& operator=(const Zere19r19&) = delete;

  // ---- The game state others read, in this order ----
  BoardPoint points[BoardLines][BoardLines];  // points[column][row].
  int32_t moveCount;                          // Records in the history, moves and passes alike.
  gomove* history;  // Head record: prev = newest record, colour = its colour (or White).
  ColorRecord* colorRecord[3];  // By colour + 1: White's record, null, Black's record.
  BoardPoint* freeListNodes;  // The computer player's spare list records, linked through listNext.
  BoardPoint* emptyList;      // Head record of the computer player's empty-point list.

  // ---- Game operations ----

  // Starts a new game in place: empty board, empty history, counts 0, free lists empty. The
  // previous game's records are released, so nothing that pointed into them may be used again.
  void Reset();

  // Reset, and from now on the board has boardSize lines on each side (MinBoardLines..BoardLines),
  // its points at the pixels of that size's BoardGrid.
  void Reset(int32_t boardSize);

  // Lines on each side of the board.
  int32_t BoardSize() const { return boardSize_; }

  // True when (column, row) lies on this board.
  bool OnBoard(int32_t column, int32_t row) const { return ::OnBoard(column, row, boardSize_); }

  // Plays a stone of colour at a point of the board. True when the stone stays as the newest
  // record; false for an occupied point, suicide or an immediate single-stone ko recapture, which
  // leave no trace. With commit the change is drawn; without it the caller must TakeBack(false)
  // before trying anything else.
  bool TryMove(int32_t column, int32_t row, int32_t colour, bool commit);

  // Records a pass of colour and takes the last-move mark off the stone before it. Always succeeds.
  void Pass(int32_t colour);

  // Takes back the newest record exactly; with redraw the board view follows. Does nothing on an
  // empty history. Afterwards stones, rings, counts and liberties are as before the record, but a
  // group split off again is a fresh record at the front of its colour's list.
  void TakeBack(bool redraw);

  // True when colour may play the point now: a trial move taken back at once, drawing nothing.
  bool IsLegal(int32_t column, int32_t row, int32_t colour);

  // A list record for the computer player: the front of freeListNodes, or a new record owned by
  // the board when that list is empty. Its fields are the caller's to set.
  BoardPoint* TakeListNode() { return listNodePool_.Take<&BoardPoint::listNext>(freeListNodes); }

  // The colour due in alternate play: the opponent of the newest record's colour, Black on an
  // empty history.
  int32_t ColourToMove() const { return -history->colour; }

  // The colour at a point of the board: Black, White or Empty.
  int32_t ColourAt(int32_t column, int32_t row) const { return points[column][row].colour; }

  // Recounts the whole state from scratch against every invariant; returns "" when they all hold,
  // otherwise a description of the first violation found. Play never calls it.
  std::string CheckConsistency() const;

  // The record of colour (Black or White).
  ColorRecord& Record(int32_t colour) const { return *colorRecord[colour + 1]; }

  // The newest history record, null when the history is empty.
  gomove* Newest() const { return history->prev; }

 private:
  // ---- The engine's own free lists ----
  StoneGroup* freeGroups;  // Free group records, linked through next.
  StoneNode* freeStones;   // Free stone records, linked through next.
  gomove* freeMoves;       // Free history records, linked through prev.

  // ---- Record operations used by moves and take-back ----

  // Puts a new stone in a new one-stone group at the point, whose colour the caller already set.
  void PlaceStone(int32_t column, int32_t row, int32_t colour);

  // Makes a one-stone group at the front of colour's list around the stone at the point.
  StoneGroup* NewGroup(int32_t column, int32_t row, int32_t colour);

  // Splices group out of colour's list (it must be there), sets its next to link, returns it.
  StoneGroup* UnlinkGroup(StoneGroup* group, int32_t colour, StoneGroup* link);

  // One direction of TryMove: joins, or charges a liberty to and maybe captures, the neighbour.
  void JoinNeighbour(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow, int32_t direction);

  // Sets the exact liberty count of the group of the stone at the point: the size of its set.
  void CountLiberties(int32_t column, int32_t row);

  // Erases from the picture every stone the newest record captured.
  void EraseCaptured();

  // Pushes a history record for a move or a pass of colour; a stone counts on the board from now.
  void PushMove(int32_t column, int32_t row, int32_t colour);

  // Pops the newest history record onto the free list; the model's stones are the caller's duty.
  void PopMove();

  // One direction of TakeBack: restores the group captured there and splits off the group joined.
  void UndoNeighbour(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow, int32_t direction);

  // Gives each enemy group next to the stone at the point back the liberty the point becomes.
  void ReturnLiberties(int32_t column, int32_t row);

  // ---- Their helpers ----

  // True when the record's move joined at least one own group (stone counts are never negative).
  static bool JoinedAny(const gomove& move) {
    return (move.joinedStones[0] | move.joinedStones[1] | move.joinedStones[2] |
            move.joinedStones[3]) != 0;
  }

  // A group record from freeGroups, or a new one when the list is empty; its fields are unset.
  StoneGroup* TakeGroupRecord();

  // Puts replacement where group stands in colour's list; group must be there.
  void ReplaceGroup(StoneGroup* group, StoneGroup* replacement, int32_t colour);

  // Links group in front of colour's list.
  void PushGroup(StoneGroup* group, int32_t colour);

  // The link that points at group in colour's list: its predecessor's next or the list head.
  StoneGroup** SlotOf(StoneGroup* group, int32_t colour);

  // Points every stone of the ring through start at group, stopping at one that already does.
  void Relabel(StoneNode* start, StoneGroup* group);

  // Joins the group of other into the group of the new stone, which is first in its colour's
  // list, and merges the rings. Only the smaller ring is relabelled: when the joined group is
  // the larger, its record becomes the whole and the new stone's record is freed instead.
  void MergeGroups(StoneNode* stone, StoneNode* other);

  // Undoes the MergeGroups of other's group (stones and liberties as recorded at the join) after
  // the rings were split; restStones is what stays with the new stone. The group split off goes
  // to the front of its colour's list.
  void SplitGroup(StoneNode* stone, StoneNode* other, int32_t stones, int32_t liberties,
                  const PointSet& libertySet, int32_t restStones);

  // JoinNeighbour's join: records the group of other, unless it is the new stone's already, and
  // merges it into the new stone's group.
  void JoinGroup(StoneNode* stone, StoneNode* other, int32_t direction);

  // JoinNeighbour's enemy neighbour: takes the liberty once per move and captures the group of
  // other when that was its last, recording the capture in the newest record.
  void ChargeEnemyGroup(StoneNode* stone, StoneNode* other, int32_t direction);

  // UndoNeighbour's capture: puts the group back on the board at the front of its colour's list.
  void RestoreCaptured(StoneGroup* captured);

  // UndoNeighbour's join: splits the rings and gives the joined stones their group back.
  void SplitJoined(int32_t column, int32_t row, int32_t ncolumn, int32_t nrow, int32_t direction);

  // CheckConsistency's part for what only the engine keeps: the back links of the group lists and
  // the liberty sets. Runs on a board that passed the rest of the check; "" when they hold.
  std::string CheckGroupIndexes() const;

  // The liberties of an on-board group, found from scratch by walking its ring.
  PointSet LibertiesOf(const StoneGroup& group) const;

  // Adds delta, +1 or -1, to the liberties of each distinct group of colour with a stone next to
  // the point, which becomes or stops being one of their liberties.
  void AdjustAdjacentGroups(int32_t column, int32_t row, int32_t colour, int32_t delta);

  // Works out the pixels of the lines of the board's size, which Reset gives the points.
  void PlaceGrid();

  BoardView* view_;
  int32_t boardSize_ = BoardLines;  // Lines on each side; points beyond them are OffBoard.
  int32_t originX_;                 // Pixel of column 0, row 0 of the full-size grid.
  int32_t originY_;
  // By column and by row, the pixel x and y of its line on a board of this size; kept so that
  // the many Resets of the judgement's playouts never work them out again.
  int32_t columnPixels_[BoardLines];
  int32_t rowPixels_[BoardLines];
  RecordPool<StoneNode> stonePool_;
  RecordPool<StoneGroup> groupPool_;
  RecordPool<gomove> movePool_;
  RecordPool<ColorRecord> colourPool_;
  RecordPool<BoardPoint> listNodePool_;
};
