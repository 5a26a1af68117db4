// A saved game kept in an INI file, section "velmora". A save is written whole beside it,
// read back, and only then put in its place in one step: the file always holds one whole
// save, old or new. A file that is a link stays one: the save goes to where it leads.
// What the settings reader passes over in the file is found as it is read, and a damaged
// file can be kept aside.
#pragma once

#include <QHash>
#include <QList>
#include <QSettings>
#include <utility>

#include "state/ini_check.h"
#include "state/store.h"

namespace zentar {

class FileStore : public Store, public StoreMending {
  public:
    explicit FileStore(const QString& file);

    bool contains(const QString& key) override;
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    QString stage() override;
    std::optional<QString> staged(const QString& key) override;
    QString commit() override;
    void discard() override;
    StoreMending* mending() override { return this; }

    bool exact(const QString& key) override;
    bool damaged() override;
    QString notAFile() override;
    std::optional<QString> keepCopy() override;

  private:
    // What stands in the way of the staged file, with its path; "" when nothing does.
    QString stagingBlocked() const;
    void readBack();
    QString cannotWrite() const;

    QSettings settings_;  // reads the saved game; each save writes a file of its own
    QString target_;      // the file the saved game is in: the file, or where its link leads
    IniCheck check_;      // what the reader passed over in the file as it was read
    QList<std::pair<QString, QString>> unsaved_;  // written since the last stage
    QHash<QString, QString> staged_;              // the staged values as they read back
    QString copy_;                                // where the store was kept aside, once
};

// Puts the file `staged` in the place of `target` in one step, over what is there; says
// whether it did. Each desktop's own.
bool replaceFile(const QString& staged, const QString& target);

}  // namespace zentar
