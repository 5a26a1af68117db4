// The Qt side of the game, above the core: the game in its windows and timers, brought up
// to date after every handled event, and the message boxes and help it shows.
#pragma once

#include <QObject>
#include <functional>
#include <utility>

#include "app/game_timers.h"
#include "app/game_windows.h"
#include "app/qt_services.h"
#include "core/game.h"
#include "widgets/pictures.h"
#include "widgets/screen_host.h"

class QTimer;

namespace zentar {

// The services behind the rules' seams that the application is handed: main() makes
// the real ones, a test fakes them. The message boxes are the windows' own.
struct AppServices {
    RandomSource& random;
    Sound& sound;
    Clock& clock;
    TimerClock& timerClock;
    Store& store;
};

class Application : public QObject, public ScreenHost, private DialogueHost {
  public:
    explicit Application(const AppServices& services);

    Game& game() override { return game_; }
    Pictures& pictures() override { return pictures_; }

    // Opens the title screen.
    void start();

    // Runs one handler of the game, then brings every window up to date. The ticks a
    // sleeping timer owes run first.
    template <typename Handler>
    void dispatch(Handler&& handler) {
        timers_.catchUp();
        game_.run(std::forward<Handler>(handler));
        refresh();
    }

    void deliver(ScreenId id, const std::function<void()>& handler) override;

    // Ends the game from outside the game: saves as closing the main screen would, and
    // leaves the shop for it first.
    void terminate();
    // The exit status of the program: not 0 when the last save of the run failed, so that
    // a save lost as the session ends shows in its log.
    int exitStatus() const { return game_.lastSaveFailed() ? 1 : 0; }

    // Brings the window the player was using to the front. A later start of the game asks
    // for it. False when no window is open.
    bool raiseActiveWindow() { return windows_.raiseActiveWindow(); }

    // The window of a screen, when it has one.
    QWidget* window(ScreenId id) const { return windows_.window(id); }
    // The QTimer that runs a timer record of a loaded screen, once one was made for it.
    const QTimer* timer(const Timer& record) const { return timers_.timer(record); }
    void refresh();

    void animate(int milliseconds) override;

  private:
    bool closing() const override { return closing_; }
    void syncWindows() override { windows_.sync(); }
    QWidget* frontWindow() const override { return windows_.frontWindow(); }
    void openHelp() override { windows_.openHelp(); }

    QtDialogues dialogues_{*this};
    Game game_;
    Pictures pictures_;
    GameWindows windows_{*this};
    // Declared last, so they stop first: no handler may run into a half torn down game.
    GameTimers timers_;
    bool closing_ = false;  // told to end from outside: no box waits for an answer
};

}  // namespace zentar
