// TForm2, the Rules window: the rules of Go as a read-only text filling a sizeable window.
#pragma once

#include <QString>

#include "app/text_window.h"

class TForm2 final : public TextWindow {
  Q_OBJECT

 public:
  // Builds the window hidden; closing it only hides it again.
  TForm2();
};

// The text the Rules window shows: the heading and the nine rules.
QString RulesText();
