// The desktop's single instance on Windows: a game holds its lock open for as long as it
// runs and lets nobody else write it, and listens on a pipe of the user's session.
#include <QFile>
#include <QFileInfo>

#include "platform/single_instance.h"

namespace zentar {

bool lockHeld(const QString& path) {
    QFile lock(path);
    return QFileInfo(path).isFile() && !lock.open(QIODevice::ReadWrite);
}

QString localSocketName(const QString& name) {
    return name;
}

}  // namespace zentar
