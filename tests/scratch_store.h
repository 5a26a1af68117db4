// The tests' own settings store on disk: an organisation of their own (on Windows the
// store is the registry, which setPath does not move) and, on Linux, a folder of the
// test's choosing, so that no test opens the player's saved game.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/qt_services.h"

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

// The game's store on disk, opened on an empty scratch folder.
struct ScratchStore : ScratchFolder {
    QtStore store;
};

}  // namespace zentar
