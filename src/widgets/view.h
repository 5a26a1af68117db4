// A window of one screen: it forwards the player's events to the screen's handlers
// and copies the screen's control state into its widgets.
#pragma once

class QWidget;

namespace zentar {

class View {
  public:
    virtual ~View() = default;
    virtual QWidget* widget() = 0;
    // Copies the control state of the screen into the widgets.
    virtual void sync() = 0;
};

}  // namespace zentar
