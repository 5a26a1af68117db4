#include "platform/settings_store.h"

#include <QCoreApplication>

namespace zentar {
namespace {

constexpr char kSection[] = "velmora";
const QString kGroup = QStringLiteral("velmora/");

}  // namespace

SettingsStore::SettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {}

SettingsStore::SettingsStore(const QString& file) : settings_(file, QSettings::IniFormat) {}

bool SettingsStore::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString SettingsStore::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

void SettingsStore::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

std::optional<QString> SettingsStore::staged(const QString& key) {
    const auto it = staged_.constFind(key);
    return it == staged_.cend() ? std::nullopt : std::optional(*it);
}

QString SettingsStore::put(QSettings& out) {
    for (const auto& [key, value] : unsaved_) out.setValue(kGroup + key, value);
    unsaved_.clear();
    out.sync();
    switch (out.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return cannotWrite();
        case QSettings::FormatError:
            return QStringLiteral("%1 の形式が正しくありません。").arg(settings_.fileName());
    }
    return QStringLiteral("原因不明のエラーです。");
}

void SettingsStore::takeStaged(QSettings& in) {
    staged_.clear();
    in.beginGroup(QLatin1String(kSection));
    const QStringList keys = in.childKeys();
    for (const QString& key : keys) staged_.insert(key, in.value(key).toString());
}

QString SettingsStore::cannotWrite() const {
    return QStringLiteral("%1 に書き込めません。").arg(settings_.fileName());
}

}  // namespace zentar
