// The saved game in a QSettings store, section "velmora": what every platform's store
// shares. A save's values are kept until stage(), which each kind of store puts down
// its own way, and its staged values are read back from where they were put down.
#pragma once

#include <QHash>
#include <QList>
#include <QSettings>
#include <utility>

#include "state/store.h"

namespace zentar {

class SettingsStore : public Store {
  public:
    bool contains(const QString& key) override;
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    std::optional<QString> staged(const QString& key) override;

  protected:
    // The platform's own store of the application's names (the registry, the page's
    // storage), or the INI file `file`.
    SettingsStore();
    explicit SettingsStore(const QString& file);

    // Writes what was written since the last stage into `out`, and says how that went.
    QString put(QSettings& out);
    // Takes the saved game's values from `in` as the staged ones.
    void takeStaged(QSettings& in);
    QString cannotWrite() const;

    QSettings settings_;  // reads the store; each save writes through a handle of its own
    QList<std::pair<QString, QString>> unsaved_;  // written since the last stage
    QHash<QString, QString> staged_;              // the staged values as they read back
};

}  // namespace zentar
