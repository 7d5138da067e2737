#include "app/rules_window.h"

#include <QVBoxLayout>

#include "app/window_look.h"

namespace {
const QSize ClientSize(506, 359);
}  // namespace

QString RulesText() {
  return QStringLiteral(
      "Rules\n"
      "\n"
      "1. The game starts on an empty board.\n"
      "\n"
      "2. Black plays first; after that the two players take turns.\n"
      "\n"
      "3. A move places one stone of the player's own colour on an empty intersection.\n"
      "\n"
      "4. Instead of placing a stone, a player may pass at any time.\n"
      "\n"
      "5. A stone, or a group of stones of one colour connected along the lines, is captured and "
      "taken off the board when the opponent holds every intersection next to it. A move that "
      "captures takes the opponent's stones off first, so it never captures its own.\n"
      "\n"
      "6. No move may bring the board back to a position it has already had.\n"
      "\n"
      "7. When both players pass one after the other, the game is over.\n"
      "\n"
      "8. A player's territory is every intersection held by that player's stones or surrounded "
      "by that player alone.\n"
      "\n"
      "9. The player with the larger territory wins.\n");
}

TForm2::TForm2() {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Rules of Go"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  // Only the main window keeps the program running.
  setAttribute(Qt::WA_QuitOnClose, false);
  ApplyWindowLook(*this);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(RulesText());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  resize(ClientSize);
  CentreOnScreen(*this);
}
