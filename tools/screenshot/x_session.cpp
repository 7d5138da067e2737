#include "tools/screenshot/x_session.h"

#include <unistd.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int ServerStartMs = 5000;
constexpr int ClientMs = 20000;  // Long enough for a slow start of the program under load.

void Stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

bool DisplayTaken(int display) {
  return QFile::exists(QString("/tmp/.X%1-lock").arg(display)) ||
         QFile::exists(QString("/tmp/.X11-unix/X%1").arg(display));
}

// Waits until the server's socket appears; false when the server gave up first.
bool WaitForServer(QProcess& server, int display) {
  const QString socket = QString("/tmp/.X11-unix/X%1").arg(display);
  const QDeadlineTimer deadline(ServerStartMs);
  while (!deadline.hasExpired()) {
    if (server.state() == QProcess::NotRunning) return false;
    if (QFile::exists(socket)) return true;
    QThread::msleep(50);
  }
  return false;
}

}  // namespace

QStringList MissingTools() {
  QStringList missing;
  for (const char* tool : {"Xvfb", "xdotool", "import"}) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  }
  return missing;
}

XSession::XSession() {
  // Spread the display numbers by process so that runs side by side rarely try the same one.
  const int first = 100 + static_cast<int>(getpid() % 400);
  for (int display = first; display < first + 30; ++display) {
    if (DisplayTaken(display)) continue;
    auto server = std::make_unique<QProcess>();
    server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server->start("Xvfb",
                  {QString(":%1").arg(display), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    if (!server->waitForStarted() || !WaitForServer(*server, display)) {
      Stop(*server);
      continue;
    }
    server_ = std::move(server);
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("DISPLAY", QString(":%1").arg(display));
    environment_.insert("QT_QPA_PLATFORM", "xcb");
    return;
  }
}

XSession::~XSession() {
  if (program_) Stop(*program_);
  if (server_) Stop(*server_);
}

bool XSession::StartProgram(const QString& program, const QString& title) {
  program_ = std::make_unique<QProcess>();
  program_->setWorkingDirectory(workingFolder_.path());
  program_->setProcessEnvironment(environment_);
  // Absolute, as a relative path would be resolved from the working folder.
  program_->start(QFileInfo(program).absoluteFilePath(), {});
  if (!program_->waitForStarted()) return false;
  const auto found = RunClient("xdotool", {"search", "--sync", "--onlyvisible", "--name", title});
  if (!found || program_->state() == QProcess::NotRunning) return false;
  windowId_ = QString::fromLatin1(*found).split('\n').first().trimmed();
  return !windowId_.isEmpty();
}

QImage XSession::Screenshot() {
  const auto png = RunClient("import", {"-window", "root", "png:-"});
  return png ? QImage::fromData(*png, "PNG") : QImage();
}

bool XSession::AwaitScreen(const std::function<bool(const QImage&)>& shows, int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    const QImage screen = Screenshot();
    if (!screen.isNull() && shows(screen)) return true;
    QThread::msleep(100);
  }
  return false;
}

QImage XSession::WindowShot() {
  const auto png = RunClient("import", {"-window", windowId_, "png:-"});
  return png ? QImage::fromData(*png, "PNG") : QImage();
}

bool XSession::Click(QPoint position) {
  return RunClient("xdotool", {"mousemove", "--sync", QString::number(position.x()),
                               QString::number(position.y()), "click", "1"})
      .has_value();
}

std::optional<QByteArray> XSession::RunClient(const QString& tool, const QStringList& arguments) {
  QProcess client;
  client.setProcessEnvironment(environment_);
  client.setProcessChannelMode(QProcess::SeparateChannels);
  client.start(tool, arguments);
  if (!client.waitForFinished(ClientMs)) {
    Stop(client);
    return std::nullopt;
  }
  if (client.exitStatus() != QProcess::NormalExit || client.exitCode() != 0) return std::nullopt;
  return client.readAllStandardOutput();
}
