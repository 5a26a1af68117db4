// Battles set up on the fake platform, small enough to follow draw by draw.
#pragma once

#include "battle/battle.h"
#include "country/main_screen.h"
#include "test_support.h"

namespace zentar {

struct BattleSession : Session {
    // A new game against `rival`, with the given highest soldier numbers; the
    // set-up's draws come from `seed`, or must be scripted before when heisi ≥ 2.
    BattleSession(int rival, int playerHeisi, int rivalHeisi) {
        g.st.newGame({});
        g.st.aite = rival;
        g.st.country[0].heisi = playerHeisi;
        g.st.country[rival].heisi = rivalHeisi;
    }
    Form3& open() {
        run([&] { g.Show(ScreenId::Battle); });
        return battle();
    }
    Form3& battle() { return *g.find<Form3>(); }
    void tick() {
        run([&] { battle().snk_Timer(); });
    }
    // Runs the opening to its end, with a seeded generator for the flash colours.
    void skipOpening() {
        const auto saved = pf.seed;
        pf.seed = 99;
        while (g.find<Form3>() && battle().Timer1.Enabled) run([&] { battle().Timer1_Timer(); });
        pf.seed = saved;
    }
};

// Puts a sprite at a place.
inline void place(Picture& p, float left, float top) {
    p.Left = left;
    p.Top = top;
}

}  // namespace zentar
