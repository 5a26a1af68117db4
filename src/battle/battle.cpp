#include "battle/battle.h"

#include "core/game.h"
#include "country/main_screen.h"

namespace zentar {

Form3::Form3(Game& game) : Screen(game) {
    for (int i = 0; i < 6; ++i) {
        ICONS[i].picture = icon(i);
        ICONS[i].Visible = false;
    }
    for (int i = 0; i < 2; ++i) {
        FE1[i].picture = fe1(i);
        FE1[i].Visible = false;
    }
    Image1[0] = at<Picture>(0, 0, 3735, 1455);
    Image1[1] = at<Picture>(3720, 0, 3855, 1455);
    for (auto* sprites : {&HEIM, &HEIT})
        for (Picture& p : *sprites) {
            p = at<Picture>(0, 1680, 255, 255);
            p.Visible = false;
        }
    HEIM[0].Left = 7200;
    HEIM[0].Visible = true;
    HEIT[0].Left = 120;
    HEIT[0].Visible = true;
    FIGHT = at<Label>(0, 3120, 7575, 435);
    FIGHT.Caption = QStringLiteral("ＢＡＴＴＬＥ　ＦＩＧＨＴ");
    FIGHT.ForeColor = {255, 0, 0};
    FIGHT.Visible = false;
    kab = at<Frame>(240, 6000, 7335, 1695);
    kab.BackColor = {255, 128, 128};
    HYO = at<Picture>(0, 0, 1455, 1455);
    mes = at<Label>(1560, 120, 5295, 1215);
    mes.Caption = QStringLiteral("メッセージ");
    HANDAN = at<Frame>(1440, 0, 5775, 1575);
    HANDAN.BackColor = {0, 0, 255};
    HANDAN.Visible = false;
    sinti = at<TextBox>(120, 0, 3855, 1455);
    SENPO = at<ComboBox>(4080, 0, 1695, 300);
    SENPO.List = {QStringLiteral("あとは任せるよ"), QStringLiteral("的を一人に絞れ！"),
                  QStringLiteral("アイテム使わせろ！"), QStringLiteral("退却ー！！!")};
    II = at<Button>(4080, 360, 1575, 375);
    II.Caption = QStringLiteral("作戦決行");
    MOMIR = at<Button>(4080, 720, 1575, 375);
    MOMIR.Caption = QStringLiteral("対決国の様子");
    MG = at<Button>(4080, 1080, 1575, 375);
    MG.Caption = QStringLiteral("やっぱやめとくわ");
    snk = {1, false};
    Timer1 = {200, true};
}

std::vector<TimerHook> Form3::timers() {
    return {{&snk, [this] { snk_Timer(); }, Pace::Tick}, {&Timer1, [this] { Timer1_Timer(); }}};
}

int Form3::countryOf(int side) const {
    return side == kPlayer ? 0 : g.st.aite;
}

PictureId Form3::portrait(int country) {
    Form2& main = g.get<Form2>();  // the portraits live on the main screen
    return country >= 0 && country <= kLastRival ? main.KAO[country].picture : HYO.picture;
}

void Form3::SENPO_Click(int index) {
    SENPO.ListIndex = index >= 0 && index < SENPO.List.size() ? index : -1;
}

void Form3::QueryUnload() {
    g.Unload(ScreenId::Chooser);
    g.Unload(ScreenId::Battle);
    g.Show(ScreenId::Main);
}

}  // namespace zentar
