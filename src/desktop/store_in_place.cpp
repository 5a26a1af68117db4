// The saved game is a store written key by key in place (the registry, the page's storage):
// a save is read back through a handle of its own, which reads the store as it is now.
#include "desktop/qt_services.h"

namespace zentar {

QString QtStore::stage() {
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

QString QtStore::commit() {
    return {};
}

void QtStore::discard() {}

}  // namespace zentar
