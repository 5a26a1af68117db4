#include "app/game_timers.h"

#include <QPointer>
#include <QTimer>

#include "core/controls.h"

namespace zentar {

// The QTimer of one of a screen's timers: the record says whether it runs and how often.
class GameTimer : public QTimer {
  public:
    GameTimer(QObject* parent, ScreenId id, const Screen* screen, TimerHook hook)
        : QTimer(parent), id(id), screen(screen), hook(std::move(hook)) {
        setTimerType(Qt::PreciseTimer);
    }
    const ScreenId id;
    const Screen* const screen;
    const TimerHook hook;
    bool held = false;  // its handler is running
};

GameTimers::GameTimers(QObject* owner, Game& game, Dispatch dispatch)
    : owner_(owner), game_(game), dispatch_(std::move(dispatch)) {}

// The timers stop first: no handler may run into a game that is half torn down.
GameTimers::~GameTimers() {
    for (const ScreenTimers& screen : timers_)
        for (QTimer* t : screen.timers) t->stop();
}

const QTimer* GameTimers::timer(const Timer& record) const {
    for (const ScreenTimers& screen : timers_)
        for (const GameTimer* t : screen.timers)
            if (t->hook.timer == &record) return t;
    return nullptr;
}

// A timer runs every `Interval` ms, or on the platform's tick when it is designed to run
// as often as the platform allows. A screen's timers are read once, when it has loaded;
// those of a screen that left go with it.
void GameTimers::sync() {
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        Screen* screen = game_.ended() ? nullptr : game_.screen(id);
        const ScreenTimers& timed = timers_[i];
        if (timed.screen != screen) retime(id, screen);
        for (GameTimer* t : timed.timers) {
            if (!t->hook.timer->Enabled) {
                t->stop();
                continue;
            }
            const int period = t->hook.pace == Pace::Tick ? kTickMs : t->hook.timer->Interval;
            if (!t->isActive() || t->interval() != period) t->start(period);
        }
    }
}

// Puts the timers of the screen now in a slot in place of those of the one before.
void GameTimers::retime(ScreenId id, Screen* screen) {
    ScreenTimers& timed = timers_[static_cast<int>(id)];
    for (GameTimer* t : timed.timers) {
        t->stop();
        t->deleteLater();  // its handler may be running
    }
    timed.timers.clear();
    timed.screen = screen;
    if (!screen) return;
    for (const TimerHook& hook : screen->timers()) {
        auto* t = new GameTimer(owner_, id, screen, hook);
        QObject::connect(t, &QTimer::timeout, t, [this, t] { fire(t); });
        timed.timers.push_back(t);
    }
}

// A timer's handler runs once at a time: while it waits for a message box, the same
// timer does not call it again.
void GameTimers::fire(GameTimer* t) {
    if (held_ || game_.ended() || t->held || game_.screen(t->id) != t->screen ||
        !t->hook.timer->Enabled)
        return;
    const QPointer<GameTimer> alive(t);  // the screen may leave while the handler runs
    const std::function<void()> handler = t->hook.fire;
    t->held = true;
    dispatch_(handler);
    if (alive) alive->held = false;
}

}  // namespace zentar
