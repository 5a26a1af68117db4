// The Qt widget kit the screens' views are made of, above the core. Helpers the views
// share: twips to pixels and copying control state into widgets without feeding the
// change back as player input.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "core/controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace zentar {

inline constexpr double kTwipsPerPixel = 15.0;

int px(float twips);
QRect pixelRect(const Control& c);
QColor qcolor(Rgb c);

void placeWidget(QWidget* w, const Control& c);
// Each sync* places its widget as the control says, then copies the control's content.
// Places a label (one-line labels grow to their text) and copies caption and colour.
void syncLabel(QLabel* w, const Label& c);
void syncLineEdit(QLineEdit* w, const TextBox& c);
void syncPlainText(QPlainTextEdit* w, const TextBox& c);
void syncCombo(QComboBox* w, const ComboBox& c);
void syncScrollBar(QScrollBar* w, const ScrollBar& c);
// Places a button and copies its caption.
void syncButton(QPushButton* w, const Button& c);
void setTextColour(QWidget* w, Rgb c);
void setBackground(QWidget* w, Rgb c);
// The text as the widgets show it: the game's CR LF line breaks become plain ones.
QString displayText(const QString& text);

// Makes a window a dialog of `owner`: it stays above the owner and goes with it, it
// cannot be minimised on its own, and disabling the owner does not disable it.
void keepAbove(QWidget* dialog, QWidget* owner);

// Gives a window the desktop's dialog keys: Enter and keypad Enter press the button that
// has the focus, elsewhere `enterButton` if there is one; Escape does what the close box
// does when `escapeCloses`.
void useDialogKeys(QWidget* window, QPushButton* enterButton, bool escapeCloses);

// Makes a line edit a number box: the input method is told it takes Latin numbers, and
// a full-width character takes its half-width form as it enters, typed, pasted or
// committed, so that the box shows what the rules read.
void makeNumberBox(QLineEdit* w);

// The font every text of the game uses, at a pixel size.
QFont gameFont(int pixelSize);

}  // namespace zentar
