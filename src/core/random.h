// The game's one random generator: std::mt19937, whose output every compiler
// gives alike; a draw is the top 24 bits of one output times 2^-24.
#pragma once

#include <cstdint>
#include <random>

namespace zentar {

class Random {
  public:
    explicit Random(std::uint32_t seed = 5489u) : engine_(seed) {}
    void seed(std::uint32_t s) { engine_.seed(s); }
    float next() { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }

  private:
    std::mt19937 engine_;
};

}  // namespace zentar
