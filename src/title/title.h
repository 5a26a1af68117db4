// The title screen Form1: the name of the player's country and the choice between
// a new game, the saved game and quitting.
#pragma once

#include "core/controls.h"
#include "core/screen.h"

namespace zentar {

struct Form1 : Screen {
    static constexpr ScreenId kId = ScreenId::Title;
    static constexpr int kNameBytes = 20;  // ten full-width characters

    explicit Form1(Game& game);

    Label Label1[3];
    Label Label2;
    TextBox NAM;
    Picture Image1;

    void Form_Load() override;
    // The name box keeps at most 20 bytes of the Japanese code page.
    void NAM_Change(const QString& text);
    void N1_Click();     // はじめから
    void N2_Click();     // 続きから
    void YA0_Click();    // もうやめる
    void QueryUnload();  // the close box: the program ends, nothing is saved

  private:
    void tellDamage(int missing);
    void openMainScreen();
};

// The credit line of the title screen.
QString titleCredit();

}  // namespace zentar
