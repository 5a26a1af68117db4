// The shop お買物: goods and soldiers for the national budget.
#pragma once

#include <cstdint>

#include "core/controls.h"
#include "core/screen.h"

namespace zentar {

struct Shop : Screen {
    static constexpr ScreenId kId = ScreenId::Shop;

    explicit Shop(Game& game);

    std::int32_t nedan = 0;  // price of the order as the last tick found it

    Label Label1[7];
    ComboBox NAIYO;
    TextBox Text2;  // potency
    TextBox Text1;  // quantity
    TextBox Text3;  // total price
    TextBox Text4;  // budget
    Button OK;      // 買う
    Button NO;      // 帰る
    Timer Timer1;

    std::vector<TimerHook> timers() override;

    void NAIYO_Click(int index);
    void Text1_Change(const QString& text);
    void Text2_Change(const QString& text);
    void Timer1_Timer();
    void OK_Click();
    void NO_Click();  // the close box acts the same

  private:
    double quantity() const;
    double potency() const;
    void resetOrder();
    void buySoldiers(double count);
    void buyGoods(double count);
};

}  // namespace zentar
