// A game on the fake platform, driven the way the windows drive it.
#pragma once

#include "core/controls.h"
#include "core/game.h"
#include "fake_platform.h"
#include "screens/screens.h"
#include "state/saved_game.h"

namespace zentar {

// The whole game state as text: every saved value and the working values.
inline QMap<QString, QString> wholeState(const GameState& st) {
    FakeStore image;
    saveGame(st, image);
    const auto n = [](std::int32_t v) { return QString::number(v); };
    image.store["aite"] = n(st.aite);
    image.store["nissu"] = n(st.nissu);
    image.store["kunren"] = n(st.kunren);
    image.store["tokei"] = n(st.tokei);
    image.store["talk"] = st.talk[0] + st.kaigyo + st.talk[1];
    image.store["sentaku"] = st.sentaku;
    return image.store;
}

struct Session {
    FakePlatform pf;
    Game g{pf.services(), makeScreen};

    Session() {
        g.st.kaigyo = QStringLiteral("\r\n");
        g.attachSurface(&pf);
    }

    // Runs one event of the game, as a window or a timer does.
    template <typename Handler>
    void run(Handler&& handler) {
        g.run(std::forward<Handler>(handler));
    }

    // One turn of the screen's timers: every timer that is on fires once, as the
    // game's own timers do.
    void fireTimers(Screen& screen) {
        for (const TimerHook& t : screen.timers())
            if (t.timer->Enabled) run(t.fire);
    }

    // A new game with the main screen open, as after "はじめから".
    template <typename Main>
    Main& newGameOnMain(const QString& name = {}) {
        g.st.newGame(name);
        run([&] { g.Show(Main::kId); });
        return *g.find<Main>();
    }
};

}  // namespace zentar
