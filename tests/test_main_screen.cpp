#include <QTest>

#include "core/keys.h"
#include "country/main_screen.h"
#include "country/training.h"
#include "test_support.h"

using namespace zentar;

namespace {

QStringList lines(const QString& text) {
    QStringList l = text.split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.back().isEmpty()) l.pop_back();
    return l;
}

void refresh(Session& s) {
    s.run([&] { s.g.find<Form2>()->Timer1_Timer(); });
}

}  // namespace

class MainScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void ownStatusAfterNewGame() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        QVERIFY(m.Timer1.Enabled);
        refresh(s);
        QVERIFY(!m.Timer1.Enabled);
        const QStringList l = lines(m.ST.Text);
        QCOMPARE(l.size(), 6 + 30);
        QCOMPARE(l[0], QStringLiteral("国名－－世界征服をもくろむ会国"));
        QCOMPARE(l[1], QStringLiteral("兵士11人"));
        QCOMPARE(l[2], QStringLiteral("生命力736"));
        QCOMPARE(l[3], QStringLiteral("戦闘力 42　　防御力 25　  決断力 11"));
        QCOMPARE(l[4], QStringLiteral("国家予算   1000000￥"));
        QCOMPARE(l[5], QStringLiteral("戦利品　３０種"));
        QCOMPARE(l[6], QStringLiteral("1  ライフガード 1　5個"));
        QCOMPARE(l[7], QStringLiteral("2  爆弾 1　5個"));
        QCOMPARE(l[8], QStringLiteral("3  　0個"));
        QCOMPARE(l[35], QStringLiteral("30  　0個"));
        QVERIFY(m.ST.Text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(m.HYO.picture, kao(0));
        QCOMPARE(m.MSP.Value, 100);
    }

    void rivalStatus() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.g.st.country[3].win = 2;
        s.run([&] { m.KKAze_Change(3); });
        refresh(s);
        QCOMPARE(
            lines(m.ST.Text),
            (QStringList{QStringLiteral("国名－－男の中の男国"), QStringLiteral("兵士20人"),
                         QStringLiteral("生命力1121"),
                         QStringLiteral("戦闘力 56　　防御力 12　  決断力 7"),
                         QStringLiteral("国家予算   1000000￥"), QStringLiteral("対戦勝利数2")}));
        QCOMPARE(m.HYO.picture, kao(3));
        QCOMPARE(m.KKAze.Value, 3);
    }

    void severalRequestsGiveOneRefresh() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] {
            m.KKAze_Change(1);
            m.KKAze_Change(2);
        });
        s.g.st.country[2].hp = 1;
        s.fireTimers(m);
        QVERIFY(m.ST.Text.contains(QStringLiteral("生命力1\r\n")));
        s.g.st.country[2].hp = 2;
        s.fireTimers(m);  // no request since the refresh: the text stays
        QVERIFY(m.ST.Text.contains(QStringLiteral("生命力1\r\n")));
        s.run([&] { m.KKAze_Change(2); });
        s.fireTimers(m);
        QVERIFY(m.ST.Text.contains(QStringLiteral("生命力2\r\n")));
    }

    void keysInTheStatusWrapAround_data() {
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("rival 13 locked") << false << QList<int>{0, 1};
        QTest::newRow("rival 13 unlocked") << true << QList<int>{13, 0};
    }
    void keysInTheStatusWrapAround() {
        QFETCH(bool, unlocked);
        QFETCH(QList<int>, shown);
        Session s;
        s.g.st.newGame({});
        for (int i = 1; i <= 12; ++i) s.g.st.country[i].win = unlocked ? 1 : (i == 12 ? 0 : 1);
        s.run([&] { s.g.Show(ScreenId::Main); });
        Form2& m = *s.g.find<Form2>();
        QCOMPARE(m.KKAze.Max, unlocked ? 13 : 12);
        s.run([&] { m.KKAze_Change(12); });
        s.fireTimers(m);
        for (int expected : shown) {
            s.run([&] { m.ST_KeyDown('A'); });
            QCOMPARE(m.hyouji, expected);
            s.fireTimers(m);
            QCOMPARE(m.KKAze.Value, expected);  // the refresh moves the scroll bar along
            QCOMPARE(m.HYO.picture, kao(expected));
            QVERIFY(
                m.ST.Text.startsWith(QStringLiteral("国名－－") + s.g.st.country[expected].name));
        }
    }

    void unlockIsDecidedAtSetUpOnly() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        for (int i = 1; i <= 12; ++i) s.g.st.country[i].win = 1;
        QCOMPARE(m.KKAze.Max, 12);
        s.run([&] {
            s.g.Unload(ScreenId::Main);
            s.g.Show(ScreenId::Main);
        });
        QCOMPARE(s.g.find<Form2>()->KKAze.Max, 13);
    }

    void arrowKeysNeverChangeTheCountry() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.KKAze_Change(4); });
        for (int key : {kVkLeft, kVkUp, kVkRight, kVkDown}) s.run([&] { m.ST_KeyDown(key); });
        QCOMPARE(m.hyouji, 4);
        QVERIFY(s.pf.shown.empty());
    }

    void pauseQuestionOnlyWhileTraining() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.Form_KeyDown('X'); });
        QVERIFY(s.pf.shown.empty());
        s.g.st.nissu = 1;  // the last day still to run
        s.pf.answers = {Answer::No};
        s.run([&] { m.Form_KeyDown('X'); });
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("時間を止めますか？")});
        QCOMPARE(s.g.st.nissu, 1);
        s.pf.answers = {Answer::Yes};
        s.run([&] { m.ST_KeyDown(kVkDown); });
        QCOMPARE(s.g.st.nissu, 0);
        QCOMPARE(s.pf.texts().back(), QStringLiteral("時間を止めました"));
        QCOMPARE(s.pf.shown.back().icon, Icon::None);
    }

    void battleNeedsARivalOnDisplay() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.N3_Click(); });
        QCOMPARE(s.pf.texts(),
                 QStringList{QStringLiteral("対戦したい相手を表示させてから押してください。")});
        QCOMPARE(s.g.st.day, 0);
        QVERIFY(s.g.visible(ScreenId::Main));
        QVERIFY(!s.g.loaded(ScreenId::Battle));
    }

    void battleHandsOverTheRivalAndSaves() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.pf.seed = 1;
        s.run([&] {
            m.KKAze_Change(5);
            m.N3_Click();
        });
        QCOMPARE(s.g.st.aite, 5);
        QCOMPARE(s.g.st.day, 1);
        QCOMPARE(s.pf.store.value("day"), QStringLiteral("1"));
        QVERIFY(s.g.visible(ScreenId::Battle));
        // The battle takes its portraits from the main screen, which is set up again, hidden.
        QVERIFY(s.g.loaded(ScreenId::Main));
        QVERIFY(!s.g.visible(ScreenId::Main));
        QCOMPARE(s.g.find<Form2>()->hyouji, 5);
    }

    void stoppingSavesAndEnds() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>(QStringLiteral("中断の国"));
        s.run([&] { m.N6_Click(); });
        QVERIFY(s.g.ended());
        QCOMPARE(s.pf.writeOrder.size(), 208);
        QCOMPARE(s.pf.store.value("name0"), QStringLiteral("中断の国"));
    }

    void closingTheWindowSavesAndEnds() {
        Session s;
        s.newGameOnMain<Form2>();
        s.run([&] { s.g.find<Form2>()->QueryUnload(); });
        QCOMPARE(s.pf.writeOrder.size(), 208);
        QVERIFY(s.g.ended());
    }

    // A save that fails, or whose write runs short, is told and leaves the old save whole.
    void aFailedSaveIsTold_data() {
        QTest::addColumn<QString>("refusal");  // what the store says, when it notices
        QTest::addColumn<int>("writesKept");
        QTest::newRow("refused") << QStringLiteral("書き込めません。") << -1;
        QTest::newRow("cut short") << QString() << 207;  // only the last value is lost
    }
    void aFailedSaveIsTold() {
        QFETCH(QString, refusal);
        QFETCH(int, writesKept);
        Session s;
        GameState old;
        old.newGame(QStringLiteral("前の国"));
        saveGame(old, s.pf);
        const QMap<QString, QString> before = s.pf.store;
        Form2& m = s.newGameOnMain<Form2>();
        s.pf.commitFailure = refusal;
        s.pf.writesKept = writesKept;
        s.run([&] { m.N6_Click(); });
        QCOMPARE(s.pf.shown.size(), std::size_t(1));
        QVERIFY(s.pf.shown[0].text.startsWith(QStringLiteral("セーブに失敗しました。\r\n")));
        QVERIFY(s.pf.shown[0].text.endsWith(refusal));
        QCOMPARE(s.pf.store, before);
    }

    void helpShowsItsMessageThenTheManual() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.Z1_Click(); });
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("ヘルプ.htmをご覧下さい。(^_^;)")});
        QCOMPARE(s.pf.helps, 1);
    }

    void trainingOrderDisablesTheMainScreen() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.N1_Click(); });
        QVERIFY(s.g.visible(ScreenId::Training));
        QVERIFY(!s.g.enabled(ScreenId::Main));
        s.run([&] { s.g.find<Form4>()->NO_Click(); });
        QVERIFY(s.g.enabled(ScreenId::Main));
        QVERIFY(!s.g.loaded(ScreenId::Training));
    }

    void speedOutsideTheBarIsHeldInside() {
        Session s;
        s.g.st.newGame({});
        s.g.st.speed = 0;
        s.run([&] { s.g.Show(ScreenId::Main); });
        QCOMPARE(s.g.find<Form2>()->MSP.Value, 1);
    }
};

QTEST_APPLESS_MAIN(MainScreenTest)
#include "test_main_screen.moc"
