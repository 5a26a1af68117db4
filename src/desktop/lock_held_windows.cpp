// A game holds its lock open for as long as it runs, and lets nobody else write it.
#include <QFile>
#include <QFileInfo>

#include "desktop/single_instance.h"

namespace zentar {

bool lockHeld(const QString& path) {
    QFile lock(path);
    return QFileInfo(path).isFile() && !lock.open(QIODevice::ReadWrite);
}

}  // namespace zentar
