#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <exception>

#include "app/error_box.h"
#include "display/artwork.h"

void TitleApplication() {
  QGuiApplication::setApplicationDisplayName(QString::fromLatin1(ApplicationTitle));
  // Lets the desktop match the running program to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("zadada"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramIconImage())));
}

ProgramWindows::ProgramWindows(const QString& pictureFolder) : Form1(pictureFolder) {
  Form1.AttachHelpWindows(&Form2, &AboutBox);
}

int RunProgram(const QString& pictureFolder) {
  try {
    TitleApplication();
    ProgramWindows windows(pictureFolder);
    windows.Form1.show();
    QApplication::exec();
    return 0;
  } catch (const std::exception& error) {
    // Without its pictures the main window has no board to show, so the program ends here.
    ReportError(error);
    return 1;
  }
}
