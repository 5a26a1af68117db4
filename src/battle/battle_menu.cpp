// The pause menu: the status report of either army and the four strategies.
#include <algorithm>

#include "battle/battle.h"
#include "core/game.h"
#include "core/keys.h"
#include "state/numbers.h"

namespace zentar {
namespace {

const QString kShowRival = QStringLiteral("対決国の様子");
const QString kShowOwn = QStringLiteral("自分の国");

// A strategy's soldiers run 0..nokori, never past the last index.
int lastCommanded(std::int32_t nokori) {
    return std::clamp(nokori, -1, kSoldiers - 1);
}

}  // namespace

QString Form3::report(int s, int c) const {
    const Country& country = g.st.country[std::clamp(c, 0, kCountries - 1)];
    const QString& br = g.st.kaigyo;
    const auto n = [](std::int64_t v) { return QString::number(v); };
    QString text = QStringLiteral("今の") + country.name + QStringLiteral("国の現状です") + br;
    text += QStringLiteral("攻撃力") + n(bm.kou[s]) + QStringLiteral("防御力") + n(bm.bou[s]) +
            QStringLiteral("決断力") + n(bm.ketu[s]) + br;
    text += QStringLiteral("兵士") + n(std::int64_t(bm.nokori[s]) + 1) + QStringLiteral("人") + br;
    text += QStringLiteral("各兵士の様子") + br;
    const int last = std::clamp(country.heisi, -1, kSoldiers - 1);
    for (int i = 0; i <= last; ++i) {
        text += QStringLiteral("兵士") + n(i + 1) + QStringLiteral("　ＨＰ") + n(bm.heihp[s][i]) +
                QStringLiteral("/") + n(country.hp) + br;
        text += (bm.heihp[s][i] > 0 ? QStringLiteral("まだ生きています")
                                    : QStringLiteral("力尽きています･･･")) +
                br;
    }
    return text;
}

void Form3::showMenuReport(bool rival) {
    HYO.picture = portrait(rival ? g.st.aite : 0);
    snk.Enabled = false;
    HANDAN.Visible = true;
    sinti.Text = rival ? report(kRival, g.st.aite) : report(kPlayer, 0);
    MOMIR.Caption = rival ? kShowOwn : kShowRival;
}

void Form3::Form_KeyDown(int keyCode) {
    if (Timer1.Enabled) return;
    if (keyCode != kVkNumpad0 && keyCode != kVkReturn) return;
    showMenuReport(false);
    sub1();
}

void Form3::MOMIR_Click() {
    IDO();
}

void Form3::IDO() {
    sub2();
    showMenuReport(MOMIR.Caption == kShowRival);
    sub1();
}

void Form3::MG_Click() {
    resume();
}

void Form3::resume() {
    sub2();
    Timer1.Enabled = false;
    snk.Enabled = true;
    HANDAN.Visible = false;
}

void Form3::II_Click() {
    const QString chosen = SENPO.Text();
    if (chosen.isEmpty()) {
        g.dialogues.message(QStringLiteral("戦法を決めてください！"), Buttons::Ok, Icon::None);
        return;
    }
    sakusen = chosen.left(1);
    if (sakusen == u"あ") {
        for (int i = 0; i <= lastCommanded(bm.nokori[kPlayer]); ++i)
            bm.mato[kPlayer][i] = drawSoldier(g.random, bm.nokori[kRival]);
    } else if (sakusen == u"的") {
        aimAtOne();
    } else if (sakusen == u"ア") {
        g.Show(ScreenId::Chooser);
        g.SetEnabled(ScreenId::Battle, false);
        return;
    } else if (sakusen == u"退") {
        for (const char16_t* line :
             {u"こりゃかなわん。逃げよう。", u"すたこらさっさー", u"退却した･･･"})
            g.dialogues.message(QString::fromUtf16(line), Buttons::Ok, Icon::None);
        g.Unload(ScreenId::Battle);
        g.Show(ScreenId::Main);
        return;
    }
    resume();
}

// Every commanded soldier takes one standing rival soldier as its target. When no
// soldier the draw can reach still stands, the standing one with the lowest index
// is taken; with none standing, the targets stay.
void Form3::aimAtOne() {
    const auto& hp = bm.heihp[kRival];
    const auto stands = [](std::int32_t v) { return v != 0; };
    int t = drawStanding(hp, 0, bm.nokori[kRival], stands, g.random);
    if (t < 0) {
        const auto anyone = std::find_if(hp.begin(), hp.end(), stands);
        if (anyone == hp.end()) return;
        t = static_cast<int>(anyone - hp.begin());
    }
    for (int i = 0; i <= lastCommanded(bm.nokori[kPlayer]); ++i) bm.mato[kPlayer][i] = t;
}

}  // namespace zentar
