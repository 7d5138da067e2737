#include "app/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <exception>

#include "app/error_box.h"
#include "display/artwork.h"

// The title "Zada Da" is not set as the application's display name: the window system would
// append it to every window's caption, and the captions are the program's own texts.
void PrepareApplication() {
  // Lets the desktop match the running program to its menu entry, which names it "Zada Da".
  QGuiApplication::setDesktopFileName(QStringLiteral("zadada"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramIconImage())));
}

ProgramWindows::ProgramWindows(const QString& pictureFolder) : Form1(pictureFolder) {
  Form1.AttachHelpWindows(&Form2, &AboutBox);
}

QString GameFileArgument(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("Program", "Play Go on a 19 x 19 board."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("file"),
                               QCoreApplication::translate("Program", "A game (SGF) to open."),
                               QStringLiteral("[file]"));
  parser.process(arguments);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) parser.showHelp(1);
  return files.value(0);
}

int RunProgram(const QString& pictureFolder, const QString& gameFile) {
  try {
    PrepareApplication();
    ProgramWindows windows(pictureFolder);
    windows.Form1.show();
    if (!gameFile.isEmpty()) windows.Form1.OpenGameFile(gameFile);
    QApplication::exec();
    return 0;
  } catch (const std::exception& error) {
    // Without its pictures the main window has no board to show, so the program ends here.
    ReportError(error);
    return 1;
  }
}
