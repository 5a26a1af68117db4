// The end of a run in the browser: the player closes or reloads the tab, and the page is
// told once the game has ended.
#include <emscripten.h>
#include <emscripten/html5.h>
#include <QCoreApplication>

#include "platform/run.h"

namespace zentar {
namespace {

std::function<void()> onUnload;

const char* unloading(int, const void*, void*) {
    if (onUnload) onUnload();
    return nullptr;  // the tab closes without asking: the game is saved by then
}

// The page no longer shows a game: it says that the game has ended and offers a new one,
// and another tab may play now.
// clang-format off
EM_JS(void, showEnded, (), {
    if (Module.zentarReleaseTab) Module.zentarReleaseTab();
    if (window.zentarShowEnd) zentarShowEnd("ゼンタルを終了しました。", true);
});
// clang-format on

}  // namespace

void useStartingConsole() {}

void watchEndSignal(QObject* owner, std::function<void()> onEnd) {
    onUnload = std::move(onEnd);
    QObject::connect(owner, &QObject::destroyed, [] { onUnload = nullptr; });
    emscripten_set_beforeunload_callback(nullptr, unloading);
}

void endRun(int status) {
    QCoreApplication::exit(status);
    showEnded();
}

}  // namespace zentar
