// The saved game on Linux: the INI file $XDG_CONFIG_HOME/zentar/zentar.conf, saved whole
// beside it and renamed into place.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include "platform/file_store.h"
#include "platform/saved_game_store.h"

namespace zentar {
namespace {

QString settingsFile() {
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope,
                           QCoreApplication::organizationName(),
                           QCoreApplication::applicationName());
    return native.fileName();
}

}  // namespace

QString settingsFolder() {
    return QFileInfo(settingsFile()).absolutePath();
}

std::unique_ptr<Store> openSavedGame() {
    return std::make_unique<FileStore>(settingsFile());
}

}  // namespace zentar
