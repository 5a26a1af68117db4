#include <QTest>

#include "country/day_clock.h"
#include "country/main_screen.h"
#include "country/training.h"
#include "test_support.h"

using namespace zentar;

namespace {

// Opens the training dialog and confirms the given mode entry and days.
void order(Session& s, int entry, const QString& days) {
    s.run([&] { s.g.find<Form2>()->N1_Click(); });
    s.run([&] {
        Form4& d = *s.g.find<Form4>();
        d.NAIYO_Click(entry);
        d.Text1_Change(days);
        d.OK_Click();
    });
}

void tick(Session& s) {
    s.run([&] { s.g.find<Form2>()->Timer2_Timer(); });
}

}  // namespace

class TrainingTest : public QObject {
    Q_OBJECT
  private slots:
    void confirmsAnOrder_data() {
        QTest::addColumn<int>("entry");  // of the seven modes; its leading digit is the mode
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("nissu");
        QTest::newRow("5") << 2 << "5" << 5;
        QTest::newRow("0 stops") << 0 << "0" << 0;
        QTest::newRow("minus three") << 1 << "-3" << 3;
        QTest::newRow("fraction cut") << 3 << "2.9" << 2;
        QTest::newRow("no number") << 4 << "abc" << 0;
        QTest::newRow("exponent") << 5 << "1e3" << 1000;
        QTest::newRow("beyond int32 saturates") << 6 << "9e99" << 2147483647;
    }
    void confirmsAnOrder() {
        QFETCH(int, entry);
        QFETCH(QString, days);
        QFETCH(int, nissu);
        Session s;
        s.newGameOnMain<Form2>();
        s.g.st.nissu = 9;
        order(s, entry, days);
        QCOMPARE(s.g.st.kunren, entry + 1);
        QCOMPARE(s.g.st.nissu, nissu);
        QVERIFY(!s.g.loaded(ScreenId::Training));
        QVERIFY(s.g.enabled(ScreenId::Main));
    }

    void needsAMode() {
        Session s;
        s.newGameOnMain<Form2>();
        s.g.st.kunren = 4;
        s.g.st.nissu = 6;
        s.run([&] { s.g.find<Form2>()->N1_Click(); });
        s.run([&] { s.g.find<Form4>()->OK_Click(); });
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("内容を決めましょう")});
        QCOMPARE(s.g.st.kunren, 4);
        QCOMPARE(s.g.st.nissu, 6);
        QVERIFY(s.g.visible(ScreenId::Training));
        QVERIFY(!s.g.enabled(ScreenId::Main));
    }

    void daysBoxTakesSixCharacters() {
        Session s;
        s.newGameOnMain<Form2>();
        s.run([&] { s.g.find<Form2>()->N1_Click(); });
        Form4& d = *s.g.find<Form4>();
        QCOMPARE(d.Text1.Text, QStringLiteral("1"));
        QCOMPARE(d.NAIYO.ListIndex, -1);
        QCOMPARE(d.NAIYO.List.size(), 7);
        d.Text1_Change(QStringLiteral("1234567"));
        QCOMPARE(d.Text1.Text, QStringLiteral("123456"));
        d.NAIYO_Click(3);
        d.NAIYO_Click(7);  // outside the list: nothing is chosen
        QCOMPARE(d.NAIYO.ListIndex, -1);
    }

    void cancelLeavesARunningOrder() {
        Session s;
        s.newGameOnMain<Form2>();
        s.g.st.kunren = 1;
        s.g.st.nissu = 4;
        s.run([&] { s.g.find<Form2>()->N1_Click(); });
        s.run([&] { s.g.find<Form4>()->NO_Click(); });
        QCOMPARE(s.g.st.nissu, 4);
        QCOMPARE(s.g.st.kunren, 1);
        QVERIFY(s.g.enabled(ScreenId::Main));
    }

    void dayPassesOnTheTickThatFindsTokeiBelowZero() {
        Session s;
        s.newGameOnMain<Form2>();
        s.g.st.tokei = 20;  // idle cycle: 20 down to -10
        order(s, 6, "2");   // 7なんにもしない
        s.pf.useSeed(3);
        int firstDay = 0;
        for (int t = 1; t <= 22 && !firstDay; ++t) {
            tick(s);
            if (s.g.st.day == 1) firstDay = t;
        }
        QCOMPARE(firstDay, 22);  // 20 → -1 takes 21 ticks; the 22nd passes the day
        QCOMPARE(s.g.st.tokei, 40);
        int next = 0;
        for (int t = 1; t <= 50 && !next; ++t) {
            tick(s);
            if (s.g.st.day == 2) next = t;
        }
        QCOMPARE(next, 42);
        QCOMPARE(s.g.st.nissu, 0);
        for (int t = 0; t < 100; ++t) tick(s);
        QCOMPARE(s.g.st.day, 2);
    }

    void idleClockCycles() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.g.st.tokei = -9;
        tick(s);
        QCOMPARE(s.g.st.tokei, -10);  // the idle cycle runs 20 down to -10
        tick(s);
        QCOMPARE(s.g.st.tokei, 20);
        QCOMPARE(m.BUN[3].Caption, QStringLiteral("現在時刻　12:34:56"));
        QCOMPARE(m.BUN[2].Caption, QStringLiteral("今の速さ　100"));
        QCOMPARE(m.BUN[1].Caption, QStringLiteral("ゲーム開始0日目"));
        s.run([&] { m.MSP_Change(250); });
        tick(s);
        QCOMPARE(s.g.st.speed, 250);
    }

    void labelShowsTheDayFromTheNextTick() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.g.st.kunren = 7;
        s.g.st.nissu = 1;
        s.g.st.tokei = -1;
        s.pf.useSeed(1);
        tick(s);
        QCOMPARE(s.g.st.day, 1);
        QCOMPARE(m.BUN[1].Caption, QStringLiteral("ゲーム開始0日目"));
        QVERIFY(m.Timer1.Enabled);  // the status is refreshed after the day
        tick(s);
        QCOMPARE(m.BUN[1].Caption, QStringLiteral("ゲーム開始1日目"));
    }

    void growthByMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QList<int>>("expected");  // hp, OFE, DEF, qui, gold after one day
        const QList<int> base{736, 42, 25, 11, 1000000};
        QTest::newRow("0 none") << 0 << QList<float>{} << base;
        QTest::newRow("1 hp and defence")
            << 1 << QList<float>{0.5f, 0.5f} << QList<int>{761, 42, 26, 11, 1000000};
        QTest::newRow("2 hp and attack")
            << 2 << QList<float>{0.5f, 0.5f} << QList<int>{751, 50, 25, 11, 1000000};
        QTest::newRow("3 money") << 3 << QList<float>{0.5f} << QList<int>{736, 42, 25, 11, 1010000};
        QTest::newRow("4 hp and decision")
            << 4 << QList<float>{0.5f, 0.99f} << QList<int>{748, 42, 25, 14, 1000000};
        QTest::newRow("5 all round") << 5 << QList<float>{0.75f, 0.5f, 0.75f, 0.75f, 0.5f}
                                     << QList<int>{751, 46, 26, 12, 1005000};
        QTest::newRow("6 draws mode 3")
            << 6 << QList<float>{0.7f, 0.5f} << QList<int>{736, 42, 25, 11, 1010000};
        QTest::newRow("6 draws mode 0") << 6 << QList<float>{0.1f} << base;
        QTest::newRow("7 nothing") << 7 << QList<float>{} << base;
    }
    void growthByMode() {
        QFETCH(int, mode);
        QFETCH(QList<float>, draws);
        QFETCH(QList<int>, expected);
        GameState st;
        st.newGame({});
        st.kunren = mode;
        st.nissu = 3;
        FakeRandom pf;
        for (float r : draws) pf.draws.push_back(r);
        for (int j = 1; j < kCountries; ++j)
            pf.draws.push_back(0.0f);  // every other country: mode 0
        passDay(st, pf);
        const Country& c = st.country[0];
        QCOMPARE((QList<int>{c.hp, c.OFE, c.DEF, c.qui, c.gold}), expected);
        QCOMPARE(st.day, 1);
        QCOMPARE(st.nissu, 2);
        QVERIFY(pf.draws.empty());
    }

    void roundingTiesToEven_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("1: 24 + 1.5") << 1 << 0.5f << 24 << 26;
        QTest::newRow("1: 25 + 1.5") << 1 << 0.5f << 25 << 26;
        QTest::newRow("5: 25 + 0.5") << 5 << 0.25f << 25 << 26;
        QTest::newRow("5: 24 + 0.5") << 5 << 0.25f << 24 << 24;
    }
    void roundingTiesToEven() {
        QFETCH(int, mode);
        QFETCH(float, r);
        QFETCH(int, before);
        QFETCH(int, after);
        Country c;
        c.DEF = before;
        FakeRandom pf;
        // Mode 1 draws hp then DEF; mode 5 draws hp, OFE, DEF, qui, gold.
        pf.script({0.0f});
        if (mode == 5) pf.script({0.0f});
        pf.script({r});
        if (mode == 5) pf.script({0.0f, 0.0f});
        growCountry(c, mode, pf);
        QCOMPARE(c.DEF, after);
    }

    void everyRivalAndTheSpareCountriesGrow() {
        GameState st;
        st.newGame({});
        st.kunren = 7;
        st.nissu = 1;
        FakeRandom pf;
        for (int j = 1; j < kCountries; ++j) pf.script({0.7f, 0.5f});  // mode 3, then + 10000
        passDay(st, pf);
        QCOMPARE(st.country[0].gold, 1000000);
        QCOMPARE(st.country[1].gold, 265000);
        QCOMPARE(st.country[13].gold, 100010000);
        QCOMPARE(st.country[14].gold, 10000);
        QCOMPARE(st.country[15].gold, 10000);
    }

    void growthSaturates() {
        Country c;
        c.gold = 2147483000;
        FakeRandom pf;
        pf.script({0.99f});
        growCountry(c, 3, pf);
        QCOMPARE(c.gold, 2147483647);
    }

    void pauseStopsTheOrderBeforeTheNextDay() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.g.st.kunren = 7;
        s.g.st.nissu = 5;
        s.g.st.tokei = -1;
        s.pf.useSeed(2);
        tick(s);
        QCOMPARE(s.g.st.day, 1);
        s.pf.answers = {Answer::Yes};
        s.run([&] { m.ST_KeyDown('Q'); });
        for (int t = 0; t < 200; ++t) tick(s);
        QCOMPARE(s.g.st.day, 1);
        QCOMPARE(s.g.st.nissu, 0);
    }

    void clockRunsWhileTheDialogIsOpen() {
        Session s;
        s.newGameOnMain<Form2>();
        s.g.st.kunren = 7;
        s.g.st.nissu = 2;
        s.g.st.tokei = -1;
        s.pf.useSeed(4);
        s.run([&] { s.g.find<Form2>()->N1_Click(); });
        tick(s);
        QCOMPARE(s.g.st.day, 1);
    }
};

QTEST_APPLESS_MAIN(TrainingTest)
#include "test_training.moc"
