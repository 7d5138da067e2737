// zadada: Go on one screen, for two people, a person against the computer or a GTP engine, or
// such opponents against each other.
#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const ProgramArguments arguments = ReadArguments(QCoreApplication::arguments());
  return RunProgram(QCoreApplication::applicationDirPath(), arguments);
}
