// The one sound of the game: the beep of a blow that lands.
#pragma once

namespace zentar {

class Sound {
  public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

}  // namespace zentar
