// The window manager on Linux minimises a dialog with its window and
// brings it back when the window is raised: nothing more to show.
#include "platform/hidden_dialogs.h"

namespace zentar {

void showHiddenDialogs(QWidget*) {}

}  // namespace zentar
