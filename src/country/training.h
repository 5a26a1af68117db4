// The training order dialog Form4: what the soldiers train and for how many days.
#pragma once

#include "core/controls.h"
#include "core/screen.h"

namespace zentar {

struct Form4 : Screen {
    static constexpr ScreenId kId = ScreenId::Training;

    explicit Form4(Game& game);

    Label Label1[3];
    ComboBox NAIYO;
    TextBox Text1;
    Button OK;
    Button NO;

    void NAIYO_Click(int index);
    void Text1_Change(const QString& text);
    void OK_Click();  // 実施
    void NO_Click();  // 取り消し; the close box acts the same
};

}  // namespace zentar
