// A saved game kept in an INI file. A save is written whole beside it, read back, and only
// then renamed over it in one step: the file always holds one whole save, old or new. What
// the settings reader passes over in the file is found as it is read, and a damaged file
// can be kept aside.
#pragma once

#include "platform/settings_store.h"
#include "state/ini_check.h"

namespace zentar {

class FileStore : public SettingsStore, public StoreMending {
  public:
    explicit FileStore(const QString& file);

    QString stage() override;
    QString commit() override;
    void discard() override;
    StoreMending* mending() override { return this; }

    bool exact(const QString& key) override;
    bool damaged() override;
    std::optional<QString> keepCopy() override;

  private:
    IniCheck check_;  // what the reader passed over in the file as it was read
    QString copy_;    // where the store was kept aside, once
};

}  // namespace zentar
