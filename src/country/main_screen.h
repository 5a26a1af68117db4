// The main screen Form2: one country's portrait and status at a time, the rival
// browser, the clock labels, the message speed and the menu of actions. Its
// Timer2 is the day clock that runs training orders.
#pragma once

#include <cstdint>

#include "core/controls.h"
#include "core/keys.h"
#include "core/screen.h"

namespace zentar {

struct Form2 : Screen {
    static constexpr ScreenId kId = ScreenId::Main;

    explicit Form2(Game& game);

    std::int32_t hyouji = 0;  // country on display, 0..13

    Frame MY;
    Picture HYO;
    TextBox ST;
    ScrollBar KKAze;
    Label BUN[4];
    ScrollBar MSP;
    Picture KAO[14];
    Timer Timer1;  // one-shot refresh of the status display
    Timer Timer2;  // the day clock

    void Form_Load() override;
    void Form_Unload() override;  // saves the game
    std::vector<TimerHook> timers() override;

    void KKAze_Change(int value);
    void MSP_Change(int value);
    void ST_KeyDown(int keyCode);  // a key while the status text has the focus
    // The arrow keys move the cursor in the status text; any other key there shows the
    // next country.
    static bool movesCursor(int keyCode) { return isArrowKey(keyCode); }
    void Form_KeyDown(int keyCode);  // a key on the scroll bar or the window
    void N1_Click();                 // 命令
    void N2_Click();                 // 仕入
    void N3_Click();                 // 決戦
    void N6_Click();                 // 育成中断
    void Z1_Click();                 // お助けヘルプ
    void QueryUnload();              // the close box: saves, and ends if nothing else is open
    void Timer1_Timer();
    void Timer2_Timer();
    // While no order runs, a tick of the day clock only counts `tokei` down and writes the
    // same labels again: its timer may sleep then and catch up.
    bool Timer2_Idle() const;
    // `ticks` ticks of the day clock at once, leaving all as that many Timer2_Timer calls do.
    void Timer2_CatchUp(std::int64_t ticks);

    // The status text of a country, as the display shows it.
    QString statusText(int h) const;

  private:
    void requestRefresh() { Timer1.Enabled = true; }
    void pauseQuestion();
    void countDown();
};

// The second credit line of the version menu.
QString versionCredit();

}  // namespace zentar
