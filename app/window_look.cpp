#include "app/window_look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <array>

namespace {

struct FontChoice {
  const char* family;
  int pixelSize;
};

// The layouts were drawn for "MS Sans Serif" with 11-pixel characters. Liberation Sans (and
// Arimo, its twin) run about 6 % wider at that size and DejaVu Sans wider still, so they come a
// size or two smaller, which keeps every text inside the control drawn for it.
constexpr std::array<FontChoice, 4> FontChoices{{
    {"MS Sans Serif", 11},
    {"Liberation Sans", 10},
    {"Arimo", 10},
    {"DejaVu Sans", 9},
}};
constexpr int FallbackPixelSize = 10;

const QColor Silver(0xC0, 0xC0, 0xC0);
constexpr int SizingTextMargin = 2;

}  // namespace

QFont WindowFont() {
  const QStringList installed = QFontDatabase::families();
  for (const FontChoice& choice : FontChoices) {
    const QString family = QString::fromLatin1(choice.family);
    if (!installed.contains(family, Qt::CaseInsensitive)) continue;
    QFont font(family);
    font.setPixelSize(choice.pixelSize);
    return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(FallbackPixelSize);
  return font;
}

void ApplyWindowLook(QWidget& window) {
  window.setFont(WindowFont());
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window.setPalette(palette);
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen =
      window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect frame = window.frameGeometry();
  QRect centred(QPoint(), frame.size());
  centred.moveCenter(screen->availableGeometry().center());
  window.move(centred.topLeft());
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->resize(std::max(geometry.width(), label->sizeHint().width()), geometry.height());
  return label;
}

QLabel* MakeFramedText(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(1);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Silver);
  label->setPalette(palette);
  return label;
}

QLabel* MakeSizingText(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setContentsMargins(SizingTextMargin, SizingTextMargin, SizingTextMargin, SizingTextMargin);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setText(text);
  return label;
}

void SetTextAndFit(QLabel& label, const QString& text) {
  label.setText(text);
  const QFontMetrics metrics(label.font());
  QSize textSize = text.isEmpty() ? QSize(0, 0) : metrics.size(Qt::TextSingleLine, text);
  // A text too wide for the room left before the window's right edge wraps at its spaces.
  const int room = label.parentWidget()->width() - label.x() - 2 * SizingTextMargin;
  const bool wraps = textSize.width() > room;
  label.setWordWrap(wraps);
  if (wraps) textSize = metrics.boundingRect(QRect(0, 0, room, 0), Qt::TextWordWrap, text).size();
  label.resize(textSize + QSize(2 * SizingTextMargin, 2 * SizingTextMargin));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  return button;
}
