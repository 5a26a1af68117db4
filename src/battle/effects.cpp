// The eight full-screen effect animations of items and the laughing bag. They only
// draw; nothing of the battle changes.
#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {
namespace {

constexpr int kCircles = 5000;  // act1: circles 0..5000
constexpr int kRings = 2000;    // act2, ACT3, ACT4: rings 0..2000
constexpr int kBars = 5000;     // ACT5, act6, ACT7: bar pairs 0..5000 step 2
constexpr int kBolts = 20;      // ACT8: bolts 0..20
constexpr int kBoltDepth = 5000;
constexpr int kBoltWidth = 40;

int nearest(double x) {
    return roundEven(x);
}

}  // namespace

void Form3::effectFrame(const std::function<void()>& draw, bool holds) {
    g.surface().fillColor({0, 0, 0});
    const bool chooserOpen = g.loaded(ScreenId::Chooser);
    if (chooserOpen) g.Hide(ScreenId::Chooser);
    kab.Visible = false;
    g.surface().cls();
    draw();
    if (holds) g.surface().hold();
    g.surface().cls();
    kab.Visible = true;
    if (chooserOpen && g.loaded(ScreenId::Chooser)) g.Show(ScreenId::Chooser);
}

void Form3::circles() {
    g.surface().beginEffect(kCircles + 1);
    for (int i = 0; i <= kCircles; ++i) {
        const double r1 = g.random.next(), r2 = g.random.next(), r3 = g.random.next(),
                     r4 = g.random.next(), r5 = g.random.next();
        g.surface().circle(static_cast<float>(r1 * Width), static_cast<float>(r2 * Height), 300,
                           {nearest(r3 * 255), nearest(r4 * 255), nearest(r5 * 255)});
    }
}

// Concentric rings from the centre out, dark inside and brightest at radius 6000,
// in blue (0), green (1) or red (2).
void Form3::rings(int channel) {
    g.surface().beginEffect(kRings + 1);
    for (int i = 0; i <= kRings; ++i) {
        const int v = truncate(static_cast<double>(i) / kRings * 255);
        const Rgb colour = channel == 0 ? Rgb{0, 0, v} : channel == 1 ? Rgb{0, v, 0} : Rgb{v, 0, 0};
        g.surface().circle(Width / 2, Height / 2, static_cast<float>(3 * i), colour);
    }
}

// Pairs of bars two twips wide moving out from the centre line, bright to black.
void Form3::bars(bool red, bool green, bool blue) {
    g.surface().beginEffect((kBars / 2 + 1) * 2);
    const float mid = Width / 2;
    for (int i = 0; i <= kBars; i += 2) {
        const int u = 255 - truncate(static_cast<double>(i) / kBars * 255);
        const Rgb colour{red ? u : 0, green ? u : 0, blue ? u : 0};
        g.surface().box(mid + i - 2, 0, mid + i, Height, colour);
        g.surface().box(mid - i + 2, 0, mid - i, Height, colour);
    }
}

void Form3::lightning() {
    g.surface().beginEffect((kBolts + 1) * (kBoltDepth / 100 + 1) * (kBoltWidth + 1));
    for (int n = 0; n <= kBolts; ++n) {
        const int c = truncate(static_cast<double>(g.random.next()) * 150 + 20);
        double x = static_cast<double>(g.random.next()) * Width;
        for (int y = 0; y <= kBoltDepth; y += 100) {
            const double x0 = x;
            x = x + static_cast<double>(g.random.next()) * 400 - 200;
            for (int k = 0; k <= kBoltWidth; ++k)
                g.surface().line(static_cast<float>(x0 + k), static_cast<float>(y - 100),
                                 static_cast<float>(x + k), static_cast<float>(y), {c, c, 255});
        }
    }
}

void Form3::act1() {
    effectFrame([this] { circles(); }, false);
}
void Form3::act2() {
    effectFrame([this] { rings(0); }, false);
}
void Form3::ACT3() {
    effectFrame([this] { rings(1); }, false);
}
void Form3::ACT4() {
    effectFrame([this] { rings(2); }, false);
}
void Form3::ACT5() {
    effectFrame([this] { bars(true, true, true); }, true);
}
void Form3::act6() {
    effectFrame([this] { bars(true, false, false); }, true);
}
void Form3::ACT7() {
    effectFrame([this] { bars(false, true, true); }, true);
}
void Form3::ACT8() {
    effectFrame([this] { lightning(); }, true);
}

}  // namespace zentar
