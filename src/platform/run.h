// The run of the program: the console it was started from, the end asked from outside,
// and its end.
#pragma once

#include <QObject>
#include <functional>

namespace zentar {

// Lets a command of the game print to the console it was started from: a Windows window
// program has none of its own.
void useStartingConsole();

// Calls `onEnd` from the event loop each time the operating system asks the game to end
// from outside (besides the desktop session closing, which Qt tells), while `owner` lives.
void watchEndSignal(QObject* owner, std::function<void()> onEnd);

// Ends the run of the program with `status` once the game has ended. The browser's event
// loop never returns, so there the page is told as well.
void endRun(int status);

}  // namespace zentar
