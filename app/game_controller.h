// The game controller: turns the board click, the three buttons and the Game menu into moves,
// passes and take-backs, lets the computer answer for the colours it plays, and brings the status
// panel up to date after every command. It knows the window only as a board canvas and a status
// panel, so tests drive it with plain calls.
//
// Scoring: once a game has ended (two passes in a row, or the computer's game against itself is
// over) the controller holds a judgement of the position, shows its result with the game's komi
// and lets board clicks turn groups dead or alive. Every other command judges afresh: the
// judgement is dropped, and made anew when the game still stands ended.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/board_picture.h"
#include "display/status_panel.h"
#include "engine/board.h"
#include "scoring/judgement.h"
#include "sgf/game_record.h"

// The play modes. Only the first three are ever tested: in the others the two computer flags
// alone decide what a command does.
enum PlayModes : int32_t {
  BlackStonesOnly = 1,  // Every click places Black, Pass passes for Black.
  WhiteStonesOnly = 2,  // Every click places White, Pass passes for White.
  AlternatePlay = 3,    // Clicks and Pass are for the next colour.
  ComputerBlack = 4,    // The person plays White, the computer answers as Black.
  ComputerWhite = 5,    // The person plays Black, the computer answers as White.
  ComputerBoth = 6,     // Exists only while the computer plays against itself.
};

// The most moves one run of the computer against itself may play; it ends long before on any
// real game, but the bound guarantees that the command returns.
inline constexpr int32_t ComputerGameMoveLimit = 2000;

class GameController {
 public:
  // Start-up after the pictures are prepared: both computer flags clear, alternate play with
  // Black in turn, the one board drawing into canvas, a new game and the first status update.
  // canvas and panel must outlive the controller.
  GameController(BoardCanvas& canvas, StatusPanel& panel);
  GameController(const GameController&) = delete;
  GameController& operator=(const GameController&) = delete;

  // ---- Commands; each ends with UpdateStatus ----

  // Board click at (x, y) in the board picture's pixels: a stone on the nearest intersection for
  // the mode's colour; when the computer plays the other colour and the stone stands, its answer.
  // While the game is scored, the click turns the group on that intersection dead or alive
  // instead, and a click on an empty intersection does nothing.
  void Image1MouseDown(int32_t x, int32_t y);
  // Pass, and the computer's answer when it plays: a pass too when the game is decided.
  void Button1Click();
  void Button2Click();  // Undo: one record, or two when the computer plays.
  void Button3Click();  // Clear All: a new game in the same mode.
  void pbsoClick();     // "Placing black stones only".
  void pwsoClick();     // "Placing White stones only".
  void cwbcClick();     // "Let's begin to play go!": alternate play.
  void ctbClick();      // "Computer takes Black !": answers at once when Black is due.
  void ctwClick();      // "Computer takes White !": answers at once when White is due.
  // "Computer takes both colors!": the computer plays both colours until the position is settled
  // with at least three records, two passes end the game, the watcher asks to stop or the move
  // limit is reached; then alternate play.
  void ctbwClick();

  // Game > "Komi...": komi, which UsableKomi must accept, for this game and every new game
  // started after it; a game being scored shows its new result at once.
  void SetKomi(double komi);

  // A fresh board picture, an empty board without setup stones, Black in turn and the komi of a
  // game without handicap, or the one the player set.
  void NewGame();

  // Judges the game when it has ended (two passes in a row, or the computer's game against itself
  // is over) and drops any judgement otherwise; then forces the side in turn of the one-colour
  // modes and rewrites the status panel, with the judged result, marks and dead stones when
  // scoring; recomputes BoardSettled.
  void UpdateStatus();

  // ---- Game records ----

  // Replays record as the game on the board: its setup stones, which Undo never takes back, then
  // its moves, in alternate play with the side in turn following the record; its komi, which
  // UsableKomi must accept, or else the one its handicap calls for. A record that ends with two
  // passes is scored at once. A record the rules refuse anywhere leaves the game exactly as it
  // was and returns why.
  std::optional<sgf::Failure> OpenGame(const sgf::GameRecord& record);
  // The game on the board as a record, with its komi, its result while it is scored and the game
  // information of the record it was opened from.
  sgf::GameRecord RecordOfGame() const;

  // Called after every move the computer plays against itself, once the panel shows it; returning
  // true stops the game there. Without a watcher the game runs to its end.
  void SetComputerGameWatcher(std::function<bool()> watcher) { watcher_ = std::move(watcher); }
  // Called when a board click places no stone: the point is taken or the rules refuse the move.
  void SetRefusedClickSignal(std::function<void()> signal) { refusedClick_ = std::move(signal); }

  // ---- Queries ----

  const Zere19r19& Board() const { return board_; }
  int32_t PlayMode() const { return playMode_; }  // One of PlayModes.
  // Whether the last UpdateStatus found every region next to both colours' stones their own.
  bool BoardSettled() const { return boardSettled_; }
  int32_t SideToMove() const { return sideToMove_; }  // The colour shown in turn.
  double Komi() const { return komi_; }               // Points given to White in this game.

 private:
  int32_t LastColour() const { return -board_.ColourToMove(); }
  bool ComputerPlays() const { return computerTakesBlack_ || computerTakesWhite_; }

  // Sets the side shown in turn after a command that played or took back a move.
  void ApplyTurnRule();
  // The colour a click places or Pass passes for in modes 1 to 3; Empty in the computer modes.
  int32_t ModeColour() const;
  // Gives colour to the computer and the other colour to the person.
  void LetComputerTake(int32_t colour);
  // Lets the computer answer for colour at once when colour is due: the newest record is the
  // other colour's (a pass answered by a pass when the game is decided) or, on an empty history,
  // colour is shown in turn.
  void AnswerIfDue(int32_t colour);
  // Switches to one of the modes in which people place every stone.
  void SetPersonMode(int32_t mode);
  // Takes back the newest record unless it is a setup stone.
  void TakeBackAboveSetup();
  // Rewrites the status panel from the board and, while scoring, the judgement as it stands.
  void ShowStatus();

  BoardCanvas& canvas_;
  StatusPanel& panel_;
  const int32_t boardSize_ = BoardLines;  // Bounds the nearest-point search.
  int32_t playMode_ = AlternatePlay;
  bool computerTakesBlack_ = false;
  bool computerTakesWhite_ = false;
  bool boardSettled_ = false;  // Written only by UpdateStatus.
  // Display state: no command takes the colour it plays from it, except the two "Computer takes"
  // commands on an empty history.
  int32_t sideToMove_ = Black;
  Zere19r19 board_;
  sgf::SetupInfo setup_;  // The opened record's setup stones at the bottom of the history.
  double komi_ = 0.0;     // This game's points given to White; set by NewGame and OpenGame.
  std::optional<double> chosenKomi_;  // The komi the player last set; new games start with it.
  std::vector<std::pair<std::string, std::string>> info_;  // The opened record's game information.
  bool announceResult_ = false;  // The computer's game has just ended; cleared by UpdateStatus.
  std::optional<Judgement> judgement_;  // Of the board's position, while the ended game is scored.
  std::function<bool()> watcher_;
  std::function<void()> refusedClick_;
};

// False exactly when the newest record is a pass and it is the only record or follows a pass.
bool GameContinues(const Zere19r19& board);

// True when the two newest records are passes: the game has ended.
bool TwoPassesEnded(const Zere19r19& board);
