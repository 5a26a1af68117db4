// The ending Form8: the flashing "ＹＯＵＲ　ＷＩＮＮＥＲ！！", the rank by days and
// twenty closing lines typed one character a tick; then the program ends.
#pragma once

#include <cstdint>

#include "core/controls.h"
#include "core/screen.h"

namespace zentar {

inline constexpr int kEndingLines = 20;

struct Form8 : Screen {
    static constexpr ScreenId kId = ScreenId::Ending;

    explicit Form8(Game& game);

    std::int32_t lineCounter = 0;  // lines started so far
    QString currentLine;
    std::int32_t lineTicks = 0;  // characters of the line plus 40
    std::int32_t typePosition = 1;

    Label Label1;
    Picture Image1;
    Label Label2;
    Label Label3;
    Timer Timer1;

    void Form_Load() override;
    std::vector<TimerHook> timers() override;
    void Timer1_Timer();
    void YMI();          // starts the next line
    void RNK();          // shows the rank
    void QueryUnload();  // the close box ends the program
};

// Closing line k (0..19).
QString endingLine(int k);
// The rank text for a number of days.
QString rankText(std::int32_t day);

}  // namespace zentar
