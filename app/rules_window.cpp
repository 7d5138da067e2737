#include "app/rules_window.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVBoxLayout>

#include "app/window_look.h"

namespace {
const QSize ClientSize(506, 359);
}  // namespace

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
  QStringList text;
  for (const char* paragraph : Paragraphs)
    text << QCoreApplication::translate("TForm2", paragraph);
  return text.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

TForm2::TForm2() {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(tr("Rules of Go"));
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
