// The window's side of the Go Text Protocol: one engine, a program that speaks GTP version 2 on
// its standard input and output, run as a child process and talked to without ever waiting.
//
// Words used here:
//  - answer: what the engine writes back to one command, "=" or "?" and text, ended by a blank
//    line. Commands go out one at a time: the next only once the answer to the last is complete.
//  - failure: the engine did not start, wrote something that is not GTP, ended while it was still
//    needed, or gave no answer within the time limit. The client is useless afterwards.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class GtpClient final : public QObject {
  Q_OBJECT

 public:
  // Called with the answer's text (without "=" or "?") and whether it was a success ("=").
  using AnswerHandler = std::function<void(bool success, const QString& text)>;

  // Starts commandLine (a program and its arguments, quoted as a shell would) at once; a command
  // without an answer for timeoutMs milliseconds is a failure.
  GtpClient(const QString& commandLine, int timeoutMs, QObject* parent = nullptr);
  // Lets the engine go: "quit", and killed when it has not ended two seconds later.
  ~GtpClient() override;
  GtpClient(const GtpClient&) = delete;
  GtpClient& operator=(const GtpClient&) = delete;

  // Queues command; handler runs once its answer is complete, before the next command goes out.
  void Send(const QString& command, AnswerHandler handler = {});
  // Forgets the commands queued and not yet sent.
  void DropQueued() { queue_.clear(); }
  // True while a command has been sent and its answer is not complete.
  bool Busy() const { return sent_; }

 signals:
  // The engine failed; what says how ("did not start", "crashed", ...). Sent once.
  void failed(const QString& what);

 private:
  struct Command {
    QString text;
    AnswerHandler handler;
  };

  void SendNext();     // Writes the first queued command when none is out.
  void ReadAnswers();  // Takes every complete answer out of what the engine wrote.
  void Fail(const QString& what);
  void ProcessEnded();  // The engine ended by itself.

  QProcess* process_;  // Owned until the destructor lets it go.
  QTimer timeout_;     // Runs while a command is out.
  std::deque<Command> queue_;
  Command out_;  // The command sent; meaningful while sent_.
  bool sent_ = false;
  bool failed_ = false;
  QByteArray received_;  // What the engine wrote that is not yet a complete answer.
};

// Ends the engines still let go of when the program ends: each is waited for two seconds after
// its "quit", then killed. Call after the event loop has returned.
void EndEnginesLeft();
