// The browser's request to end: the player closes or reloads the tab.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "desktop/end_signal.h"

namespace zentar {
namespace {

std::function<void()> onUnload;

const char* unloading(int, const void*, void*) {
    if (onUnload) onUnload();
    return nullptr;  // the tab closes without asking: the game is saved by then
}

// The page no longer shows a game, so it says that the game has ended.
EM_JS(void, showEnded, (), {
    if (window.zentarShowEnd) zentarShowEnd("ゼンタルを終了しました。", true);
});

}  // namespace

// The watch ends with the game: the page says so then.
void watchEndSignal(QObject* owner, std::function<void()> onEnd) {
    onUnload = std::move(onEnd);
    QObject::connect(owner, &QObject::destroyed, [] {
        onUnload = nullptr;
        showEnded();
    });
    emscripten_set_beforeunload_callback(nullptr, unloading);
}

}  // namespace zentar
