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
    // A timer that may sleep: its ticks fall every kTickMs from `origin` on the steady
    // clock, and `ticks` of them have run.
    std::int64_t origin = 0;
    std::int64_t ticks = 0;
};

GameTimers::GameTimers(QObject* owner, Game& game, TimerClock& clock, Dispatch dispatch)
    : owner_(owner), game_(game), clock_(clock), dispatch_(std::move(dispatch)) {}

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
            if (t->hook.catchUp) {
                wakeNext(t);
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

// The tick a sleeping timer is at now, counted from when it started.
std::int64_t GameTimers::tickNow(const GameTimer* t) {
    return (clock_.steadyMs() - t->origin) / kTickMs;
}

// A timer that may sleep wakes on the next tick after any other event, which may have
// changed what it shows; after its own wake, while idle, on the first tick of the next
// second of the time of day, which the day clock shows.
void GameTimers::wakeNext(GameTimer* t) {
    const std::int64_t now = clock_.steadyMs();
    if (!t->isActive()) {
        t->origin = now;
        t->ticks = 0;
    }
    std::int64_t next = tickNow(t) + 1;
    if (t->held && t->hook.idle())
        next = (now + clock_.msToNextSecond() - t->origin + kTickMs - 1) / kTickMs;
    t->start(static_cast<int>(t->origin + next * kTickMs - now));
}

void GameTimers::catchUp() {
    for (const ScreenTimers& screen : timers_)
        for (GameTimer* t : screen.timers)
            if (t->hook.catchUp && t->isActive() && mayFire(t)) game_.run([&] { runDue(t); });
}

// Runs the ticks of a sleeping timer that are due by now.
void GameTimers::runDue(GameTimer* t) {
    const std::int64_t due = tickNow(t) - t->ticks;
    if (due <= 0) return;
    t->ticks += due;
    t->hook.catchUp(due);
}

void GameTimers::hold(bool held) {
    held_ = held;
    if (held) return;
    for (const ScreenTimers& screen : timers_)
        for (GameTimer* t : screen.timers)
            if (t->hook.catchUp && t->isActive()) t->ticks = tickNow(t);
}

bool GameTimers::mayFire(const GameTimer* t) const {
    return !held_ && !game_.ended() && !t->held && game_.screen(t->id) == t->screen &&
           t->hook.timer->Enabled;
}

// A timer's handler runs once at a time: while it waits for a message box, the same
// timer does not call it again. A timer that may sleep wakes to run the ticks it owes.
void GameTimers::fire(GameTimer* t) {
    if (!mayFire(t)) return;
    const QPointer<GameTimer> alive(t);  // the screen may leave while the handler runs
    const std::function<void()> handler =
        t->hook.catchUp ? std::function<void()>([this, t] { runDue(t); }) : t->hook.fire;
    t->held = true;
    dispatch_(handler);
    if (alive) alive->held = false;
}

}  // namespace zentar
