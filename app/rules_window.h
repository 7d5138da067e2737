// TForm2, the Rules window: the rules of Go as a read-only text filling a sizeable window.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

class TForm2 final : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden; closing it only hides it again.
  TForm2();

 private:
  QPlainTextEdit* Memo1 = nullptr;
};

// The text the Rules window shows: the heading and the nine rules.
QString RulesText();
