// The look the program's three windows share: their font and background, their place on the
// screen, and the kinds of text control their layouts are made of. Layouts are given in pixels
// and are not rescaled, so the font is chosen by pixel size to fit them.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

// "MS Sans Serif" at 11 pixels where it is installed; otherwise the first installed of a few
// sans-serif families, each at the pixel size that gives it about the same text widths.
QFont WindowFont();

// Gives window the shared font and the button-face background.
void ApplyWindowLook(QWidget& window);

// Moves window so that its frame is centred on the screen it is on.
void CentreOnScreen(QWidget& window);

// A plain label at geometry; widened to its text should a substitute font need more room.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

// A fixed static text at geometry with a sunken border on a silver background.
QLabel* MakeFramedText(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry);

// A static text at position that sizes itself to its text whenever SetTextAndFit sets it.
QLabel* MakeSizingText(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry);

// Sets the text of a sizing static text and fits its size: the text's extent plus two pixels on
// every side, or 4 x 4 when the text is empty. A text wider than the room up to the parent's right
// edge wraps onto further lines.
void SetTextAndFit(QLabel& label, const QString& text);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry);
