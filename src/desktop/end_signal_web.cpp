// The browser's request to end: the player closes or reloads the tab.
#include <emscripten/html5.h>

#include "desktop/end_signal.h"

namespace zentar {
namespace {

std::function<void()> onUnload;

const char* unloading(int, const void*, void*) {
    if (onUnload) onUnload();
    return nullptr;  // the tab closes without asking: the game is saved by then
}

}  // namespace

void watchEndSignal(QObject* owner, std::function<void()> onEnd) {
    onUnload = std::move(onEnd);
    QObject::connect(owner, &QObject::destroyed, [] { onUnload = nullptr; });
    emscripten_set_beforeunload_callback(nullptr, unloading);
}

}  // namespace zentar
