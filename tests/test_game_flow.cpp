#include <QTest>

#include "battle/battle.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "country/training.h"
#include "ending/ending.h"
#include "state/saved_game.h"
#include "test_support.h"
#include "title/title.h"

using namespace zentar;

namespace {

constexpr int kTickLimit = 50000;

// Fights the rival on display to the end, ticking the hidden main screen's day
// clock along with the battle, as the real timers do. Returns the battle ticks.
int fight(Session& s, int rival) {
    s.run([&] {
        s.g.find<Form2>()->KKAze_Change(rival);
        s.g.find<Form2>()->N3_Click();
    });
    int ticks = 0;
    while (Form3* b = s.g.find<Form3>()) {
        if (++ticks > kTickLimit) return -1;
        if (b->Timer1.Enabled)
            s.run([&] { b->Timer1_Timer(); });
        else
            s.run([&] { b->snk_Timer(); });
        if (Form2* m = s.g.find<Form2>()) s.run([&] { m->Timer2_Timer(); });
    }
    return ticks;
}

}  // namespace

class GameFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void newArmyAgainstTheFirstRival() {
        Session s;
        s.pf.useSeed(20261208);
        s.newGameOnMain<Form2>();
        s.g.st.kunren = 3;
        s.g.st.nissu = 1000;
        const std::int32_t myGold = s.g.st.country[0].gold;
        QVERIFY(fight(s, 1) > 0);
        QVERIFY(s.g.visible(ScreenId::Main));
        const bool won = s.g.st.country[1].win == 1;
        QCOMPARE(s.pf.texts().size(), 1);
        QVERIFY(s.pf.texts()[0].startsWith(won ? QStringLiteral("勝利！！")
                                               : QStringLiteral("こてんぱん")));
        QVERIFY(won ? s.g.st.country[0].gold > myGold : s.g.st.country[0].gold < myGold);
        QVERIFY(s.g.st.day > 1);  // the training order went on during the battle
        QVERIFY(s.g.st.nissu < 1000);
    }

    void fromTheTitleToTheEnding() {
        Session s;
        s.pf.useSeed(1998);
        s.g.start();
        s.pf.answers = {Answer::Yes};
        s.run([&] {
            s.g.find<Form1>()->NAM_Change(QStringLiteral("勇者の国"));
            s.g.find<Form1>()->N1_Click();
        });
        Form2* m = s.g.find<Form2>();
        QVERIFY(m);

        s.run([&] { m->N1_Click(); });
        s.run([&] {
            Form4& d = *s.g.find<Form4>();
            d.NAIYO_Click(2);
            d.Text1_Change(QStringLiteral("3"));
            d.OK_Click();
        });
        for (int t = 0; t < 500 && s.g.st.nissu > 0; ++t) s.run([&] { m->Timer2_Timer(); });
        QCOMPARE(s.g.st.day, 3);
        QVERIFY(s.g.st.country[0].gold > 1000000);

        s.run([&] { m->N2_Click(); });
        Shop* shop = s.g.find<Shop>();
        s.run([&] {
            shop->NAIYO_Click(7);
            shop->Text1_Change(QStringLiteral("2"));
        });
        s.run([&] { shop->Timer1_Timer(); });
        s.run([&] { shop->OK_Click(); });
        s.run([&] { shop->NO_Click(); });
        QCOMPARE(s.g.st.slot[2].kosuu, 7);

        Country& me = s.g.st.country[0];  // a country strong enough to win every battle
        me.hp = 200000;
        me.OFE = 20000;
        me.DEF = 5000;
        me.qui = 150;
        me.heisi = 30;
        for (int rival = 1; rival <= 12; ++rival) {
            QVERIFY2(fight(s, rival) > 0, qPrintable(QString::number(rival)));
            QCOMPARE(s.g.st.country[rival].win, 1);
            QVERIFY(s.g.visible(ScreenId::Main));
        }
        QCOMPARE(s.g.find<Form2>()->KKAze.Max, 12);  // set up before the twelfth fell
        s.run([&] { s.g.find<Form2>()->N2_Click(); });
        s.run([&] { s.g.find<Shop>()->NO_Click(); });
        QCOMPARE(s.g.find<Form2>()->KKAze.Max, 13);

        const std::int32_t dayBefore = s.g.st.day;
        s.pf.shown.clear();
        QVERIFY(fight(s, 13) > 0);
        QCOMPARE(s.pf.texts().size(), 1);
        QVERIFY(s.pf.texts()[0].startsWith(QStringLiteral("勝利！！")));
        QVERIFY(!s.g.loaded(ScreenId::Main));
        Form8* ending = s.g.find<Form8>();
        QVERIFY(ending && s.g.visible(ScreenId::Ending));
        for (int t = 0; t < 5000 && !s.g.ended(); ++t) s.run([&] { ending->Timer1_Timer(); });
        QVERIFY(s.g.ended());

        GameState loaded;
        loadGame(loaded, s.pf);
        QCOMPARE(loaded.country[13].win, 1);
        QCOMPARE(loaded.country[0].name, QStringLiteral("勇者の国"));
        QCOMPARE(loaded.day, dayBefore + 1);
        QCOMPARE(loaded.country[0].gold, s.g.st.country[0].gold);
    }
};

QTEST_APPLESS_MAIN(GameFlowTest)
#include "test_game_flow.moc"
