// Dialogs the platform hid together with the window they belong to.
#pragma once

class QWidget;

namespace zentar {

// Shows again the dialogs of `owner` that the platform hid when it was minimised.
void showHiddenDialogs(QWidget* owner);

}  // namespace zentar
