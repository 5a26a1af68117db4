// The window manager here (X11's, or the page's) minimises a dialog with its window and
// brings it back when the window is raised: nothing more to show.
#include "desktop/hidden_dialogs.h"

namespace zentar {

void showHiddenDialogs(QWidget*) {}

}  // namespace zentar
