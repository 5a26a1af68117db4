// The window of one screen: it forwards the player's events to the screen's handlers
// and copies the screen's control state into its widgets. Its close box is one of the
// screen's handlers, so that no window closes behind the game's back.
#pragma once

#include <QCloseEvent>
#include <functional>

#include "widgets/screen_host.h"
#include "widgets/view.h"

namespace zentar {

template <typename Base, typename F>
class ScreenWindow : public Base, public View {
  public:
    // A window of fixed size, so with nothing to maximise; a dialog takes its own buttons.
    ScreenWindow(ScreenHost& app, void (F::*closeBox)())
        : Base(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint),
          app_(app),
          closeBox_(closeBox) {}

    QWidget* widget() override { return this; }
    void sync() override {
        if (const F* f = app_.game().template find<F>()) syncFrom(*f);
    }

  protected:
    // Copies the control state of the screen into the widgets.
    virtual void syncFrom(const F& f) = 0;

    // Forwards an event to a handler of the screen, which runs when the screen takes input.
    template <typename Handler>
    void forward(Handler&& handler) {
        app_.deliver(F::kId, [&] { std::invoke(handler, *app_.game().template find<F>()); });
    }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        forward(closeBox_);
    }

    ScreenHost& app_;

  private:
    void (F::*closeBox_)();
};

}  // namespace zentar
