#include "platform/in_place_store.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace zentar {
namespace {

const QString kGroup = QStringLiteral("velmora/");
// The journal of a save under way, beside the section of the saved game: every value of
// the save in one text.
const QString kJournal = QStringLiteral("velmora-journal");

QString journalText(const QList<std::pair<QString, QString>>& values) {
    QJsonObject save;
    for (const auto& [key, value] : values) save.insert(key, value);
    return QString::fromUtf8(QJsonDocument(save).toJson(QJsonDocument::Compact));
}

std::optional<QHash<QString, QString>> journalValues(const QString& text) {
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject()) return std::nullopt;
    QHash<QString, QString> values;
    const QJsonObject save = document.object();
    for (auto it = save.begin(); it != save.end(); ++it) {
        if (!it->isString()) return std::nullopt;
        values.insert(it.key(), it->toString());
    }
    return values;
}

}  // namespace

SettingsValues::SettingsValues()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {}

std::optional<QString> SettingsValues::get(const QString& key) {
    return settings_.contains(key) ? std::optional(settings_.value(key).toString()) : std::nullopt;
}

bool SettingsValues::set(const QString& key, const QString& value) {
    settings_.setValue(key, value);
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

void SettingsValues::remove(const QString& key) {
    settings_.remove(key);
    settings_.sync();
}

InPlaceStore::InPlaceStore(std::unique_ptr<Values> values) : values_(std::move(values)) {
    if (!values_->get(kJournal)) return;
    if (const auto save = journal())
        complete(*save);
    else
        values_->remove(kJournal);  // no save of the game's: nothing to complete
}

std::optional<QHash<QString, QString>> InPlaceStore::journal() {
    const std::optional<QString> text = values_->get(kJournal);
    return text ? journalValues(*text) : std::nullopt;
}

// Writes the values of a journalled save in place, then lets its journal go; while the
// store refuses a value, the journal stays and is the saved game.
void InPlaceStore::complete(const QHash<QString, QString>& save) {
    pending_ = save;
    for (auto it = save.begin(); it != save.end(); ++it)
        if (!values_->set(kGroup + it.key(), *it)) return;
    values_->remove(kJournal);
    pending_.clear();
}

bool InPlaceStore::contains(const QString& key) {
    return pending_.isEmpty() ? values_->get(kGroup + key).has_value() : pending_.contains(key);
}

QString InPlaceStore::read(const QString& key, const QString& fallback) {
    if (!pending_.isEmpty()) return pending_.value(key, fallback);
    return values_->get(kGroup + key).value_or(fallback);
}

void InPlaceStore::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

QString InPlaceStore::stage() {
    staged_.clear();
    earlier_ = values_->get(kJournal);
    if (!values_->set(kJournal, journalText(std::exchange(unsaved_, {})))) {
        discard();
        return QStringLiteral(
            "保存先が書き込みを受け付けませんでした。\n前のセーブはそのまま残っています。");
    }
    staged_ = journal().value_or(QHash<QString, QString>());
    return {};
}

std::optional<QString> InPlaceStore::staged(const QString& key) {
    const auto it = staged_.constFind(key);
    return it == staged_.cend() ? std::nullopt : std::optional(*it);
}

QString InPlaceStore::commit() {
    complete(staged_);
    return {};
}

// The journal goes, or the one it replaced comes back: the saved game stays as it was.
void InPlaceStore::discard() {
    if (earlier_)
        values_->set(kJournal, *earlier_);
    else
        values_->remove(kJournal);
}

}  // namespace zentar
