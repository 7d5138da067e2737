// TForm1, the main window: the board, the status panel on the right and at the top, the three
// buttons and the File, Game, View and Help menus. It forwards every command to the game
// controller and shows what the controller reports.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "app/board_image.h"
#include "app/client_area.h"
#include "app/game_controller.h"
#include "display/board_picture.h"
#include "display/status_panel.h"

class InputBlocker;
class QCloseEvent;

// How long the computer's game against itself shows each move before the next, in milliseconds.
enum ComputerGamePace : int32_t {
  SlowPace = 1000,
  NormalPace = 250,  // A few moves a second: the pace at start.
  FastestPace = 0,   // Each move is drawn, then the next follows at once.
};

class TForm1 final : public QMainWindow, public StatusPanel {
  Q_OBJECT

 public:
  // Builds the window and runs its start-up: the five pictures (from the current directory, else
  // from pictureFolder), the random generator seeded from the clock, the game controller with its
  // first game and status. Throws PictureError when a picture cannot be read.
  explicit TForm1(const QString& pictureFolder);
  ~TForm1() override;

  // The windows that "Rules of Go", "About the program" and "How to ..." show; they must outlive
  // this one.
  void AttachHelpWindows(QWidget* rulesWindow, QWidget* aboutBox, QWidget* howToWindow);

  GameController& Controller() { return *controller_; }
  const BoardCanvas& Canvas() const { return canvas_; }

  // Replays the game recorded in path on the board; a file that is not a usable record, or not
  // a regular file, is reported in a message box naming it and the reason, and the game stays as
  // it was. The game opened counts as saved.
  bool OpenGameFile(const QString& path);
  // Writes the game to path as SGF; a failure is reported in a message box and harms no file.
  bool SaveGameFile(const QString& path);
  // Starts the game chosen on the command line or in the New Game dialog; it counts as saved.
  void StartGame(const GameChoice& choice);
  // Whether the game has moves and differs from the one last opened, saved or started.
  bool GameUnsaved() const;

  // ---- StatusPanel ----
  void ShowTurnStone(int32_t colour) override;
  void ShowMoveNumber(const QString& text) override;
  void ShowBlackPoints(const QString& text) override;
  void ShowWhitePoints(const QString& text) override;
  void ShowModeCaption(const QString& text) override;
  void ShowPassMessage(const QString& text) override;
  void ShowPointMarks(const PointMarks& marks) override;
  void ShowDeadStones(const PointMarks& dead) override;

 protected:
  // Closing the window asks first whether to save a game not saved.
  void closeEvent(QCloseEvent* event) override;
  // Below the board, in a room the window grows by while the game holds notes.
  void ShowNotes(const QString& text, bool gameHasNotes) override;

 private:
  void CreateMenus();      // The four menus, with their items' object names.
  void CreateFileMenu();   // "Open Game...", "Save Game As..." and "Quit", with their shortcuts.
  void CreatePaceMenu();   // The Game menu's "Pace" choices.
  void CreateGameItems();  // The Game menu's "New Game..." and "Resign", and Escape.
  void CreateControls();   // The labels, texts, board and buttons at their places.
  // The Move menu: Undo and Redo, and looking through the game, with their keys.
  void CreateMoveMenu();
  void CreateNotesArea();  // The comment area below the board, hidden at first.
  void ConnectCommands();  // Every control and menu item to its command.
  // The creation handler: pictures, random seed, the controller's start-up.
  void FormCreate(const QString& pictureFolder);

  // Connects a menu item to a controller command.
  void ConnectCommand(QAction* item, void (GameController::*command)());
  // Connects a button to a controller command.
  void ConnectCommand(QPushButton* button, void (GameController::*command)());
  // Runs a controller command, reporting an escaping error, and shows the board as it now is.
  void RunBoardCommand(void (GameController::*command)());
  // "Computer takes both colors!" (ctbwClick), with all input but Escape held off until it ends.
  void PlayComputerGame();
  // Shows the move just played at once; true when the user asked to stop.
  bool WatchComputerGame();

  void AskKomi();     // Game > "Komi...": asks for the komi of this game and the next ones.
  void AskNewGame();  // Game > "New Game...": asks who plays, the handicap and the komi.
  // Shows, once the engine's own signal has returned, that the engine named name failed.
  void ReportEngineFailure(const QString& name, const QString& what);
  // File > "Open Game...": asks whether to save a game not saved, then for a file, and opens it.
  void OpenGame();
  // Reads the record in path and opens its game; why it could not, or an empty text. The file's
  // copy of the record is gone once it returns.
  QString OpenGameIn(const QString& path);
  // File > "Save Game As...": asks for a file and saves the game there; false when the player
  // cancels or the save fails.
  bool SaveGameAs();
  // Asks whether to save the game before it is thrown away, when it is not saved; true when it
  // may go: saved, discarded or nothing to lose.
  bool MayDiscardGame();
  void NoteGameSaved();  // The game as it stands now counts as saved.
  // Clear All (Button3Click), once a game not saved may go.
  void ClearAll();
  // Shows why the game in path could not be opened or saved: message with the path for %1 and
  // the reason for %2.
  void ReportFileFailure(const QString& message, const QString& path, const QString& reason);

  void rulesClick();  // Help > "Rules of Go": shows the Rules window in front.
  void aboutClick();  // Help > "About the program": shows the About dialog in front.
  void tipsClick();   // Help > "How to ...": shows the help on playing in front.

  // ---- Controls, in the window's order ----
  QMenuBar* MainMenu1 = nullptr;
  QMenu* Game1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* pbso = nullptr;
  QAction* pwso = nullptr;
  QAction* cwbc = nullptr;
  QAction* ctw = nullptr;
  QAction* ctb = nullptr;
  QAction* rules = nullptr;
  QAction* tips = nullptr;
  QAction* about = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* StaticText3 = nullptr;
  QLabel* StaticText4 = nullptr;
  BoardImage* Image1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* White_Terr = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Black_Terr = nullptr;
  QAction* ctbw = nullptr;
  QLabel* StaticText1 = nullptr;

  // ---- Menus beyond the window's own ----
  QMenu* File1 = nullptr;
  QAction* openGame = nullptr;
  QAction* saveGame = nullptr;
  QAction* quit = nullptr;
  QMenu* Pace1 = nullptr;
  QActionGroup* paces_ = nullptr;  // Slow, Normal and Fastest; one is checked.
  QAction* komi = nullptr;
  QAction* newGame = nullptr;
  QAction* resign = nullptr;
  QAction* stopOpponents = nullptr;  // Escape: ends a game between two opponents.
  GameChoice lastChoice_;            // What the New Game dialog offers first.
  QMenu* Move1 = nullptr;
  QPlainTextEdit* notes = nullptr;  // The current move's comment and the variation followed.
  QMenu* View1 = nullptr;
  QAction* showPoints = nullptr;

  ClientArea* clientArea_ = nullptr;
  BoardCanvas canvas_;
  std::unique_ptr<GameController> controller_;
  InputBlocker* computerGameBlocker_ = nullptr;  // Set only while the computer plays itself.
  QString passMessage_;        // The controller's pass message, shown without the hint to stop.
  int32_t pace_ = NormalPace;  // One of ComputerGamePace.
  QString gameFolder_;         // Where the file dialogs open: the folder of the last game file.
  QWidget* rulesWindow_ = nullptr;
  QWidget* aboutBox_ = nullptr;
  QWidget* howToWindow_ = nullptr;
  std::string savedGame_;  // The game as SGF when it was last opened, saved or started.
};
