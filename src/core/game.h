// The core of the game, below every Qt folder: the running game, with the state, the
// seams to the outside and the screens with the truth of which are loaded, visible and
// enabled. A screen that is unloaded leaves at once, but its object lives on until no
// handler runs any more, so no handler ever destroys the screen it runs in.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/battle_surface.h"
#include "core/clock.h"
#include "core/dialogues.h"
#include "core/random_source.h"
#include "core/screen.h"
#include "core/sound.h"
#include "state/game_state.h"
#include "state/store.h"

namespace zentar {

// Everything outside the rules that the game reaches, one seam each.
struct Services {
    RandomSource& random;
    Dialogues& dialogues;
    Sound& sound;
    Clock& clock;
    Store& store;
};

// Makes the screen of an id; the game is handed the one that knows every screen.
using ScreenMaker = std::unique_ptr<Screen> (*)(ScreenId id, Game& g);

class Game {
  public:
    Game(const Services& services, ScreenMaker makeScreen);
    ~Game();

    GameState st;
    RandomSource& random;
    Dialogues& dialogues;
    Sound& sound;
    Clock& clock;
    Store& store;

    // The battle's drawing surface: the one the battle's window attached, else one that
    // draws nowhere.
    BattleSurface& surface() const;
    void attachSurface(BattleSurface* surface) { surface_ = surface; }
    // Detaches the surface, if it is still the one attached.
    void detachSurface(const BattleSurface* surface);

    // Opens the title screen, as the program does when it starts.
    void start();

    void Load(ScreenId id);
    void Show(ScreenId id);  // loads first if needed
    void Hide(ScreenId id);
    void Unload(ScreenId id);  // runs the close handler, stops the timers
    void SetEnabled(ScreenId id, bool enabled);
    void End();  // ends the program at once; saves nothing

    bool loaded(ScreenId id) const { return slot(id).screen != nullptr; }
    bool visible(ScreenId id) const { return loaded(id) && slot(id).visible; }
    bool enabled(ScreenId id) const { return !loaded(id) || slot(id).enabled; }
    bool ended() const { return ended_; }
    Screen* screen(ScreenId id) const { return slot(id).screen.get(); }

    // A screen by type; reading a screen that is not loaded loads it, hidden.
    template <typename F>
    F& get() {
        Load(F::kId);
        return static_cast<F&>(*screen(F::kId));
    }
    // A screen by type when it is loaded, else null.
    template <typename F>
    F* find() const {
        return static_cast<F*>(screen(F::kId));
    }

    // Runs one event handler. Once the outermost handler is done, unloaded screens
    // are freed and the program ends if no screen is left.
    template <typename Handler>
    void run(Handler&& handler) {
        ++depth_;
        handler();
        --depth_;
        if (depth_ == 0) settle();
    }
    bool handling() const { return depth_ > 0; }

    // Saves the game; a failure is told to the player.
    void save();
    // Whether the last save of this run failed.
    bool lastSaveFailed() const { return lastSaveFailed_; }

  private:
    struct Slot {
        std::unique_ptr<Screen> screen;
        bool visible = false;
        bool enabled = true;
    };
    Slot& slot(ScreenId id) { return slots_[static_cast<int>(id)]; }
    const Slot& slot(ScreenId id) const { return slots_[static_cast<int>(id)]; }
    void settle();

    const ScreenMaker makeScreen_;
    std::array<Slot, kScreenCount> slots_;
    std::vector<std::unique_ptr<Screen>> unloaded_;
    BattleSurface* surface_ = nullptr;
    int depth_ = 0;
    bool ended_ = false;
    bool lastSaveFailed_ = false;
};

}  // namespace zentar
