// The end of a run on Windows. Windows asks a window program to end through its windows
// only: closing them, or the session ending (log off, shutdown), which reaches the game
// through Qt's session management. There is no signal besides those to watch.
#include <QCoreApplication>

#include "platform/run.h"

namespace zentar {

void watchEndSignal(QObject*, std::function<void()>) {}

void endRun(int status) {
    QCoreApplication::exit(status);
}

}  // namespace zentar
