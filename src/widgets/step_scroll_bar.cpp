#include "widgets/step_scroll_bar.h"

#include <QKeyEvent>

namespace zentar {

StepScrollBar::StepScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
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

}  // namespace zentar
