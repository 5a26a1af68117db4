// The Qt side of the game, above the core: the game in its windows, one Qt window per
// loaded screen, one QTimer per timer of a loaded screen, and after every handled event
// the windows and timers brought up to date.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/game.h"
#include "desktop/qt_services.h"
#include "widgets/pictures.h"
#include "widgets/screen_host.h"
#include "widgets/view.h"

class QTextBrowser;

namespace zentar {

class GameTimer;

// The services behind the rules' seams that the application is handed: main() makes
// the real ones, a test fakes them. The message boxes are the windows' own.
struct DesktopServices {
    RandomSource& random;
    Sound& sound;
    Clock& clock;
    Store& store;
};

class Application : public QObject, public ScreenHost, private DialogueHost {
  public:
    explicit Application(const DesktopServices& services);
    ~Application() override;

    Game& game() override { return game_; }
    Pictures& pictures() override { return pictures_; }

    // Opens the title screen.
    void start();

    // Runs one handler of the game, then brings every window up to date.
    template <typename Handler>
    void dispatch(Handler&& handler) {
        game_.run(std::forward<Handler>(handler));
        refresh();
    }

    void deliver(ScreenId id, const std::function<void()>& handler) override;

    // Ends the game from outside the game: saves as closing the main screen would.
    void terminate();
    // The exit status of the program: not 0 when the last save of the run failed, so that
    // a save lost as the session ends shows in its log.
    int exitStatus() const { return game_.lastSaveFailed() ? 1 : 0; }

    // Brings the window the player was using to the front: the open message box or
    // dialog, else the screen that takes input. A later start of the game asks for it.
    // False when no window is open.
    bool raiseActiveWindow();

    // The window of a screen, when it has one.
    QWidget* window(ScreenId id) const;
    // The QTimer that runs a timer record of a loaded screen, once one was made for it.
    const QTimer* timer(const Timer& record) const;
    void refresh();

    void animate(int milliseconds) override;

  private:
    bool closing() const override { return closing_; }
    void syncWindows() override;
    QWidget* frontWindow() const override;
    void openHelp() override;
    void syncTimers();
    void retime(ScreenId id, Screen* screen);
    void placeNewWindow(ScreenId id, QWidget* w);
    QWidget* ownerWindow(ScreenId id) const;
    QMargins frameMargins();
    void noteFrame(const QWidget* w);
    QRect availableScreen() const;
    void fire(GameTimer* t);
    std::unique_ptr<View> makeView(ScreenId id);

    QtDialogues dialogues_{*this};
    Game game_;
    Pictures pictures_;
    std::array<std::unique_ptr<View>, kScreenCount> views_;
    // The timers of each screen, read from it once when it loaded.
    struct ScreenTimers {
        const Screen* screen = nullptr;
        std::vector<GameTimer*> timers;
    };
    std::array<ScreenTimers, kScreenCount> timers_;
    std::vector<QPointer<QWidget>> leaving_;  // closed windows, deleted once no event runs
    QPointer<QTextBrowser> help_;
    QMargins frame_;          // the window manager's frame, as last seen round a shown window
    bool closing_ = false;    // told to end from outside: no box waits for an answer
    bool animating_ = false;  // an effect plays
};

}  // namespace zentar
