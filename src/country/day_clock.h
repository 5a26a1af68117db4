// Training growth: what one day of a training mode does to a country.
#pragma once

#include "core/random_source.h"
#include "state/game_state.h"

namespace zentar {

inline constexpr int kModeRandom = 6;  // 目茶苦茶: a random mode 0..4 each day

// A random mode 0..4 (mode 5 is never drawn; 0 means no growth that day).
int randomMode(RandomSource& random);

// One day of growth in the given mode; every term draws right before its field.
void growCountry(Country& c, int mode, RandomSource& random);

// One trained day for all sixteen countries: the player by `kunren`, the others at
// random; then one more day and one fewer to go.
void passDay(GameState& st, RandomSource& random);

}  // namespace zentar
