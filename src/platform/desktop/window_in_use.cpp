// The desktops show the game's windows at their own size, and have a keyboard.
#include "platform/window_in_use.h"

namespace zentar {

void showWindowInUse(QWidget*, const QList<OnScreenKey>&) {}

}  // namespace zentar
