// Where the saved game is kept on this platform, and how it is saved there: declared
// once here, implemented in the platform's own folder.
#pragma once

#include <QString>
#include <memory>

#include "state/store.h"

namespace zentar {

// The folder of the saved game's lock, one for each saved game: on Linux the folder of
// the settings file (it honours XDG_CONFIG_HOME); none in the browser.
QString settingsFolder();

// The player's saved game in the store of this platform, under the application's names:
// the game's own once main() has named it, a store of their own for other programs.
std::unique_ptr<Store> openSavedGame();

}  // namespace zentar
