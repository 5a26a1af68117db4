// The battle screen's small operations: the sliding bottom panel, the banner
// animation and the field clamp of one soldier.
#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {

// Raises the panel in steps of 50 twips until its top is just above its resting place.
void Form3::sub1() {
    const std::int32_t target = roundEven(static_cast<double>(Height) - kab.Height - 500);
    bm.ban = roundEven(kab.Top);
    while (bm.ban >= target) {
        kab.Top = static_cast<float>(bm.ban);
        bm.ban -= 50;
    }
    kab.Top = static_cast<float>(bm.ban);
}

// Lowers the panel in steps of 100 twips until it is out of sight below the window.
void Form3::sub2() {
    const std::int32_t target = roundEven(static_cast<double>(Height) + 200);
    bm.ban = roundEven(kab.Top);
    while (target >= bm.ban) {
        kab.Top = static_cast<float>(bm.ban);
        bm.ban += 100;
    }
    kab.Top = static_cast<float>(bm.ban);
}

void Form3::HAI() {
    bm.koma += 1;
    if (bm.koma > 19) bm.koma = 0;
    if (bm.koma == 0 || bm.koma == 10) {
        const PictureId frame = FE1[bm.koma == 0 ? 0 : 1].picture;
        Image1[0].picture = frame;
        Image1[1].picture = frame;
    }
}

void Form3::HITORI() {
    if ((bm.jin != kPlayer && bm.jin != kRival) || bm.ban < 0 || bm.ban >= kSoldiers) return;
    Picture& s = sprites(bm.jin)[bm.ban];
    if (s.Left < 0) s.Left = 0;
    if (s.Top < Image1[0].Height) s.Top = Image1[0].Height;
    if (s.Left + s.Width > Width) s.Left = Width - s.Width;
    if (s.Top + s.Height > Height) s.Top = Height - s.Height;
}

}  // namespace zentar
