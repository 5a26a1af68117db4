// A widget that hands every key press to the game first, as a key code; the widget's
// own handling of the key (moving a cursor, a scroll bar) follows where wanted.
#pragma once

#include <QKeyEvent>
#include <functional>

#include "widgets/virtual_keys.h"

namespace zentar {

template <typename Base>
class KeyForwarding : public Base {
  public:
    using Base::Base;
    // Receives the key code; returns whether the widget should handle the key too.
    std::function<bool(int keyCode)> onKey;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = virtualKey(event);
        if (key < 0 || !onKey) return Base::keyPressEvent(event);
        if (onKey(key)) Base::keyPressEvent(event);
        event->accept();
    }
};

}  // namespace zentar
