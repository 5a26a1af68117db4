// A game on the fake platform, driven the way the windows drive it.
#pragma once

#include "app/game.h"
#include "fake_platform.h"

namespace zentar {

struct Session {
    FakePlatform pf;
    Game g{pf};

    Session() { g.st.kaigyo = QStringLiteral("\r\n"); }

    // Runs one event of the game, as a window or a timer does.
    template <typename Handler>
    void run(Handler&& handler) {
        g.dispatch(std::forward<Handler>(handler));
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
