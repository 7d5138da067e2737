// The game controller: turns the board click, the three buttons and the Game menu into moves,
// passes and take-backs, lets the opponents (the built-in computer player, GTP engines) answer for
// the colours they play, and brings the status panel up to date after every command. It knows the
// window only as a board canvas and a status panel, so tests drive it with plain calls.
//
// Who plays each colour: a person at the screen, or an opponent. The built-in player answers
// within the command; an engine answers later, and meanwhile the controller is waiting for it:
// board clicks and Pass are refused, every other command works and cancels the wait where it
// changes the game. Two opponents play each other at the chosen pace until the game ends or
// StopOpponentGame.
//
// The game is a tree (sgf/game_path.h): every move played joins it, Undo and the looking-through
// commands only move along it, so a move played at an earlier point starts a new variation and
// the old line stays.
//
// Scoring: once a game has ended (two passes in a row, or the computer's game against itself is
// over) the controller holds a judgement of the position, shows its result with the game's komi
// and lets board clicks turn groups dead or alive. Every other command judges afresh: the
// judgement is dropped, and made anew when the game still stands ended.
#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/opponents/opponent.h"
#include "display/board_picture.h"
#include "display/status_panel.h"
#include "engine/board.h"
#include "scoring/judgement.h"
#include "scoring/komi.h"
#include "sgf/game_path.h"
#include "sgf/game_record.h"
#include "sgf/game_tree.h"
#include "sgf/replay.h"

// The play modes, as PlayMode() reports who plays each colour.
enum PlayModes : int32_t {
  BlackStonesOnly = 1,  // Every click places Black, Pass passes for Black.
  WhiteStonesOnly = 2,  // Every click places White, Pass passes for White.
  AlternatePlay = 3,    // Clicks and Pass are for the next colour.
  ComputerBlack = 4,    // The person plays White, an opponent answers as Black.
  ComputerWhite = 5,    // The person plays Black, an opponent answers as White.
  ComputerBoth = 6,     // Opponents play both colours.
};

// Who plays one colour.
struct Seat {
  enum Kind { Person, Computer, Engine };
  Kind kind = Person;
  QString commandLine;  // The engine's program and arguments; only for Engine.
};

// What the New Game dialog and the command line choose.
struct GameChoice {
  Seat black;
  Seat white;
  int32_t handicap = 0;  // 0, or 2 up to the board's MostFixedHandicap stones on the fixed points.
  double komi = EvenGameKomi;      // Must be a komi UsableKomi accepts.
  int32_t boardSize = BoardLines;  // Lines on each side, MinBoardLines..BoardLines.
};

// The most moves one run of the computer against itself, or one game between two opponents, may
// play; it ends long before on any real game, but the bound guarantees that the game ends.
inline constexpr int32_t ComputerGameMoveLimit = 2000;

class GameController {
 public:
  // Start-up after the pictures are prepared: people play both colours, taking turns with Black
  // in turn, the one board drawing into canvas, a new game and the first status update.
  // canvas and panel must outlive the controller.
  GameController(BoardCanvas& canvas, StatusPanel& panel);
  ~GameController();
  GameController(const GameController&) = delete;
  GameController& operator=(const GameController&) = delete;

  // ---- Commands; each ends with UpdateStatus ----

  // Board click at (x, y) in the board picture's pixels: a stone on the nearest intersection for
  // the person's colour; when an opponent plays the other colour and the stone stands, its answer.
  // Refused while waiting for an engine or after a resignation.
  // While the game is scored, the click turns the group on that intersection dead or alive
  // instead, and a click on an empty intersection does nothing.
  void Image1MouseDown(int32_t x, int32_t y);
  // Pass, and the computer's answer when it plays: a pass too when the game is decided.
  void Button1Click();
  // Undo: steps back over one move, or two when an opponent plays (the person's move and its
  // answer); only the person's move while an engine is still thinking about it. The moves stay in
  // the tree for Redo.
  void Button2Click();
  void Button3Click();  // Clear All: a new game with the same players.
  void pbsoClick();     // "Placing black stones only".
  void pwsoClick();     // "Placing White stones only".
  void cwbcClick();     // "Let's begin to play go!": alternate play.
  void ctbClick();      // "Computer takes Black !": answers at once when Black is due.
  void ctwClick();      // "Computer takes White !": answers at once when White is due.
  // "Computer takes both colors!": the computer plays both colours until the position is settled
  // with at least three records, two passes end the game, the watcher asks to stop or the move
  // limit is reached; then alternate play.
  void ctbwClick();

  // Game > "New Game...": a new game on choice's board with its players, handicap and komi; an
  // opponent due to move is asked at once. Engines no longer chosen are let go.
  void StartGame(const GameChoice& choice);
  // Game > "Resign": the person in turn (the one person facing an opponent) gives up the game.
  void Resign();
  // Escape: when opponents play both colours, people take both over and the game stays.
  void StopOpponentGame();
  // How long a game between two opponents shows each move before the next, in milliseconds.
  void SetOpponentPace(int milliseconds) { paceTimer_.setInterval(milliseconds); }

  // Game > "Komi...": komi, which UsableKomi must accept, for this game and every new game
  // started after it; a game being scored shows its new result at once.
  void SetKomi(double komi);

  // ---- Looking through the game ----
  // Each leaves the tree as it is, drops the wait for an engine and stops a game between two
  // opponents (people take both colours over); the board, the counters, the marks and the side in
  // turn follow. A step into a move the rules or the game's length refuse stops there, with the
  // reason in the panel.

  void GoBack();     // One node back, not above the setup stones.
  void GoForward();  // One node forward along the line.
  void GoFirst();    // Back to the setup stones alone.
  void GoLast();     // Forward to the end of the line.
  // At a node with variations, makes the next (step 1) or the previous (step -1) one the line
  // Forward follows; the position stays.
  void ChooseVariation(int32_t step);
  // Redo: plays again along the line the moves Undo took back, one, or two when an opponent
  // plays; an opponent due at the end of the line then answers.
  void Redo();

  // A fresh board picture, an empty board of boardSize lines without setup stones, Black in turn
  // and the komi of a game without handicap, or the one the player set.
  void NewGame(int32_t boardSize);

  // Judges the game when it has ended (two passes in a row, or the computer's game against itself
  // is over) and drops any judgement otherwise; then forces the side in turn of the one-colour
  // modes and rewrites the status panel, with the judged result, marks and dead stones when
  // scoring; recomputes BoardSettled.
  void UpdateStatus();

  // ---- Game records ----

  // Takes tree as the game and replays its main line on a board of its size: its setup stones,
  // which Undo never takes back, then its moves, with the same players (engines are put on it, an
  // opponent due to move is asked) and the side in turn following the record, leaving any placing
  // mode; its komi, which UsableKomi must accept, or else the one its handicap calls for. A record
  // that ends with two passes is scored at once. A record the rules refuse anywhere leaves the game
  // exactly as it was and returns why.
  std::optional<sgf::Failure> OpenGame(sgf::GameTree tree);
  // The line on the board as a record, with its komi, its result while it is scored and the game
  // information of the record it was opened from.
  sgf::GameRecord RecordOfGame() const;
  // The whole game to save, as SGF: the tree it was opened from or started as with every move
  // played since, its komi and, while scored or resigned, its result.
  std::string GameText() const;

  // Whether the game has a node besides its root, that is, anything to lose.
  bool HasMoves() const { return path_.Tree().nodes.size() > 1; }

  // Called after every move the computer plays against itself, once the panel shows it; returning
  // true stops the game there. Without a watcher the game runs to its end.
  void SetComputerGameWatcher(std::function<bool()> watcher) { watcher_ = std::move(watcher); }
  // Called when a board click places no stone: the point is taken or the rules refuse the move.
  void SetRefusedClickSignal(std::function<void()> signal) { refusedClick_ = std::move(signal); }
  // Called when an engine fails, with its name and what happened, once it has been let go.
  void SetEngineFailedSignal(std::function<void(const QString&, const QString&)> signal) {
    engineFailed_ = std::move(signal);
  }

  // ---- Queries ----

  const Zere19r19& Board() const { return board_; }
  int32_t PlayMode() const;  // One of PlayModes.
  Seat::Kind SeatOf(int32_t colour) const;
  // The colour whose engine is thinking about its move, Empty when none is.
  int32_t Waiting() const { return waiting_; }
  // Whether the last UpdateStatus found every region next to both colours' stones their own.
  bool BoardSettled() const { return boardSettled_; }
  int32_t SideToMove() const { return sideToMove_; }  // The colour shown in turn.
  // The move number shown: the history records above the setup stones.
  int32_t MoveNumber() const { return board_.moveCount - setup_.records; }
  double Komi() const { return komi_; }  // Points given to White in this game.

 private:
  int32_t NextColour() const { return sgf::ColourToMove(board_, setup_); }
  // The opponent playing colour, or nullptr for a person.
  Opponent* OpponentOf(int32_t colour) const { return opponents_[colour == Black ? 0 : 1].get(); }
  bool Plays(int32_t colour) const { return OpponentOf(colour) != nullptr; }
  bool AnyEngine() const;

  // Sets the side shown in turn after a command that played or took back a move.
  void ApplyTurnRule();
  // The colour a click places or Pass passes for: the placing mode's colour, the one colour no
  // opponent plays, or the next colour; Empty when opponents play both.
  int32_t PersonColour() const;
  // Gives colour to the built-in player and the other colour to a person.
  void LetComputerTake(int32_t colour);
  // Lets colour's opponent answer at once when colour is due: the newest record is the other
  // colour's (a pass answered by a pass when the game is decided) or, on an empty history,
  // colour is shown in turn.
  void AnswerIfDue(int32_t colour);
  // Switches to one of the modes in which people place every stone.
  void SetPersonMode(int32_t mode);
  // Puts seat in colour's place: a new opponent on the game as it stands, or a person.
  void SetSeat(int32_t colour, const Seat& seat);
  // Asks colour's opponent for its move: played at once by the built-in player, waited for from
  // an engine.
  void Ask(int32_t colour, bool replying);
  // Plays a move on the board and into the tree. Returns why the rules or the game's length
  // refuse it; the latter is shown in the panel as well.
  std::optional<sgf::Failure> PlayMove(const sgf::Move& move);
  // Plays move on the board alone; why the rules or the game's length refuse it.
  std::optional<sgf::Failure> PlayOnBoard(const sgf::Move& move);
  // True when no move can be added: the history or the tree is as long as a game may be.
  bool GameFull() const;
  std::optional<sgf::Move> CurrentMove() const;  // The move of the current node, if it has one.
  // One node back or forward along the path, the board following; false when there is none or
  // the step is refused.
  bool StepBack();
  bool StepForward();
  void TakeBackMove();    // Steps back over the line's newest move, not below the setup stones.
  bool ForwardOneMove();  // Steps forward over the line's next move; false when there is none.
  // Prepares for looking through the game, takes step up to steps times, then shows the result.
  void Navigate(bool (GameController::*step)(), int32_t steps);
  // The result the controller holds: a resignation, or the judgement's score; "" for none.
  std::string Result() const;
  // The current node's comment, after the variation Forward follows where there are several.
  QString NotesText() const;
  // The engine marks the newest record, which at the setup's floor is a setup stone: unmarked.
  void UnmarkSetupStone();
  // Drops the wait for an engine's answer.
  void CancelWait();
  // An opponent's answer to Ask arrives: played through the rules, then shown.
  void OpponentMoved(int32_t colour, const OpponentMove& move);
  // colour's engine failed: it is let go, a person plays colour, the game stays as it was.
  void EngineFailed(int32_t colour, const QString& what);
  // In a game between two opponents, asks the next one after the pace's pause unless it ended.
  void KeepOpponentsPlaying();
  void NextOpponentMove();
  bool GameOver() const;  // Resigned, or ended by two passes.
  // Rewrites the status panel from the board and, while scoring, the judgement as it stands.
  void ShowStatus();
  // The mode caption when an engine plays: the players' names.
  QString EngineCaption() const;

  // Lets an opponent go once its own signal has returned.
  struct LaterDeleter {
    void operator()(Opponent* opponent) const;
  };

  BoardCanvas& canvas_;
  StatusPanel& panel_;
  int32_t placing_ = Empty;  // Black or White in the one-colour placing modes, otherwise Empty.
  // Black's and White's opponents; none where a person plays.
  std::array<std::unique_ptr<Opponent, LaterDeleter>, 2> opponents_;
  int32_t waiting_ = Empty;    // The colour whose engine's answer is awaited, Empty when none is.
  int32_t resigned_ = Empty;   // The colour that resigned this game, Empty when none has.
  QTimer paceTimer_;           // Runs between the moves of a game between two opponents.
  int32_t opponentMoves_ = 0;  // Moves played in a row by two opponents; bounds their game.
  bool boardSettled_ = false;  // Written only by UpdateStatus.
  // Display state: no command takes the colour it plays from it, except the two "Computer takes"
  // commands on an empty history.
  int32_t sideToMove_ = Black;
  Zere19r19 board_;
  sgf::SetupInfo setup_;  // The opened record's setup stones at the bottom of the history.
  sgf::GamePath path_;    // The game's tree and the node the board shows.
  QString notice_;        // Why the last command refused a move; shown until the next update.
  double komi_ = 0.0;     // This game's points given to White; set by NewGame and OpenGame.
  std::optional<double> chosenKomi_;  // The komi the player last set; new games start with it.
  std::vector<std::pair<std::string, std::string>> info_;  // The opened record's game information.
  bool announceResult_ = false;  // The computer's game has just ended; cleared by UpdateStatus.
  std::optional<Judgement> judgement_;  // Of the board's position, while the ended game is scored.
  std::function<bool()> watcher_;
  std::function<void()> refusedClick_;
  std::function<void(const QString&, const QString&)> engineFailed_;
};

// False exactly when the newest record is a pass and it is the only record or follows a pass.
bool GameContinues(const Zere19r19& board);

// True when the two newest records are passes: the game has ended.
bool TwoPassesEnded(const Zere19r19& board);
