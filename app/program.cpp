#include "app/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <exception>

#include "app/error_box.h"
#include "app/opponents/gtp_client.h"
#include "display/artwork.h"
#include "gtp/vertex.h"
#include "scoring/komi.h"

// The title "Zada Da" is not set as the application's display name: the window system would
// append it to every window's caption, and the captions are the program's own texts.
void PrepareApplication() {
  // Lets the desktop match the running program to its menu entry, which names it "Zada Da".
  QGuiApplication::setDesktopFileName(QStringLiteral("zadada"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramIconImage())));
}

ProgramWindows::ProgramWindows(const QString& pictureFolder) : Form1(pictureFolder) {
  Form1.AttachHelpWindows(&Form2, &AboutBox, &HowTo);
}

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("Program", text);
}

// The option's engine command line as a seat; a person when the option is not given.
Seat EngineSeat(const QCommandLineParser& parser, const QCommandLineOption& option) {
  if (!parser.isSet(option)) return {};
  return {Seat::Engine, parser.value(option)};
}

}  // namespace

ProgramArguments ReadArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(Tr("Play Go on a 19 x 19 board."));
  parser.addHelpOption();
  const QCommandLineOption blackEngine(QStringLiteral("black-engine"),
                                       Tr("The GTP engine <command> plays Black."),
                                       QStringLiteral("command"));
  const QCommandLineOption whiteEngine(QStringLiteral("white-engine"),
                                       Tr("The GTP engine <command> plays White."),
                                       QStringLiteral("command"));
  const QCommandLineOption handicap(QStringLiteral("handicap"),
                                    Tr("Black gets <stones> (2 to 9) handicap stones."),
                                    QStringLiteral("stones"));
  const QCommandLineOption komi(QStringLiteral("komi"), Tr("White gets <points> of komi."),
                                QStringLiteral("points"));
  parser.addOptions({blackEngine, whiteEngine, handicap, komi});
  parser.addPositionalArgument(QStringLiteral("file"), Tr("A game (SGF) to open."),
                               QStringLiteral("[file]"));
  parser.process(arguments);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) parser.showHelp(1);
  ProgramArguments read{files.value(0), std::nullopt};
  if (!parser.isSet(blackEngine) && !parser.isSet(whiteEngine) && !parser.isSet(handicap) &&
      !parser.isSet(komi))
    return read;
  GameChoice choice{EngineSeat(parser, blackEngine), EngineSeat(parser, whiteEngine)};
  bool valid = true;
  if (parser.isSet(handicap)) choice.handicap = parser.value(handicap).toInt(&valid);
  if (!valid || choice.handicap == 1 || choice.handicap < 0 ||
      choice.handicap > gtp::MostStandardHandicap)
    parser.showHelp(1);
  choice.komi = DefaultKomi(choice.handicap);
  if (parser.isSet(komi)) choice.komi = parser.value(komi).toDouble(&valid);
  if (!valid || !UsableKomi(choice.komi)) parser.showHelp(1);
  read.game = choice;
  return read;
}

int RunProgram(const QString& pictureFolder, const ProgramArguments& arguments) {
  try {
    PrepareApplication();
    {
      ProgramWindows windows(pictureFolder);
      windows.Form1.show();
      if (!arguments.gameFile.isEmpty()) windows.Form1.OpenGameFile(arguments.gameFile);
      if (arguments.game) windows.Form1.StartGame(*arguments.game);
      QApplication::exec();
    }
    EndEnginesLeft();
    return 0;
  } catch (const std::exception& error) {
    // Without its pictures the main window has no board to show, so the program ends here.
    ReportError(error);
    return 1;
  }
}
