#include "platform/step_scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionFocusRect>

namespace zentar {
namespace {

// A click in the trough pages, whatever the desktop's theme prefers.
class PagingStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

StepScrollBar::StepScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    auto* style = new PagingStyle;
    style->setParent(this);
    setStyle(style);
    setFocusPolicy(Qt::StrongFocus);
    setSingleStep(1);
    setPageStep(1);
}

// Qt's horizontal scroll bar takes the left arrow for a step up; the player expects the
// bar to follow the arrow.
void StepScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left) return triggerAction(SliderSingleStepSub);
    if (event->key() == Qt::Key_Right) return triggerAction(SliderSingleStepAdd);
    QScrollBar::keyPressEvent(event);
}

void StepScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

}  // namespace zentar
