// The help on playing that Help > "How to ..." shows: a few paragraphs on the board, the buttons,
// the menus and the keys, in a window like the Rules window.
#pragma once

#include <QString>

#include "app/text_window.h"

class HowToWindow final : public TextWindow {
  Q_OBJECT

 public:
  // Builds the window hidden; closing it only hides it again.
  HowToWindow();
};

// The text the window shows: a heading and one paragraph to a subject.
QString HowToText();
