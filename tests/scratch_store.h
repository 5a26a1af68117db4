// The tests' own settings store on disk: an organisation of their own (on Windows the
// store is the registry, which setPath does not move) and, on Linux, a folder of the
// test's choosing, so that no test opens the player's saved game.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

#include "platform/saved_game_store.h"

namespace zentar {

// Points the tests' own per-user store at `folder`.
inline void storeIn(const QString& folder) {
    QCoreApplication::setOrganizationName(QStringLiteral(ZENTAR_TEST_STORE));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

// The tests' own store in a scratch folder, empty.
struct ScratchFolder {
    QTemporaryDir dir;
    ScratchFolder() {
        storeIn(dir.path());
        QSettings().clear();
    }
};

// The platform's store of the saved game, opened on an empty scratch folder.
struct ScratchStore : ScratchFolder {
    std::unique_ptr<Store> opened = openSavedGame();
    Store& store = *opened;
};

}  // namespace zentar
