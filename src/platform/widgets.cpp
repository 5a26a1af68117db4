#include "platform/widgets.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

namespace zentar {

int px(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect pixelRect(const Control& c) {
    return {px(c.Left), px(c.Top), px(c.Width), px(c.Height)};
}

QColor qcolor(Rgb c) {
    return QColor(c.r & 255, c.g & 255, c.b & 255);
}

int virtualKey(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : 48) + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return keypad ? 96 : 45;  // keypad 0 with Num Lock off
        case Qt::Key_Space:
            return 32;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_End:
            return 35;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return -1;
        default:
            return k > 0 && k < 128 ? k : 255;
    }
}

void placeWidget(QWidget* w, const Control& c) {
    const QRect r = pixelRect(c);
    if (w->geometry() != r) w->setGeometry(r);
    if (w->isVisibleTo(w->parentWidget()) != c.Visible) w->setVisible(c.Visible);
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
}

void syncLabel(QLabel* w, const Label& c) {
    if (w->text() != c.Caption) w->setText(c.Caption);
    setTextColour(w, c.ForeColor);
    // A one-line label grows to show its whole text, whatever the font.
    QRect r = pixelRect(c);
    if (!w->wordWrap()) r.setWidth(std::max(r.width(), w->sizeHint().width()));
    if (w->geometry() != r) w->setGeometry(r);
    if (w->isVisibleTo(w->parentWidget()) != c.Visible) w->setVisible(c.Visible);
}

void syncLineEdit(QLineEdit* w, const TextBox& c) {
    placeWidget(w, c);
    if (c.MaxLength > 0 && w->maxLength() != c.MaxLength) w->setMaxLength(c.MaxLength);
    if (w->text() != c.Text) {
        const QSignalBlocker block(w);
        w->setText(c.Text);
    }
}

void syncPlainText(QPlainTextEdit* w, const TextBox& c) {
    placeWidget(w, c);
    const QString text = displayText(c.Text);
    if (w->toPlainText() != text) {
        const QSignalBlocker block(w);
        w->setPlainText(text);
    }
}

void syncCombo(QComboBox* w, const ComboBox& c) {
    placeWidget(w, c);
    const QSignalBlocker block(w);
    QStringList shown;
    for (int i = 0; i < w->count(); ++i) shown << w->itemText(i);
    if (shown != c.List) {
        w->clear();
        w->addItems(c.List);
    }
    if (w->currentIndex() != c.ListIndex) w->setCurrentIndex(c.ListIndex);
}

void syncScrollBar(QScrollBar* w, const ScrollBar& c) {
    placeWidget(w, c);
    const QSignalBlocker block(w);
    if (w->minimum() != c.Min || w->maximum() != c.Max) w->setRange(c.Min, c.Max);
    if (w->value() != c.Value) w->setValue(c.Value);
}

void syncButton(QPushButton* w, const Button& c) {
    placeWidget(w, c);
    if (w->text() != c.Caption) w->setText(c.Caption);
}

void setTextColour(QWidget* w, Rgb c) {
    const QColor colour = qcolor(c);
    QPalette p = w->palette();
    if (p.color(QPalette::WindowText) == colour) return;
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void setBackground(QWidget* w, Rgb c) {
    const QColor colour = qcolor(c);
    QPalette p = w->palette();
    if (w->autoFillBackground() && p.color(QPalette::Window) == colour &&
        p.color(QPalette::Base) == colour)
        return;
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QString displayText(const QString& text) {
    QString t = text;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QFont gameFont(int pixelSize) {
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace zentar
