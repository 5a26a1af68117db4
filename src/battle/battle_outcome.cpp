// The settlement at the end of every battle tick: a fifth of the player's money
// for a defeat, a third of the rival's for a victory, and the ending after rival 13.
#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {

void Form3::checkOutcome() {
    GameState& st = g.st;
    if (st.aite < 0 || st.aite >= kCountries) return;
    Country& me = st.country[0];
    Country& rival = st.country[st.aite];
    if (bm.nokori[kPlayer] < 1) {
        const std::int32_t loss = truncate(me.gold / 5.0);
        me.gold -= loss;
        rival.gold = satAdd(rival.gold, loss);
        g.dialogues.message(QStringLiteral("こてんぱんにされちゃいました････とほほ･･･") +
                                st.kaigyo + QStringLiteral("国家予算の１／５取られてしまった！！"),
                            Buttons::Ok, Icon::None);
        g.Unload(ScreenId::Battle);
        g.Show(ScreenId::Main);
    }
    if (bm.nokori[kRival] < 1) {
        const std::int32_t gain = truncate(rival.gold / 3.0);
        rival.gold -= gain;
        me.gold = satAdd(me.gold, gain);
        rival.win = satAdd(rival.win, 1);
        g.dialogues.message(QStringLiteral("勝利！！") + st.kaigyo + QString::number(gain) +
                                QStringLiteral("￥もぎ取った！！"),
                            Buttons::Ok, Icon::None);
        g.Unload(ScreenId::Battle);
        g.Show(ScreenId::Main);
        if (st.aite == kLastRival) {
            g.Unload(ScreenId::Main);
            g.Show(ScreenId::Ending);
        }
    }
}

}  // namespace zentar
