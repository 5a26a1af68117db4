// The saved game on Windows: the registry key HKEY_CURRENT_USER\Software\zentar\zentar,
// written in place. The registry is no folder, so the lock lives in the user's own
// application data.
#include <QStandardPaths>

#include "platform/in_place_store.h"
#include "platform/saved_game_store.h"

namespace zentar {

QString settingsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zentar");
}

std::unique_ptr<Store> openSavedGame() {
    return std::make_unique<InPlaceStore>();
}

}  // namespace zentar
