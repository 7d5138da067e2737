#include "app/rules_window.h"

#include <QtGlobal>

QString RulesText() {
  // One paragraph to a text, so a translation can follow them one by one.
  static const char* const Paragraphs[] = {
      QT_TRANSLATE_NOOP("TForm2", "Rules"),
      QT_TRANSLATE_NOOP("TForm2", "1. The game starts on an empty board."),
      QT_TRANSLATE_NOOP("TForm2", "2. Black plays first; after that the two players take turns."),
      QT_TRANSLATE_NOOP("TForm2",
                        "3. A move places one stone of the player's own colour on an empty "
                        "intersection."),
      QT_TRANSLATE_NOOP("TForm2", "4. Instead of placing a stone, a player may pass at any time."),
      QT_TRANSLATE_NOOP("TForm2",
                        "5. A stone, or a group of stones of one colour connected along the "
                        "lines, is captured and taken off the board when the opponent holds "
                        "every intersection next to it. A move first takes off the opponent's "
                        "stones it captures. A move that captures nothing and leaves its own "
                        "stones with no empty intersection next to them is not allowed "
                        "(suicide)."),
      QT_TRANSLATE_NOOP("TForm2",
                        "6. Ko: a single stone that has just captured a single stone may not be "
                        "captured back at once, as that would only repeat the position. The "
                        "player must first play somewhere else; after that the capture back is "
                        "allowed."),
      QT_TRANSLATE_NOOP("TForm2",
                        "7. When both players pass one after the other, the game is over."),
      QT_TRANSLATE_NOOP("TForm2",
                        "8. A player's territory is every intersection held by that player's "
                        "stones or surrounded by that player alone."),
      QT_TRANSLATE_NOOP("TForm2", "9. The player with the larger territory wins."),
  };
  return JoinParagraphs("TForm2", Paragraphs);
}

TForm2::TForm2() : TextWindow("TForm2", tr("Rules of Go"), RulesText()) {}
