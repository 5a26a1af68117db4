// The item chooser Form7 (アイテム欄): one inventory item used during a battle.
#pragma once

#include "core/controls.h"
#include "core/screen.h"

namespace zentar {

struct Form7 : Screen {
    static constexpr ScreenId kId = ScreenId::Chooser;
    // The window's client area.
    static constexpr float Width = 4125;
    static constexpr float Height = 1605;

    explicit Form7(Game& game);

    Label Label1;
    TextBox ITE;
    ComboBox AITEM;
    Button Command1;  // 使う
    Button Command2;  // やめとく
    Timer Timer1;

    void Form_Load() override;
    std::vector<TimerHook> timers() override;

    void AITEM_Click(int index);
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();  // the close box acts the same
};

}  // namespace zentar
