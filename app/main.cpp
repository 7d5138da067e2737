// zadada: Go on one screen, for two people, a person and the computer, or the computer alone.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString gameFile = GameFileArgument(QCoreApplication::arguments());
  return RunProgram(QCoreApplication::applicationDirPath(), gameFile);
}
