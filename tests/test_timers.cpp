// The schedule of the real timers: the timers the game designs to run as often as the
// platform allows fire on the 55 ms tick, every other timer at its own interval.
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>

#include "battle/battle.h"
#include "country/main_screen.h"
#include "test_support.h"
#include "window_support.h"

using namespace zentar;

namespace {

enum Stage { MainScreen, Idle, Refresh, Shopping, Talk, Flash, Fight, Choosing, Ending };

// Runs the opening of the battle until `done` holds.
template <typename Done>
void openUntil(Application& app, Done done) {
    Form3& b = *app.game().find<Form3>();
    for (int i = 0; i < 1000 && !done(b); ++i) app.dispatch([&] { b.Timer1_Timer(); });
}

// Brings a new game to the stage, the way its handlers get there.
void reach(Application& app, Stage stage) {
    Game& g = app.game();
    switch (stage) {
        case MainScreen:
        case Idle:  // then left alone: the day clock wakes on its own
            return app.dispatch([&] { g.Show(ScreenId::Main); });
        case Refresh:  // showing another country asks for a refresh
            reach(app, MainScreen);
            return app.dispatch([&] { g.find<Form2>()->KKAze_Change(1); });
        case Shopping:
            return app.dispatch([&] { g.Show(ScreenId::Shop); });
        case Talk:
            g.st.aite = 1;
            return app.dispatch([&] { g.Show(ScreenId::Battle); });
        case Flash:
            reach(app, Talk);
            return openUntil(app, [](const Form3& b) { return b.bm.flash > 0; });
        case Fight:
            reach(app, Talk);
            return openUntil(app, [](const Form3& b) { return b.snk.Enabled; });
        case Choosing:
            return app.dispatch([&] { g.Show(ScreenId::Chooser); });
        case Ending:
            return app.dispatch([&] { g.Show(ScreenId::Ending); });
    }
}

// The QTimer that runs the screen's timer that it lists at `index`.
const QTimer* timerOf(Application& app, ScreenId id, int index) {
    return app.timer(*app.game().screen(id)->timers()[index].timer);
}

// The player's orders, speed bar, battle and pause question, at ticks of the day clock.
void play(Application& app, int tick) {
    Game& g = app.game();
    Form2* main = g.find<Form2>();
    BoxWatcher yes(QStringLiteral("はい"));
    const std::map<int, std::function<void()>> events = {
        {0, [&] { g.st.newGame({}), g.Show(ScreenId::Main); }},
        {9, [&] { g.st.kunren = 6, g.st.nissu = 9; }},
        {100, [&] { main->MSP_Change(37); }},
        {140, [&] { main->hyouji = 4, main->N3_Click(); }},
        {200, [&] { g.find<Form3>()->QueryUnload(); }},
        {260, [&] { main->Form_KeyDown('X'); }},
        {270, [&] { g.st.kunren = 2, g.st.nissu = 1; }}};
    if (events.count(tick)) app.dispatch(events.at(tick));
}

}  // namespace

class TimersTest : public QObject {
    Q_OBJECT
    FakeServices fakes_;

  private slots:
    // Which of a screen's timers(), at which stage, with which message speed.
    void eachTimerRunsAtItsPeriod_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("period");
        const int main = static_cast<int>(ScreenId::Main);
        const int battle = static_cast<int>(ScreenId::Battle);
        QTest::newRow("day clock") << int(MainScreen) << main << 1 << 100 << 55;
        QTest::newRow("day clock asleep till the next second's first tick")
            << int(Idle) << main << 1 << 100 << 19 * kTickMs;
        QTest::newRow("status refresh") << int(Refresh) << main << 0 << 100 << 55;
        QTest::newRow("shop") << int(Shopping) << static_cast<int>(ScreenId::Shop) << 0 << 100
                              << 55;
        QTest::newRow("talk at speed 1") << int(Talk) << battle << 1 << 1 << 1;
        QTest::newRow("talk at speed 2") << int(Talk) << battle << 1 << 2 << 2;
        QTest::newRow("talk at speed 300") << int(Talk) << battle << 1 << 300 << 300;
        QTest::newRow("flash") << int(Flash) << battle << 1 << 1 << 100;
        QTest::newRow("battle clock") << int(Fight) << battle << 0 << 1 << 55;
        QTest::newRow("item chooser")
            << int(Choosing) << static_cast<int>(ScreenId::Chooser) << 0 << 100 << 100;
        QTest::newRow("ending") << int(Ending) << static_cast<int>(ScreenId::Ending) << 0 << 100
                                << 20;
    }
    void eachTimerRunsAtItsPeriod() {
        QFETCH(int, stage);
        QFETCH(int, screen);
        QFETCH(int, index);
        QFETCH(int, speed);
        QFETCH(int, period);
        Application app(fakes_.services());
        app.game().st.kaigyo = QStringLiteral("\r\n");
        app.game().st.newGame(QStringLiteral("時の国"));
        app.game().st.speed = speed;
        reach(app, static_cast<Stage>(stage));
        const QTimer* t = timerOf(app, static_cast<ScreenId>(screen), index);
        QVERIFY(t);
        QVERIFY(t->isActive());
        QTRY_COMPARE(t->interval(), period);
        QCOMPARE(t->timerType(), Qt::PreciseTimer);
    }

    // Both the battle clock and the talk at speed 1 ask for 1 ms; only the clock is on
    // the tick, and the talk's timer stops when the battle begins.
    void theBattleClockTakesOverFromTheOpening() {
        Application app(fakes_.services());
        app.game().st.kaigyo = QStringLiteral("\r\n");
        app.game().st.newGame({});
        app.game().st.speed = 1;
        reach(app, Talk);
        const Form3& b = *app.game().find<Form3>();
        QCOMPARE(b.Timer1.Interval, b.snk.Interval);
        QVERIFY(!app.timer(b.snk)->isActive());
        openUntil(app, [](const Form3& f) { return f.snk.Enabled; });
        QVERIFY(app.timer(b.snk)->isActive());
        QCOMPARE(app.timer(b.snk)->interval(), kTickMs);
        QVERIFY(!app.timer(b.Timer1)->isActive());
    }

    // A day clock asleep while no order runs leaves all as one woken on every tick does.
    void aSleepingDayClockKeepsThePace() {
        FakeServices fakes[2];
        Application sleeping(fakes[0].services()), ticking(fakes[1].services());
        int daysLeftMidway = -1;  // of the order of nine days given at tick 9
        for (int tick = 0; tick < 400; ++tick) {
            for (FakeServices& f : fakes) f.clock.ms = tick * kTickMs + 7;
            for (Application* app : {&sleeping, &ticking}) play(*app, tick);
            ticking.dispatch([] {});
            if (tick == 99) daysLeftMidway = ticking.game().st.nissu;
        }
        // Days pass at the pace of the ticks: 90 ticks into that order, it runs on.
        QVERIFY(daysLeftMidway > 0 && daysLeftMidway < 9);
        sleeping.dispatch([] {});
        QCOMPARE(ticking.game().st.nissu, 0);  // the last order has run all its days
        QCOMPARE(wholeState(sleeping.game().st), wholeState(ticking.game().st));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(sleeping.game().find<Form2>()->BUN[i].Caption,
                     ticking.game().find<Form2>()->BUN[i].Caption);
    }

    // Closing the sound stream pumps the event loop while the game is torn down (Qt's
    // audio output does so in its destructor): by then no game timer may be running.
    void noTimerRunsWhileTheGameIsTornDown() {
        auto app = std::make_unique<Application>(fakes_.services());
        auto* pump = new QObject(app.get());  // torn down after the game, before the timers
        app->game().st.kaigyo = QStringLiteral("\r\n");
        app->game().st.newGame({});
        reach(*app, Fight);
        const QList<QTimer*> timers = app->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
        const auto running = [&] {
            return std::count_if(timers.begin(), timers.end(),
                                 [](QTimer* t) { return t->isActive(); });
        };
        QVERIFY(running() >= 2);  // the battle clock and the day clock at least
        qsizetype runningAtTeardown = -1;
        QObject::connect(pump, &QObject::destroyed, [&] { runningAtTeardown = running(); });
        app.reset();
        QCOMPARE(runningAtTeardown, 0);
    }
};

QTEST_MAIN(TimersTest)
#include "test_timers.moc"
