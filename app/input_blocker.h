// Keeps the user's input from reaching the program while a long command runs its own loop, so
// that nothing else is started meanwhile. Escape, or closing a window, asks the loop to stop; the
// window is closed once the blocker is gone.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>

class InputBlocker final : public QObject {
 public:
  // Starts swallowing keyboard, mouse and close requests for every window of the application.
  InputBlocker();
  // Stops swallowing and closes the window whose close was held back.
  ~InputBlocker() override;
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

  // Handles what is waiting (painting, window system events; input is swallowed) and returns
  // true once Escape has been pressed or a window was asked to close.
  bool StopRequested();
  // The same after waiting milliseconds with the window system's events handled meanwhile;
  // Escape or a close request ends the wait at once.
  bool StopRequestedAfter(int milliseconds);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Notes a request to stop and ends the wait for it.
  void RequestStop();

  bool stopRequested_ = false;
  QPointer<QWidget> closeHeldBack_;
  QEventLoop* wait_ = nullptr;  // Set only while StopRequestedAfter waits.
};
