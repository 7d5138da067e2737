// Keeps the user's input from reaching the program while a long command runs its own loop, so
// that nothing else is started meanwhile. Escape, closing a window or choosing a menu item asks
// the loop to stop; the window is closed once the blocker is gone, and the item chosen as soon as
// the program is back in its own event loop. The menus can be opened and looked through.
#pragma once

#include <QAction>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QWidget>

class InputBlocker final : public QObject {
 public:
  // Starts swallowing keyboard, mouse and close requests for every window of the application,
  // apart from the menus.
  InputBlocker();
  // Stops swallowing, closes the window whose close was held back and has the menu item or
  // shortcut chosen meanwhile run from the event loop.
  ~InputBlocker() override;
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

  // Handles what is waiting (painting, window system events; input is swallowed) and returns
  // true once Escape has been pressed, a window was asked to close or a menu item chosen.
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
  QPointer<QAction> chosenHeldBack_;  // The last menu item or shortcut chosen, if any.
  QEventLoop* wait_ = nullptr;        // Set only while StopRequestedAfter waits.
};
