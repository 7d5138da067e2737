#include "app/input_blocker.h"

#include <QApplication>
#include <QKeyEvent>
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

bool IsEscape(const QEvent& event) {
  return event.type() == QEvent::KeyPress &&
         static_cast<const QKeyEvent&>(event).key() == Qt::Key_Escape;
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
  if (event->type() == QEvent::Close) {
    if (QWidget* window = WindowAskedToClose(watched)) closeHeldBack_ = window;
    RequestStop();
  }
  if (IsEscape(*event)) RequestStop();
  return true;
}

void InputBlocker::RequestStop() {
  stopRequested_ = true;
  if (wait_ != nullptr) wait_->quit();
}
