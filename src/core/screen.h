// What every screen shares: its place in the game and its timers. A screen is
// control state plus event handlers; the views only mirror it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace zentar {

class Game;
struct Timer;

enum class ScreenId { Title, Main, Training, Shop, Battle, Chooser, Ending };
inline constexpr int kScreenCount = 7;

// How often a timer fires: every `Interval` milliseconds, or on the platform's tick, for
// the timers designed to run as often as the platform allows (their interval is 1).
enum class Pace { Interval, Tick };

struct TimerHook {
    Timer* timer;
    std::function<void()> fire;
    Pace pace = Pace::Interval;
    // A tick-paced timer that may sleep: while `idle` holds, its ticks change nothing the
    // player sees but the time of day; `catchUp(n)` runs n ticks at once, leaving all as n
    // ticks one by one would.
    std::function<bool()> idle = nullptr;
    std::function<void(std::int64_t ticks)> catchUp = nullptr;
};

class Screen {
  public:
    explicit Screen(Game& game) : g(game) {}
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The screen's timers, each known by its record, with their tick handlers; the
    // windows read them once, when the screen has loaded.
    virtual std::vector<TimerHook> timers() { return {}; }

  protected:
    Game& g;
};

}  // namespace zentar
