// The program's start: the application's icon, the windows created in their order, the
// event loop, and the error box for a start that fails.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/about_box.h"
#include "app/how_to_window.h"
#include "app/main_window.h"
#include "app/rules_window.h"

// Gives the running application the program icon and names the desktop entry it belongs to.
void PrepareApplication();

// The windows, created in this order; the first is the main window. All are hidden.
struct ProgramWindows {
  // Throws what the main window's start-up throws (PictureError for a picture that cannot be
  // read); the later windows are then not made.
  explicit ProgramWindows(const QString& pictureFolder);

  TForm1 Form1;
  TForm2 Form2;
  TAboutBox AboutBox;
  HowToWindow HowTo;
};

// What the command line asks for.
struct ProgramArguments {
  QString gameFile;                // The game file to open, "" for none.
  std::optional<GameChoice> game;  // The game to start, when an engine or handicap was named.
};

// Reads the command line: [--black-engine CMD] [--white-engine CMD] [--handicap N] [--komi K]
// [file]. Prints the help and ends the program for --help, more than one file or a value that
// is not usable.
ProgramArguments ReadArguments(const QStringList& arguments);

// Runs the program inside an existing application: prepares it, creates the windows, shows the
// main window, opens the game file unless it is empty, then starts the game asked for, and runs
// the event loop until the main window closes; engines still ending then are ended. Returns 0
// then; when the start fails the error is shown in the error box and the result is 1.
int RunProgram(const QString& pictureFolder, const ProgramArguments& arguments = {});
