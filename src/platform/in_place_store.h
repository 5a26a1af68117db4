// A saved game in a store written key by key in place: the registry, the page's storage.
#pragma once

#include "platform/settings_store.h"

namespace zentar {

class InPlaceStore : public SettingsStore {
  public:
    InPlaceStore() = default;
    QString stage() override;
};

}  // namespace zentar
