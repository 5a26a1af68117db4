#include "app/application.h"

#include "country/shop.h"
#include "platform/run.h"
#include "platform/waiting.h"
#include "screens/screens.h"
#include "widgets/game_look.h"

// The pictures and the manual are compiled into the view library.
static void loadResources() {
    Q_INIT_RESOURCE(assets);
}

namespace zentar {

Application::Application(const AppServices& services)
    : game_({services.random, dialogues_, services.sound, services.clock, services.store},
            makeScreen),
      timers_(this, game_, services.timerClock,
              [this](const std::function<void()>& handler) { dispatch(handler); }) {
    loadResources();
    applyGameLook();
}

void Application::start() {
    dispatch([this] { game_.start(); });
}

void Application::terminate() {
    closing_ = true;
    dispatch([this] {
        // The shop left as its close box leaves it, by 帰る: its purchases are saved with
        // the main screen it returns to.
        if (Shop* shop = game_.find<Shop>()) shop->NO_Click();
        game_.Unload(ScreenId::Main);
        game_.End();
    });
}

void Application::refresh() {
    windows_.sync();
    timers_.sync();
    if (game_.ended()) {
        windows_.closeAll();
        endRun(exitStatus());
    }
}

void Application::deliver(ScreenId id, const std::function<void()>& handler) {
    dispatch([&] {
        // While an effect plays, the timers are held and no input gets through either.
        if (game_.loaded(id) && game_.enabled(id) && !timers_.held()) handler();
    });
}

void Application::animate(int milliseconds) {
    timers_.hold(true);
    windows_.sync();
    pauseFor(milliseconds);
    timers_.hold(false);
}

}  // namespace zentar
