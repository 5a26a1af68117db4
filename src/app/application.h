// The game in its windows: one Qt window per loaded screen, one QTimer per timer
// that is on, and after every handled event the windows brought up to date.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/game.h"
#include "app/view.h"
#include "platform/qt_platform.h"

class QTextBrowser;

namespace zentar {

class Application : public QObject {
  public:
    Application();
    ~Application() override;

    Game& game() { return game_; }
    QtPlatform& platform() { return platform_; }

    // Opens the title screen.
    void start();

    // Runs one handler of the game, then brings every window up to date.
    template <typename Handler>
    void dispatch(Handler&& handler) {
        game_.dispatch(std::forward<Handler>(handler));
        refresh();
    }

    // Runs a handler of screen F when that screen is loaded and takes input.
    template <typename F, typename Handler>
    void handle(Handler&& handler) {
        dispatch([&] {
            if (F* f = game_.find<F>(); f && game_.enabled(F::kId) && !platform_.animating())
                std::invoke(handler, *f);
        });
    }

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
    // The QTimer that runs timer `index` of a screen's timers(), once one was made for it.
    const QTimer* timer(ScreenId id, int index) const;
    void refresh();

  private:
    void syncWindows();
    void syncTimers();
    void placeNewWindow(ScreenId id, QWidget* w);
    QWidget* ownerWindow(ScreenId id) const;
    QMargins frameMargins();
    void noteFrame(const QWidget* w);
    QRect availableScreen() const;
    // The game window in front: the dialog that is open, else the screen's window.
    QWidget* frontWindow() const;
    void fire(ScreenId id, int index);
    void openHelp();
    std::unique_ptr<View> makeView(ScreenId id);

    QtPlatform platform_;
    Game game_;
    std::array<std::unique_ptr<View>, kScreenCount> views_;
    std::array<std::vector<QTimer*>, kScreenCount> timers_;
    std::set<std::pair<int, int>> held_;      // timers whose handler is running
    std::vector<QPointer<QWidget>> leaving_;  // closed windows, deleted once no event runs
    QPointer<QTextBrowser> help_;
    QMargins frame_;  // the window manager's frame, as last seen round a shown window
};

}  // namespace zentar
