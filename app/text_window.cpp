#include "app/text_window.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVBoxLayout>

#include "app/window_look.h"

namespace {
const QSize ClientSize(506, 359);
}  // namespace

TextWindow::TextWindow(const char* name, const QString& title, const QString& text) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title);
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
  Memo1->setPlainText(text);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  resize(ClientSize);
  CentreOnScreen(*this);
}

QString JoinParagraphs(const char* context, std::span<const char* const> paragraphs) {
  QStringList text;
  for (const char* paragraph : paragraphs)
    text << QCoreApplication::translate(context, paragraph);
  return text.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}
