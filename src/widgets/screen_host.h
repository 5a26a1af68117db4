// What a screen's window needs of the application that shows it: the game, the pictures,
// a way in for the player's events, and a pause while the battle's effect plays.
#pragma once

#include <functional>

#include "core/game.h"

namespace zentar {

class Pictures;

class ScreenHost {
  public:
    virtual Game& game() = 0;
    virtual Pictures& pictures() = 0;

    // Runs an event a window forwards when screen `id` is loaded and takes input, then
    // brings every window up to date.
    virtual void deliver(ScreenId id, const std::function<void()>& handler) = 0;

    // Shows what the battle's effect has drawn and lets the windows repaint for a while;
    // no input and no game timer gets through meanwhile.
    virtual void animate(int milliseconds) = 0;

  protected:
    ~ScreenHost() = default;
};

}  // namespace zentar
