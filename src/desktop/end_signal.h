// The operating system's own request to end the game from outside, besides the desktop
// session closing: one small file per platform.
#pragma once

#include <QObject>
#include <functional>

namespace zentar {

// Calls `onEnd` from the event loop each time the request arrives, while `owner` lives.
void watchEndSignal(QObject* owner, std::function<void()> onEnd);

}  // namespace zentar
