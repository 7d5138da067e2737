// TForm1, the main window: the board, the status panel on the right and at the top, the three
// buttons and the Game and Help menus. It forwards every command to the game controller and
// shows what the controller reports.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <memory>

#include "app/board_image.h"
#include "app/client_area.h"
#include "app/game_controller.h"
#include "display/board_picture.h"
#include "display/status_panel.h"

class InputBlocker;

class TForm1 final : public QMainWindow, public StatusPanel {
  Q_OBJECT

 public:
  // Builds the window and runs its start-up: the five pictures (from the current directory, else
  // from pictureFolder), the random generator seeded from the clock, the game controller with its
  // first game and status. Throws PictureError when a picture cannot be read.
  explicit TForm1(const QString& pictureFolder);
  ~TForm1() override;

  // The windows that "Rules of Go" and "About the program" show; they must outlive this one.
  void AttachHelpWindows(QWidget* rulesWindow, QWidget* aboutBox);

  GameController& Controller() { return *controller_; }
  const BoardCanvas& Canvas() const { return canvas_; }

  // ---- StatusPanel ----
  void ShowTurnStone(int32_t colour) override;
  void ShowMoveNumber(const QString& text) override;
  void ShowBlackPoints(const QString& text) override;
  void ShowWhitePoints(const QString& text) override;
  void ShowModeCaption(const QString& text) override;
  void ShowPassMessage(const QString& text) override;

 private:
  void CreateMenus();      // The Game and Help menus, with their items' object names.
  void CreateControls();   // The labels, texts, board and buttons at their places.
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

  void rulesClick();  // Help > "Rules of Go": shows the Rules window in front.
  void aboutClick();  // Help > "About the program": shows the About dialog in front.

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

  ClientArea* clientArea_ = nullptr;
  BoardCanvas canvas_;
  std::unique_ptr<GameController> controller_;
  InputBlocker* computerGameBlocker_ = nullptr;  // Set only while the computer plays itself.
  QWidget* rulesWindow_ = nullptr;
  QWidget* aboutBox_ = nullptr;
};
