// The game's timers: one QTimer for each timer record of a loaded screen, started, retimed
// and stopped as the records say after every handled event, firing the screen's handler.
// A timer that may sleep (the day clock while no order runs) wakes only when what it shows
// can change, and catches up the ticks it slept through before any handler runs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/game.h"

class QObject;
class QTimer;

namespace zentar {

// The period of the timers the game designs to run as often as the platform allows: the
// tick of the desktop the game was balanced on, 18.2 times a second.
inline constexpr int kTickMs = 55;

// The time the game's timers go by.
class TimerClock {
  public:
    virtual ~TimerClock() = default;
    // Milliseconds on a clock that never goes back: the ticks are counted on it.
    virtual std::int64_t steadyMs() = 0;
    // Milliseconds until the time of day turns to its next second.
    virtual int msToNextSecond() = 0;
};

class GameTimer;

class GameTimers {
  public:
    // Runs one handler of the game and brings the windows up to date.
    using Dispatch = std::function<void(const std::function<void()>& handler)>;

    // The QTimers are children of `owner`.
    GameTimers(QObject* owner, Game& game, TimerClock& clock, Dispatch dispatch);
    ~GameTimers();
    GameTimers(const GameTimers&) = delete;
    GameTimers& operator=(const GameTimers&) = delete;

    // Starts, retimes and stops the QTimers as the loaded screens' records now say.
    void sync();
    // Runs the ticks the sleeping timers owe by now: called before every handler, so that
    // each finds what timers woken on every tick would have left.
    void catchUp();
    // While held, no timer fires: an effect plays. The ticks it held back are lost.
    void hold(bool held);
    bool held() const { return held_; }

    // The QTimer that runs a timer record of a loaded screen, once one was made for it.
    const QTimer* timer(const Timer& record) const;

  private:
    void retime(ScreenId id, Screen* screen);
    void fire(GameTimer* t);
    bool mayFire(const GameTimer* t) const;
    void wakeNext(GameTimer* t);
    void runDue(GameTimer* t);
    std::int64_t tickNow(const GameTimer* t);

    QObject* const owner_;
    Game& game_;
    TimerClock& clock_;
    const Dispatch dispatch_;
    // The timers of each screen, read from it once when it loaded.
    struct ScreenTimers {
        const Screen* screen = nullptr;
        std::vector<GameTimer*> timers;
    };
    std::array<ScreenTimers, kScreenCount> timers_;
    bool held_ = false;
};

}  // namespace zentar
