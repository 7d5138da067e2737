// The one error box of the program, and the guard that brings every error escaping a command to
// it while the program goes on.
#pragma once

#include <QString>
#include <QtGlobal>
#include <exception>
#include <utility>

// The program's title, the caption of the error box.
inline constexpr char ApplicationTitle[] = QT_TRANSLATE_NOOP("ErrorBox", "Zada Da");

// The program's title as shown, translated.
QString ApplicationTitleText();

// message with a full stop appended when it is not empty and its last character sorts after '.'.
QString WithFullStop(const QString& message);

// Shows message (with its full stop) in a box captioned with the program's title, with a stop
// icon and an OK button; returns when the box is closed.
void ShowErrorBox(const QString& message);

// Shows the error of an exception caught by the caller.
void ReportError(const std::exception& error);

// Runs command; an exception escaping it is shown in the error box and goes no further, so the
// event loop carries on with the next event.
template <typename Command>
void RunCommand(Command&& command) {
  try {
    std::forward<Command>(command)();
  } catch (const std::exception& error) {
    ReportError(error);
  }
}
