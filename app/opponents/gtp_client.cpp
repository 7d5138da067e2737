#include "app/opponents/gtp_client.h"

#include <QCoreApplication>

namespace {

constexpr int QuitGraceMs = 2000;  // How long an engine let go of may take to end by itself.

QString Tr(const char* text) {
  return QCoreApplication::translate("GtpClient", text);
}

// GTP allows CR and tabs; the answer's lines are easier to read without them.
QByteArray Normalised(QByteArray text) {
  text.replace('\r', QByteArray());
  text.replace('\t', ' ');
  return text;
}

// Gives process "quit" and two seconds to end, then kills it; it deletes itself once ended. It
// lives under the application so that EndEnginesLeft finds it when the program ends first.
void LetGo(QProcess* process) {
  process->disconnect();
  process->setParent(QCoreApplication::instance());
  if (process->state() == QProcess::NotRunning) {
    process->deleteLater();
    return;
  }
  process->write("quit\n");
  process->closeWriteChannel();
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QTimer::singleShot(QuitGraceMs, process, &QProcess::kill);
}

}  // namespace

GtpClient::GtpClient(const QString& commandLine, int timeoutMs, QObject* parent)
    : QObject(parent), process_(new QProcess(this)) {
  timeout_.setSingleShot(true);
  timeout_.setInterval(timeoutMs);
  connect(&timeout_, &QTimer::timeout, this, [this] { Fail(Tr("gave no answer in time")); });
  connect(process_, &QProcess::readyReadStandardOutput, this, &GtpClient::ReadAnswers);
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) Fail(Tr("did not start"));
  });
  connect(process_, &QProcess::finished, this, &GtpClient::ProcessEnded);
  // Engines chat on their error output; nobody reads it, and a full pipe would stop them.
  process_->setStandardErrorFile(QProcess::nullDevice());
  QStringList arguments = QProcess::splitCommand(commandLine);
  if (arguments.isEmpty()) {
    QTimer::singleShot(0, this, [this] { Fail(Tr("did not start")); });
    return;
  }
  const QString program = arguments.takeFirst();
  process_->start(program, arguments);
}

GtpClient::~GtpClient() {
  LetGo(process_);
}

void GtpClient::Send(const QString& command, AnswerHandler handler) {
  queue_.push_back({command, std::move(handler)});
  SendNext();
}

void GtpClient::SendNext() {
  if (sent_ || failed_ || queue_.empty()) return;
  out_ = std::move(queue_.front());
  queue_.pop_front();
  sent_ = true;
  process_->write(out_.text.toUtf8() + '\n');
  timeout_.start();
}

void GtpClient::ReadAnswers() {
  // No answer of GTP comes near this; an engine that writes on without ending one would otherwise
  // fill the memory before its time runs out.
  constexpr qsizetype LongestAnswer = 1 << 20;
  received_ += Normalised(process_->readAllStandardOutput());
  if (received_.size() > LongestAnswer) {
    Fail(Tr("answered something that is not GTP"));
    return;
  }
  for (qsizetype end = received_.indexOf("\n\n"); end >= 0; end = received_.indexOf("\n\n")) {
    QByteArray answer = received_.left(end).trimmed();
    received_.remove(0, end + 2);
    if (answer.isEmpty()) continue;  // Blank lines between answers.
    const char status = answer.at(0);
    if (!sent_ || (status != '=' && status != '?')) {
      Fail(Tr("answered something that is not GTP"));
      return;
    }
    timeout_.stop();
    sent_ = false;
    const Command command = std::move(out_);
    if (command.handler) command.handler(status == '=', QString::fromUtf8(answer.mid(1).trimmed()));
    if (failed_) return;
    SendNext();
  }
}

void GtpClient::Fail(const QString& what) {
  if (failed_) return;
  failed_ = true;
  timeout_.stop();
  queue_.clear();
  // Later, not now: the failure may come from within the constructor, before anyone listens, or
  // from within an answer's handler.
  QTimer::singleShot(0, this, [this, what] { emit failed(what); });
}

void GtpClient::ProcessEnded() {
  Fail(process_->exitStatus() == QProcess::CrashExit ? Tr("crashed") : Tr("ended"));
}

void EndEnginesLeft() {
  QCoreApplication* application = QCoreApplication::instance();
  for (QProcess* process : application->findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
    if (!process->waitForFinished(QuitGraceMs)) process->kill();
    process->waitForFinished();
    delete process;
  }
}
