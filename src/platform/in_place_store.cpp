// A save is read back through a handle of its own, which reads the store as it is now.
#include "platform/in_place_store.h"

namespace zentar {

QString InPlaceStore::stage() {
    staged_.clear();
    QSettings out(settings_.format(), settings_.scope(), settings_.organizationName(),
                  settings_.applicationName());
    const QString failure = put(out);
    if (!failure.isEmpty()) return failure;
    QSettings back(settings_.format(), settings_.scope(), settings_.organizationName(),
                   settings_.applicationName());
    takeStaged(back);
    return {};
}

}  // namespace zentar
