// Speed figures: saving and loading, the day clock, the battle clock, painting the
// field and the frames of an effect. Each figure is the median of several runs. Then
// the pace the player sees: a trained day and the first battle of a new game.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/application.h"
#include "app/qt_services.h"
#include "battle/battle.h"
#include "battle/effects_view.h"
#include "battle/field_view.h"
#include "battle_support.h"
#include "country/main_screen.h"
#include "fake_platform.h"
#include "platform/desktop/strike_sound.h"
#include "platform/saved_game_store.h"
#include "state/saved_game.h"
#include "widgets/pictures.h"

using namespace zentar;

namespace {

// Median time of one call of `work`, in microseconds, over `runs` batches of `batch` calls.
double median(int runs, int batch, const std::function<void()>& work) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < batch; ++i) work();
        times.push_back(t.nsecsElapsed() / 1000.0 / batch);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double micros, const char* goal = "") {
    std::printf("%-58s %12.2f µs  %s\n", what, micros, goal);
}

void saveAndLoad() {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    const std::unique_ptr<Store> store = openSavedGame();
    GameState st;
    st.newGame({});
    report("save + load of the whole state through QSettings", median(9, 20, [&] {
               saveGame(st, *store);
               GameState loaded;
               loadGame(loaded, *store);
           }));
}

void dayClock() {
    Session s;
    s.pf.useSeed(1);
    Form2& m = s.newGameOnMain<Form2>();
    s.g.st.kunren = 5;
    report("day clock tick without a day",
           median(9, 10000,
                  [&] {
                      s.g.st.nissu = 0;
                      m.Timer2_Timer();
                  }),
           "(period 55000 µs)");
    report("day clock tick with a day (16 countries)",
           median(9, 10000,
                  [&] {
                      s.g.st.nissu = 5;
                      s.g.st.tokei = -1;
                      m.Timer2_Timer();
                  }),
           "(period 55000 µs)");
}

// A battle of 256 against 256 whose soldiers all stand on one spot: every turn strikes.
struct Melee : BattleSession {
    Melee() : BattleSession(5, 255, 255) {
        pf.useSeed(2);
        g.st.country[0].hp = g.st.country[5].hp = 2000000000;
        open();
        battle().bm.ketu = {0, 0};
        for (int side : {kPlayer, kRival})
            for (Picture& p : battle().sprites(side)) place(p, 3000, 3000);
    }
};

void battleClock() {
    Melee m;
    Form3& b = m.battle();
    report("battle tick, 256 against 256 all in contact", median(9, 200, [&] { b.snk_Timer(); }),
           "(goal < 20 µs)");
    QImage field(512, 379, QImage::Format_ARGB32_Premultiplied);
    const QImage layer(512, 379, QImage::Format_ARGB32_Premultiplied);
    Pictures pictures;
    for (auto side : {kPlayer, kRival})
        for (int i = 0; i < kSoldiers; ++i)
            place(b.sprites(side)[i], 30.0f * (i % 64) + side * 3800, 1500.0f + 60 * (i / 64));
    report("painting the field with 512 sprites and the banner at 1×",
           median(9, 50,
                  [&] {
                      QPainter p(&field);
                      paintField(p, b, &layer, pictures);
                  }),
           "(goal < 2000 µs)");
}

void wholeBattle() {
    BattleSession s(5, 255, 255);
    s.pf.useSeed(3);
    s.g.st.country[0].OFE = 90;
    Form3& b = s.open();
    s.skipOpening();
    int ticks = 0;
    QElapsedTimer t;
    t.start();
    while (s.g.find<Form3>() && ticks < 1000000) {
        ++ticks;
        s.run([&] { b.snk_Timer(); });
    }
    std::printf("%-58s %12.2f ms  (%d ticks, %s)\n", "a whole battle of 256 against 256, headless",
                t.nsecsElapsed() / 1e6, ticks,
                s.g.st.country[5].win ? "the player won" : "the rival won");
}

// The length the player sees, at the platform's tick: a trained day, and the battle of a
// new game against rival 1 (its opening at the new game's message speed, then its clock),
// the median of 20 seeds.
void pace() {
    std::printf("%-58s %12.2f s   (42 ticks)\n", "a trained day", 42 * kTickMs / 1000.0);
    std::vector<int> ticks, beeping;
    double opening = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        GameState fresh;
        fresh.newGame({});
        BattleSession s(1, fresh.country[0].heisi, fresh.country[1].heisi);
        s.pf.useSeed(seed);
        Form3& b = s.open();
        const int talkTicks = b.bm.mesnaga[0] + b.bm.mesnaga[1] - 2;
        opening = (talkTicks * s.g.st.speed + 51 * 100) / 1000.0;
        s.skipOpening();
        int n = 0;
        while (s.g.find<Form3>() && n < 1000000) {
            ++n;
            s.tick();
        }
        ticks.push_back(n);
        beeping.push_back(s.pf.beeps);
    }
    std::sort(ticks.begin(), ticks.end());
    std::sort(beeping.begin(), beeping.end());
    const double median = (ticks[9] + ticks[10]) / 2.0;
    std::printf("%-58s %12.2f s   (talk and flash)\n", "the opening of a battle", opening);
    std::printf("%-58s %12.2f s   (median %.1f ticks, %d to %d)\n",
                "the fight of a new game against rival 1", median * kTickMs / 1000.0, median,
                ticks.front(), ticks.back());
    std::printf(
        "%-58s %12.2f s   (median %.1f ticks)\n", "  of which ticks with a strike, one beep each",
        (beeping[9] + beeping[10]) / 2.0 * kTickMs / 1000.0, (beeping[9] + beeping[10]) / 2.0);
}

// The view's cost of one frame of act1: the frame's new circles drawn into the layer and
// the field painted with it, at the first and at the last frames of the effect.
void effectFrames() {
    EffectLayer layer(QSize(512, 379), [](int) {});
    Pictures pictures;
    BattleSession s(1, 1, 1);
    Form3& b = s.open();
    QImage field(512, 379, QImage::Format_ARGB32_Premultiplied);
    Random rng(4);
    const int perFrame = 5001 / 60 + 1;
    auto frame = [&] {
        for (int k = 0; k < perFrame; ++k)
            layer.circle(rng.next() * 7680, rng.next() * 5685, 300,
                         {int(rng.next() * 255), 100, 200});
        QPainter p(&field);
        paintField(p, b, &layer.image(), pictures);
    };
    // A huge announced count keeps circle() from waiting for the next frame: the figure
    // is the drawing alone.
    layer.beginEffect(1 << 30);
    report("act1 frame: first frames", median(5, 3, frame), "(goal < 2000 µs)");
    for (int i = 0; i < 55; ++i) frame();
    report("act1 frame: last frames", median(5, 3, frame), "(goal < 2000 µs)");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication qt(argc, argv);
    {
        QtRandom random;
        StrikeSound sound;
        QtClock clock;
        QtTimerClock timerClock;
        const std::unique_ptr<Store> store = openSavedGame();
        Application app({random, sound, clock, timerClock, *store});
        app.start();
        QApplication::processEvents();
        std::printf("%-58s %12.2f ms\n", "from main() to the title window shown",
                    sinceStart.nsecsElapsed() / 1e6);
    }
    saveAndLoad();
    dayClock();
    battleClock();
    wholeBattle();
    effectFrames();
    pace();
    return 0;
}
