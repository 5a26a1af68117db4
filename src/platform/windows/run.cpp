// The end of a run on Windows. Windows asks a window program to end through its windows
// only: closing them, or the session ending (log off, shutdown), which reaches the game
// through Qt's session management. There is no signal besides those to watch.
#include <windows.h>

#include <QCoreApplication>
#include <cstdio>

#include "platform/run.h"

namespace zentar {

// Output sent to a file or a pipe goes there already; only what would be lost goes to the
// console, when there is one.
void useStartingConsole() {
    const bool out = GetStdHandle(STD_OUTPUT_HANDLE), error = GetStdHandle(STD_ERROR_HANDLE);
    if ((out && error) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!out) std::freopen("CONOUT$", "w", stdout);
    if (!error) std::freopen("CONOUT$", "w", stderr);
}

void watchEndSignal(QObject*, std::function<void()>) {}

void endRun(int status) {
    QCoreApplication::exit(status);
}

}  // namespace zentar
