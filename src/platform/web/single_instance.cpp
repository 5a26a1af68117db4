// One game at a time in the browser: the tabs of the page share one saved game, so the
// first tab holds a lock of the browser's (Web Locks) while it plays, and a later
// tab tells the player the game is open elsewhere, starts nothing, and offers to try again.
#include <emscripten.h>

#include "platform/single_instance.h"

namespace zentar {
namespace {

// 1 when this tab holds the page's lock now, 0 when another tab does.
// clang-format off
EM_ASYNC_JS(int, takeTabLock, (), {
    if (!navigator.locks) return 1;  // a browser without the locks: this tab plays
    return await new Promise(function(resolve) {
        navigator.locks.request("zentar", {ifAvailable: true}, function(lock) {
            resolve(lock ? 1 : 0);
            // Held while the tab plays; the game lets it go when it ends.
            if (lock) return new Promise(function(release) { Module.zentarReleaseTab = release; });
        });
    });
});

EM_JS(void, showOpenElsewhere, (), {
    if (window.zentarShowEnd)
        zentarShowEnd("ゼンタルはほかのタブで開いています。\nそちらのタブで遊んでください。", true,
                      "もう一度試す");
});
// clang-format on

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFolder)
    : folder_(settingsFolder), lock_(lockFileName(settingsFolder)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString&) {
    return QStringLiteral("zentar");
}

QString SingleInstance::lockFileName(const QString&) {
    return {};
}

bool SingleInstance::claim(bool) {
    if (takeTabLock()) return true;
    showOpenElsewhere();
    return false;
}

}  // namespace zentar
