// Where the rules' random draws come from: the game's only generator.
#pragma once

namespace zentar {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // One uniform draw in [0, 1).
    virtual float next() = 0;
    // Reseeds the generator from the clock (each battle set-up does this).
    virtual void seedFromClock() = 0;
};

}  // namespace zentar
