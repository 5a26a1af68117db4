// Windows hides a window's dialogs when it is minimised and shows them again only when
// the player restores it from the taskbar, not when the program restores it.
#include <windows.h>

#include <QWidget>

#include "platform/hidden_dialogs.h"

namespace zentar {

void showHiddenDialogs(QWidget* owner) {
    ShowOwnedPopups(reinterpret_cast<HWND>(owner->winId()), TRUE);
}

}  // namespace zentar
