#include "widgets/drop_down_list.h"

#include <QAbstractItemView>
#include <QMouseEvent>

namespace zentar {

void DropDownList::showPopup() {
    QComboBox::showPopup();
    QWidget* list = view()->window();
    list->removeEventFilter(this);
    list->installEventFilter(this);
    opening_ = true;
}

// A list opened by a press takes that press's release beside the list as its own, where
// Qt would close it once the press has lasted a while: a finger's tap often does.
bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) opening_ = false;
    if (event->type() != QEvent::MouseButtonRelease || !opening_)
        return QComboBox::eventFilter(watched, event);
    opening_ = false;
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const QWidget* entries = view()->viewport();
    return !entries->rect().contains(entries->mapFromGlobal(at));
}

}  // namespace zentar
