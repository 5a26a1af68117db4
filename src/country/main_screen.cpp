#include "country/main_screen.h"

#include <algorithm>

#include "core/game.h"
#include "country/day_clock.h"
#include "state/numbers.h"

namespace zentar {
namespace {

constexpr int kRivalsToUnlock = 12;  // rivals 1..12 must each fall once before 13

}  // namespace

QString versionCredit() {
    return QStringLiteral("制作：ゼンタル制作委員会　1998年");
}

Form2::Form2(Game& game) : Screen(game) {
    MY = at<Frame>(0, 0, 6255, 2175);
    HYO = at<Picture>(0, 0, 1695, 1935);
    ST = at<TextBox>(1680, 0, 4575, 1935);
    KKAze = at<ScrollBar>(0, 1920, 6255, 255);
    KKAze.Max = kRivalsToUnlock;
    BUN[0] = at<Label>(0, 2280, 5835, 300);
    BUN[0].Caption = QStringLiteral("メニューを選んで下さい       メッセージスピード");
    BUN[1] = at<Label>(0, 2640, 600, 300);
    MSP = at<ScrollBar>(3360, 2640, 2775, 255);
    MSP.Min = kMinSpeed;
    MSP.Max = kMaxSpeed;
    MSP.Value = kMinSpeed;
    BUN[3] = at<Label>(0, 3000, 600, 300);
    BUN[2] = at<Label>(3840, 3000, 855, 300);
    for (int i = 0; i <= kLastRival; ++i) {
        KAO[i].Visible = false;
        KAO[i].picture = kao(i);
    }
    Timer1 = {1, false};
    Timer2 = {1, true};
}

void Form2::Form_Load() {
    hyouji = 0;
    requestRefresh();
    MSP.Value = std::clamp(g.st.speed, MSP.Min, MSP.Max);
    hyouji = g.st.aite;
    int beaten = 0;
    for (int i = 1; i <= kRivalsToUnlock; ++i)
        if (g.st.country[i].win >= 1) ++beaten;
    if (beaten == kRivalsToUnlock) KKAze.Max = kLastRival;
}

void Form2::Form_Unload() {
    g.save();
}

std::vector<TimerHook> Form2::timers() {
    return {{&Timer1, [this] { Timer1_Timer(); }, Pace::Tick},
            {&Timer2, [this] { Timer2_Timer(); }, Pace::Tick, [this] { return Timer2_Idle(); },
             [this](std::int64_t ticks) { Timer2_CatchUp(ticks); }}};
}

void Form2::KKAze_Change(int value) {
    KKAze.Value = std::clamp(value, KKAze.Min, KKAze.Max);
    hyouji = KKAze.Value;
    requestRefresh();
}

void Form2::MSP_Change(int value) {
    MSP.Value = std::clamp(value, MSP.Min, MSP.Max);
}

void Form2::ST_KeyDown(int keyCode) {
    if (!movesCursor(keyCode)) {
        hyouji += 1;
        requestRefresh();
    }
    if (hyouji > KKAze.Max) hyouji = 0;
    pauseQuestion();
}

void Form2::Form_KeyDown(int) {
    pauseQuestion();
}

void Form2::pauseQuestion() {
    if (g.st.nissu <= 0) return;
    if (g.dialogues.message(QStringLiteral("時間を止めますか？"), Buttons::YesNo, Icon::None) !=
        Answer::Yes)
        return;
    g.st.nissu = 0;
    g.dialogues.message(QStringLiteral("時間を止めました"), Buttons::Ok, Icon::None);
}

void Form2::N1_Click() {
    g.Show(ScreenId::Training);
    g.SetEnabled(ScreenId::Main, false);
}

void Form2::N2_Click() {
    g.Unload(ScreenId::Main);
    g.Show(ScreenId::Shop);
}

void Form2::N3_Click() {
    if (hyouji == 0) {
        g.dialogues.message(QStringLiteral("対戦したい相手を表示させてから押してください。"),
                            Buttons::Ok, Icon::None);
        return;
    }
    g.st.aite = hyouji;
    g.st.day = satAdd(g.st.day, 1);
    g.Unload(ScreenId::Main);
    g.Show(ScreenId::Battle);
}

void Form2::N6_Click() {
    g.save();
    g.End();
}

void Form2::QueryUnload() {
    g.Unload(ScreenId::Main);
}

void Form2::Z1_Click() {
    g.dialogues.message(QStringLiteral("ヘルプ.htmをご覧下さい。(^_^;)"), Buttons::Ok, Icon::None);
    g.dialogues.showHelp();
}

QString Form2::statusText(int h) const {
    const Country& c = g.st.country[h];
    const QString& br = g.st.kaigyo;
    const auto n = [](std::int64_t v) { return QString::number(v); };
    QString s = QStringLiteral("国名－－") + c.name + QStringLiteral("国") + br;
    s += QStringLiteral("兵士") + n(std::int64_t(c.heisi) + 1) + QStringLiteral("人") + br;
    s += QStringLiteral("生命力") + n(c.hp) + br;
    s += QStringLiteral("戦闘力 ") + n(c.OFE) + QStringLiteral("　　防御力 ") + n(c.DEF) +
         QStringLiteral("　  決断力 ") + n(c.qui) + br;
    s += QStringLiteral("国家予算   ") + n(c.gold) + QStringLiteral("￥") + br;
    if (h == 0) {
        s += QStringLiteral("戦利品　３０種") + br;
        for (int i = kFirstSlot; i <= kLastSlot; ++i)
            s += n(i) + QStringLiteral("  ") + g.st.slot[i].item + QStringLiteral("　") +
                 n(g.st.slot[i].kosuu) + QStringLiteral("個") + br;
    } else {
        s += QStringLiteral("対戦勝利数") + n(c.win) + br;
    }
    return s;
}

void Form2::Timer1_Timer() {
    Timer1.Enabled = false;
    const int h = std::clamp(hyouji, 0, kLastRival);
    HYO.picture = KAO[h].picture;
    ST.Text = statusText(h);
    KKAze.Value = std::clamp(h, KKAze.Min, KKAze.Max);
}

void Form2::Timer2_Timer() {
    GameState& st = g.st;
    BUN[3].Caption = QStringLiteral("現在時刻　") + g.clock.timeOfDay();
    st.speed = MSP.Value;
    BUN[2].Caption = QStringLiteral("今の速さ　") + QString::number(st.speed);
    BUN[1].Caption =
        QStringLiteral("ゲーム開始") + QString::number(st.day) + QStringLiteral("日目");
    if (st.tokei < 0 && st.nissu > 0) {
        st.tokei = 40;
        passDay(st, g.random);
        requestRefresh();
        return;
    }
    countDown();
}

void Form2::countDown() {
    g.st.tokei -= 1;
    if (g.st.tokei < -10) g.st.tokei = 20;
}

bool Form2::Timer2_Idle() const {
    return g.st.nissu <= 0;
}

// Idle ticks before the last change nothing but the countdown: the last one writes the
// labels and the speed, which no tick in between could have changed.
void Form2::Timer2_CatchUp(std::int64_t ticks) {
    for (; ticks > 1 && Timer2_Idle(); --ticks) countDown();
    for (; ticks > 0; --ticks) Timer2_Timer();
}

}  // namespace zentar
