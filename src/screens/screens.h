// Every screen of the game, made by its id: the one place that knows them all, above the
// screens' folders, handed to the Game by whoever runs it.
#pragma once

#include <memory>

#include "core/screen.h"

namespace zentar {

std::unique_ptr<Screen> makeScreen(ScreenId id, Game& g);

}  // namespace zentar
