// The desktop's single instance on Linux: a game holds its lock with flock() for as long
// as it runs, and listens in the user's own runtime folder.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <cerrno>

#include "platform/single_instance.h"

namespace zentar {

bool lockHeld(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;  // a lock nobody can open is no game's
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool processRunning(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Not in the shared temporary folder: another user's game must never answer.
QString localSocketName(const QString& name) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

}  // namespace zentar
