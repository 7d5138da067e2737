// A virtual X server with the real program in it, driven the way a person drives it: clicks at
// screen positions, and screenshots to see what the program shows.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

// The tools this needs, by the name they are called; empty when all are installed.
QStringList MissingTools();

class XSession {
 public:
  // Starts Xvfb on a free display; Running() tells whether that worked.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool Running() const { return server_ != nullptr; }

  // Starts program on this display in a new empty working folder and waits until its window
  // titled title is visible. False when it exits or shows no such window in time.
  bool StartProgram(const QString& program, const QString& title);

  // The whole screen, or a null image when it cannot be taken.
  QImage Screenshot();

  // Takes screenshots until shows accepts one or milliseconds have passed; true when accepted.
  bool AwaitScreen(const std::function<bool(const QImage&)>& shows, int milliseconds);

  // The program's window alone, or a null image.
  QImage WindowShot();

  // Moves the pointer to the screen position and clicks the left button.
  bool Click(QPoint position);

 private:
  // Runs an X client on this display to its end; its standard output, or nothing on failure.
  std::optional<QByteArray> RunClient(const QString& tool, const QStringList& arguments);

  QProcessEnvironment environment_;
  std::unique_ptr<QProcess> server_;
  std::unique_ptr<QProcess> program_;
  QTemporaryDir workingFolder_;
  QString windowId_;
};
