// The saved game on Linux: the INI file $XDG_CONFIG_HOME/zentar/zentar.conf, saved whole
// beside it and renamed into place.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>

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

bool replaceFile(const QString& staged, const QString& target) {
    return std::rename(QFile::encodeName(staged).constData(),
                       QFile::encodeName(target).constData()) == 0;
}

}  // namespace zentar
