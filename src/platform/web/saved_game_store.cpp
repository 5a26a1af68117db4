// The saved game in the browser: the page's storage, written in place. There is no folder.
#include "platform/saved_game_store.h"
#include "platform/in_place_store.h"

namespace zentar {

QString settingsFolder() {
    return {};
}

std::unique_ptr<Store> openSavedGame() {
    return std::make_unique<InPlaceStore>();
}

}  // namespace zentar
