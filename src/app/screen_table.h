// Every screen's window in one table: the screen it shows, how it is made, and the window
// a dialog stays with. The rules' side makes the screens themselves (screens/), which
// knows no window.
#pragma once

#include <Qt>
#include <memory>
#include <optional>
#include <span>

#include "core/screen.h"

namespace zentar {

class ScreenHost;
class View;

// A key a window answers besides its menus' shortcuts, with what it does.
struct WindowKey {
    const char16_t* action = nullptr;
    int key = 0;  // a Qt::Key
};

struct ScreenWindowKind {
    ScreenId id;
    std::unique_ptr<View> (*make)(ScreenHost& host);
    std::optional<ScreenId> owner;  // the window a dialog opens over and stays with
    WindowKey key = {};
};

// What a dialog's Escape does: it acts as its close box.
inline constexpr WindowKey kCloseKey = {u"閉じる", Qt::Key_Escape};

// The windows' kinds, the one most in front first: the dialogs, then the battle and the
// shop, which open while the main screen is away, then the rest.
std::span<const ScreenWindowKind> screenWindows();

// The kind of window of screen `id`.
const ScreenWindowKind& screenWindow(ScreenId id);

}  // namespace zentar
