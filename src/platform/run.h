// The end of the game's run: asked from outside, and done.
#pragma once

#include <QObject>
#include <functional>

namespace zentar {

// Calls `onEnd` from the event loop each time the operating system asks the game to end
// from outside (besides the desktop session closing, which Qt tells), while `owner` lives.
void watchEndSignal(QObject* owner, std::function<void()> onEnd);

// Ends the run of the program with `status` once the game has ended. The browser's event
// loop never returns, so there the page is told as well.
void endRun(int status);

}  // namespace zentar
