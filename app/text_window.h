// A window showing a read-only text that fills it: the Rules window and the help on playing.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>
#include <span>

class TextWindow : public QWidget {
 public:
  // Builds the window hidden, named name, captioned title, showing text; closing it only hides
  // it again, and it never keeps the program running.
  TextWindow(const char* name, const QString& title, const QString& text);

 private:
  QPlainTextEdit* Memo1 = nullptr;
};

// The paragraphs, each translated in context, with an empty line between two and a line end
// after the last.
QString JoinParagraphs(const char* context, std::span<const char* const> paragraphs);
