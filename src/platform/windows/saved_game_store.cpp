// The saved game on Windows: the registry key HKEY_CURRENT_USER\Software\zentar\zentar,
// written in place, with the lock in the user's own application data. A game carried on a
// USB stick or to another computer keeps its save in zentar.ini beside zentar.exe instead,
// saved whole as on Linux, with its lock beside it: the file being there says so.
#include <windows.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/file_store.h"
#include "platform/in_place_store.h"
#include "platform/saved_game_store.h"

namespace zentar {
namespace {

QString portableFile() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zentar.ini");
}

bool portable() {
    return QFileInfo(portableFile()).isFile();
}

}  // namespace

QString settingsFolder() {
    if (portable()) return QCoreApplication::applicationDirPath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zentar");
}

std::unique_ptr<Store> openSavedGame() {
    if (portable()) return std::make_unique<FileStore>(portableFile());
    return std::make_unique<InPlaceStore>(std::make_unique<SettingsValues>());
}

bool replaceFile(const QString& staged, const QString& target) {
    return MoveFileExW(reinterpret_cast<const wchar_t*>(staged.utf16()),
                       reinterpret_cast<const wchar_t*>(target.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace zentar
