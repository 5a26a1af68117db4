#include "battle/item_chooser.h"

#include "battle/battle.h"
#include "core/game.h"

namespace zentar {

Form7::Form7(Game& game) : Screen(game) {
    Label1 = at<Label>(120, 120, 2385, 255);
    Label1.Caption = QStringLiteral("なんのアイテムを使いますか？");
    ITE = at<TextBox>(2640, 120, 1215, 285);
    ITE.Text = QStringLiteral("0");
    AITEM = at<ComboBox>(120, 600, 3855, 300);
    Command1 = at<Button>(120, 1200, 1335, 375);
    Command1.Caption = QStringLiteral("使う");
    Command2 = at<Button>(2640, 1200, 1335, 375);
    Command2.Caption = QStringLiteral("やめとく");
    Timer1 = {100, true};
}

void Form7::Form_Load() {
    AITEM.List.clear();
    for (int i = kFirstSlot; i <= kLastSlot; ++i) AITEM.List << g.st.slot[i].item;
}

std::vector<TimerHook> Form7::timers() {
    return {{&Timer1, [this] { Timer1_Timer(); }}};
}

void Form7::AITEM_Click(int index) {
    AITEM.ListIndex = index >= 0 && index < AITEM.List.size() ? index : -1;
}

void Form7::Timer1_Timer() {
    g.st.sentaku = AITEM.Text();
    for (int i = kFirstSlot; i <= kLastSlot; ++i)
        if (g.st.slot[i].item == g.st.sentaku)
            ITE.Text = QString::number(g.st.slot[i].kosuu) + QStringLiteral("個");
}

void Form7::Command1_Click() {
    if (Form3* battle = g.find<Form3>()) battle->SIYOU();
    g.SetEnabled(ScreenId::Battle, true);
    g.Unload(ScreenId::Chooser);
    // A name moves one slot down into an empty slot before it; counts stay.
    auto& slot = g.st.slot;
    for (int i = kFirstSlot; i <= kLastSlot; ++i)
        if (slot[i].item.isEmpty()) slot[i].item = slot[i + 1].item;
}

void Form7::Command2_Click() {
    g.SetEnabled(ScreenId::Battle, true);
    g.Unload(ScreenId::Chooser);
}

}  // namespace zentar
