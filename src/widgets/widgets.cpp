#include "widgets/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <QWindow>
#include <cmath>

#include "platform/fonts.h"
#include "state/text.h"

namespace zentar {
namespace {

constexpr int kSmallestPixels = 8;  // the smallest size at which Japanese stays legible
constexpr char kDesignFont[] = "zentarDesignFont";
constexpr char kFitted[] = "zentarFitted";

// The font a widget was made with, before any fitting; its families and size are set
// outright, so that a list's entries keep them whatever the list's own font. All the
// families: the first may be one the desktop lacks.
QFont designFont(QWidget* w) {
    const QVariant remembered = w->property(kDesignFont);
    if (remembered.isValid()) return remembered.value<QFont>();
    QFont f = w->font();
    f.setFamilies(f.families());
    f.setPixelSize(QFontInfo(f).pixelSize());
    w->setProperty(kDesignFont, f);
    return f;
}

// Gives the widget the largest font, up to the one it was made with, in which its text
// fits; the smallest legible one when none does.
template <typename Fits>
void fitFont(QWidget* w, Fits fits) {
    QFont f = designFont(w);
    for (int size = QFontInfo(f).pixelSize();; --size) {
        f.setPixelSize(size);
        if (w->font() != f) w->setFont(f);
        if (size <= kSmallestPixels || fits()) return;
    }
}

// Whether a widget's font must be fitted again because its text or its width changed
// since it was last fitted; remembers both.
bool needsFitting(QWidget* w, const QString& text) {
    const QString fitted = text + QChar(0) + QString::number(w->width());
    if (w->property(kFitted).toString() == fitted) return false;
    w->setProperty(kFitted, fitted);
    return true;
}

// Whether a button's caption keeps half a character clear on either side of it.
bool captionHasRoom(const QPushButton* w) {
    const int frame = 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    const int room = w->width() - frame - QFontInfo(w->font()).pixelSize();
    return QFontMetrics(w->font()).horizontalAdvance(w->text()) <= room;
}

// Whether the line edit shows its whole text in the room its style leaves for the text,
// less the 2 pixels the line edit keeps clear on either side and 1 for the cursor.
bool showsWholeText(const QLineEdit* w) {
    QStyleOptionFrame frame;
    frame.initFrom(w);
    frame.rect = w->contentsRect();
    frame.lineWidth =
        w->hasFrame() ? w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w) : 0;
    frame.state |= QStyle::State_Sunken;
    const QRect room = w->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &frame, w)
                           .marginsRemoved(w->textMargins());
    return QFontMetrics(w->font()).horizontalAdvance(w->text()) + 2 * 2 + 1 <= room.width();
}

// The keys a dialog window takes once its focused control has passed them up.
class DialogKeys : public QObject {
  public:
    DialogKeys(QWidget* window, QPushButton* enterButton, bool escapeCloses)
        : QObject(window), window_(window), enter_(enterButton), escape_(escapeCloses) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape && escape_) {
            window_->close();
            return true;
        }
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        QPushButton* b = qobject_cast<QPushButton*>(window_->focusWidget());
        if (!b) b = enter_;
        if (b && b->isVisible()) b->click();
        return b != nullptr;
    }

  private:
    QWidget* window_;
    QPushButton* enter_;
    bool escape_;
};

// Turns every full-width character that has a half-width form into it, in place.
class HalfWidthValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = halfWidth(input);
        return Acceptable;
    }
};

}  // namespace

int px(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect pixelRect(const Control& c) {
    return {px(c.Left), px(c.Top), px(c.Width), px(c.Height)};
}

QColor qcolor(Rgb c) {
    return QColor(c.r & 255, c.g & 255, c.b & 255);
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
        // What the rules put in a box the player types in is typed over, as the shop's
        // order reset to 0 after a refusal.
        if (!w->isReadOnly()) w->selectAll();
    }
    if (needsFitting(w, c.Text)) fitFont(w, [w] { return showsWholeText(w); });
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
    if (!needsFitting(w, c.List.join(QChar(0)))) return;
    // The closed list shows any entry whole; the open list keeps the text's own size
    // and opens at least as wide as its widest entry.
    w->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const QFont design = designFont(w);
    fitFont(w, [w] { return w->sizeHint().width() <= w->width(); });
    for (int i = 0; i < w->count(); ++i) w->setItemData(i, design, Qt::FontRole);
    QAbstractItemView* list = w->view();
    const int bar =
        w->count() > w->maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + bar);
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
    if (needsFitting(w, c.Caption)) fitFont(w, [w] { return captionHasRoom(w); });
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

void keepAbove(QWidget* dialog, QWidget* owner) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    owner->winId();  // both need their native windows to be tied together
    dialog->winId();
    dialog->windowHandle()->setTransientParent(owner->windowHandle());
}

void useDialogKeys(QWidget* window, QPushButton* enterButton, bool escapeCloses) {
    if (enterButton) enterButton->setDefault(true);
    window->installEventFilter(new DialogKeys(window, enterButton, escapeCloses));
}

void makeNumberBox(QLineEdit* w) {
    w->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    w->setValidator(new HalfWidthValidator(w));
}

QFont gameFont(int pixelSize) {
    QFont f;
    f.setFamilies(gameFontFamilies());
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace zentar
