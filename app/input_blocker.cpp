#include "app/input_blocker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

// Escape pressed, or the shortcut it stands for: it only stops the loop and runs no command
// afterwards.
bool IsEscape(const QEvent& event) {
  if (event.type() == QEvent::Shortcut)
    return static_cast<const QShortcutEvent&>(event).key() == QKeySequence(Qt::Key_Escape);
  return event.type() == QEvent::KeyPress &&
         static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape;
}

// The menu bar and open menus take their input as usual, so a menu can be looked through.
bool InMenus(const QObject* watched) {
  return qobject_cast<const QMenuBar*>(watched) != nullptr ||
         qobject_cast<const QMenu*>(watched) != nullptr;
}

// A menu item or shortcut that would run a command, or nullptr.
QAction* Command(QAction* item) {
  if (item == nullptr || !item->isEnabled() || item->isSeparator() || item->menu() != nullptr)
    return nullptr;
  return item;
}

// The menu item that event chooses, or nullptr: its shortcut, a click on it, or Return, Enter or
// Space on it.
QAction* ItemChosen(QObject* watched, const QEvent& event) {
  if (event.type() == QEvent::Shortcut) return Command(qobject_cast<QAction*>(watched));
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu == nullptr) return nullptr;
  if (event.type() == QEvent::MouseButtonRelease)
    return Command(menu->actionAt(static_cast<const QMouseEvent&>(event).position().toPoint()));
  if (event.type() != QEvent::KeyPress) return nullptr;
  switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
      return Command(menu->activeAction());
    default:
      return nullptr;
  }
}

// Keys that move through the menus without choosing an item. Other keys, such as an item's
// mnemonic letter, would choose one behind the blocker's back.
bool MovesInMenus(const QEvent& event) {
  if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease) return true;
  switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

// The program window a close request is aimed at: the window system asks the platform window
// first, which then asks the widget.
QWidget* WindowAskedToClose(QObject* watched) {
  if (auto* widget = qobject_cast<QWidget*>(watched)) return widget->isWindow() ? widget : nullptr;
  if (auto* platformWindow = qobject_cast<QWindow*>(watched)) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->windowHandle() == platformWindow) return window;
    }
  }
  return nullptr;
}

}  // namespace

InputBlocker::InputBlocker() {
  QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
  QCoreApplication::instance()->removeEventFilter(this);
  if (closeHeldBack_) closeHeldBack_->close();
  // Chosen once the loop that was blocked has returned, so the command finds the game stopped.
  if (chosenHeldBack_) QTimer::singleShot(0, chosenHeldBack_, &QAction::trigger);
}

bool InputBlocker::StopRequested() {
  QCoreApplication::processEvents();
  return stopRequested_;
}

bool InputBlocker::StopRequestedAfter(int milliseconds) {
  if (StopRequested() || milliseconds <= 0) return stopRequested_;
  QEventLoop wait;
  const QScopedValueRollback<QEventLoop*> waiting(wait_, &wait);
  QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
  wait.exec();
  return stopRequested_;
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type())) return false;
  if (IsEscape(*event) && !InMenus(watched)) {
    RequestStop();
    return true;
  }
  if (QAction* item = ItemChosen(watched, *event)) {
    chosenHeldBack_ = item;
    while (QWidget* menu = QApplication::activePopupWidget())
      menu->hide();
    RequestStop();
    return true;
  }
  if (InMenus(watched)) return !MovesInMenus(*event);
  // The window passes input on to its controls, which are blocked one by one.
  if (qobject_cast<QWindow*>(watched) != nullptr && event->type() != QEvent::Close) return false;
  if (event->type() == QEvent::Close) {
    QWidget* window = WindowAskedToClose(watched);
    if (InMenus(window)) return false;  // A menu put away by a click beside it.
    if (window != nullptr) closeHeldBack_ = window;
    RequestStop();
  }
  return true;
}

void InputBlocker::RequestStop() {
  stopRequested_ = true;
  if (wait_ != nullptr) wait_->quit();
}
