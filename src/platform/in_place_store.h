// A saved game in a store written value by value in place: the registry, the page's
// storage. A save goes down whole first, as one value beside the saved game (its journal),
// then value by value, and then its journal goes. A save cut anywhere is completed from its
// journal at the next start, before anything reads the store; one the store refuses to
// journal leaves the saved game as it was. So the store holds one whole save, old or new.
#pragma once

#include <QHash>
#include <QList>
#include <QSettings>
#include <memory>
#include <optional>
#include <utility>

#include "state/store.h"

namespace zentar {

// A store's values one by one, where the platform keeps them.
class Values {
  public:
    virtual ~Values() = default;
    virtual std::optional<QString> get(const QString& key) = 0;
    // Writes one value in one step; false when the store refused it (full, private window).
    virtual bool set(const QString& key, const QString& value) = 0;
    virtual void remove(const QString& key) = 0;
};

// The platform's own settings store of the application's names.
class SettingsValues : public Values {
  public:
    SettingsValues();
    std::optional<QString> get(const QString& key) override;
    bool set(const QString& key, const QString& value) override;
    void remove(const QString& key) override;

  private:
    QSettings settings_;
};

class InPlaceStore : public Store {
  public:
    // Completes the save a journal in `values` holds.
    explicit InPlaceStore(std::unique_ptr<Values> values);

    bool contains(const QString& key) override;
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    QString stage() override;
    std::optional<QString> staged(const QString& key) override;
    QString commit() override;
    void discard() override;

  private:
    std::optional<QHash<QString, QString>> journal();
    void complete(const QHash<QString, QString>& save);

    std::unique_ptr<Values> values_;
    QList<std::pair<QString, QString>> unsaved_;  // written since the last stage
    QHash<QString, QString> staged_;              // the journal as it reads back
    std::optional<QString> earlier_;              // a journal the staged one replaced
    // A save whose journal stays because the store refused its values: the saved game.
    QHash<QString, QString> pending_;
};

}  // namespace zentar
