// The opening: the two lines of talk typed at the message speed, then the
// flashing "ＢＡＴＴＬＥ　ＦＩＧＨＴ", then the battle clock.
#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {
namespace {

constexpr int kFlashTicks = 50;  // the flash ends on the tick after the 50th
constexpr int kFlashInterval = 100;

}  // namespace

void Form3::Timer1_Timer() {
    if (bm.koma == -1) sub1();
    HAI();
    if (bm.gyou > 1) {
        Timer1.Interval = kFlashInterval;
        FIGHT.Visible = true;
        bm.flash += 1;
        const double r1 = g.random.next(), r2 = g.random.next(), r3 = g.random.next();
        FIGHT.ForeColor = {truncate(r1 * 255), truncate(r2 * 255), truncate(r3 * 255)};
        if (bm.flash > kFlashTicks) {
            Timer1.Enabled = false;
            FIGHT.Visible = false;
            snk.Enabled = true;
        }
        return;
    }
    const QString& line = g.st.talk[bm.gyou];
    if (bm.moji >= 1 && bm.moji <= line.size()) mes.Caption += line[bm.moji - 1];
    bm.moji += 1;
    if (bm.moji >= bm.mesnaga[bm.gyou]) {
        bm.moji = 1;
        sub2();
        bm.gyou += 1;
        mes.Caption.clear();
        HYO.picture = portrait(g.st.aite);
    }
    if (bm.gyou <= 1) sub1();
}

}  // namespace zentar
