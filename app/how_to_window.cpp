#include "app/how_to_window.h"

#include <QtGlobal>

QString HowToText() {
  // One paragraph to a subject, so a translation can follow them one by one.
  static const char* const Paragraphs[] = {
      QT_TRANSLATE_NOOP("HowToWindow", "How to play"),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Stones: click near an intersection to place a stone of the colour in "
                        "turn, shown at the top right. A click the rules refuse beeps."),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Pass gives up the turn; two passes in a row end the game. Undo takes "
                        "back the last move (and the computer's answer to it). Clear All starts "
                        "again with the same players."),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Scoring: an ended game is scored at once. Click a group to turn it dead "
                        "or alive; the result below the move number follows. Each colour counts "
                        "its stones and the empty points it alone surrounds; White adds the komi, "
                        "which Game > Komi... sets."),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Opponents: the Game menu lets the computer take Black, White or both "
                        "colours (Escape stops its game against itself). Game > New Game... "
                        "chooses each player (a person, the computer or a GTP engine such as GNU "
                        "Go), the handicap and the komi."),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Files: File > Open Game... and Save Game As... read and write games as "
                        "SGF. A game not yet saved is never thrown away without asking first."),
      QT_TRANSLATE_NOOP("HowToWindow",
                        "Keys: Left and Right step back and forward through the game, Home and "
                        "End go to its start and end, and Up and Down choose a variation where "
                        "the game branches; Ctrl+Shift+Z plays a move taken back again."),
  };
  return JoinParagraphs("HowToWindow", Paragraphs);
}

HowToWindow::HowToWindow() : TextWindow("HowToWindow", tr("How to ..."), HowToText()) {}
