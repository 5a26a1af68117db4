#include <QTest>

#include "battle/item_chooser.h"
#include "battle_support.h"
#include "core/keys.h"

using namespace zentar;

namespace {

enum Strategy { Leave, One, Item, Retreat };

// A battle whose opening is over, with the menu opened by Enter.
Form3& pausedBattle(BattleSession& s) {
    Form3& b = s.open();
    s.skipOpening();
    s.run([&] { b.Form_KeyDown(kVkReturn); });
    return b;
}

void carryOut(BattleSession& s, int strategy) {
    s.run([&] {
        s.battle().SENPO_Click(strategy);
        s.battle().II_Click();
    });
}

}  // namespace

class BattleMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void keysOpenTheMenuOnlyAfterTheOpening() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        s.run([&] { b.Form_KeyDown(kVkNumpad0); });
        QVERIFY(!b.HANDAN.Visible);
        s.skipOpening();
        s.run([&] { b.Form_KeyDown('A'); });
        QVERIFY(!b.HANDAN.Visible);
        QVERIFY(b.snk.Enabled);
        s.run([&] { b.Form_KeyDown(kVkNumpad0); });
        QVERIFY(b.HANDAN.Visible);
        QVERIFY(!b.snk.Enabled);
        QCOMPARE(b.MOMIR.Caption, QStringLiteral("対決国の様子"));
        QCOMPARE(b.kab.Top, 3450.0f);
        QCOMPARE(b.HYO.picture, kao(0));
    }

    void reportLineByLine() {
        BattleSession s(1, 2, 1);
        s.pf.repeat(0.5f, 4);
        Form3& b = s.open();
        s.skipOpening();
        b.bm.heihp[kPlayer][1] = 0;
        b.bm.heihp[kPlayer][2] = 1;
        b.bm.nokori[kPlayer] = 1;
        s.run([&] { b.Form_KeyDown(kVkReturn); });
        QCOMPARE(
            b.sinti.Text.split(QStringLiteral("\r\n")),
            (QStringList{QStringLiteral("今の世界征服をもくろむ会国の現状です"),
                         QStringLiteral("攻撃力42防御力25決断力11"), QStringLiteral("兵士2人"),
                         QStringLiteral("各兵士の様子"), QStringLiteral("兵士1　ＨＰ736/736"),
                         QStringLiteral("まだ生きています"), QStringLiteral("兵士2　ＨＰ0/736"),
                         QStringLiteral("力尽きています･･･"), QStringLiteral("兵士3　ＨＰ1/736"),
                         QStringLiteral("まだ生きています"), QString()}));
        s.g.st.country[0].heisi = 255;  // every one of 256 soldiers, and no more
        s.run([&] { b.Form_KeyDown(kVkReturn); });
        const QStringList lines = b.sinti.Text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4 + 2 * 256 + 1);
        QCOMPARE(lines[4 + 2 * 255], QStringLiteral("兵士256　ＨＰ0/736"));
    }

    void switchingTheReport() {
        BattleSession s(3, 1, 1);
        Form3& b = pausedBattle(s);
        s.run([&] { b.MOMIR_Click(); });
        QCOMPARE(b.MOMIR.Caption, QStringLiteral("自分の国"));
        QCOMPARE(b.kab.Top, 3450.0f);
        QVERIFY(b.sinti.Text.startsWith(QStringLiteral("今の男の中の男国の現状です")));
        QCOMPARE(b.HYO.picture, kao(3));
        s.run([&] { b.MOMIR_Click(); });
        QCOMPARE(b.MOMIR.Caption, QStringLiteral("対決国の様子"));
        QCOMPARE(b.sinti.Text, b.report(kPlayer, 0));
        s.run([&] { b.MOMIR_Click(); });
        s.run([&] { b.Form_KeyDown(kVkReturn); });  // the key again shows the own report
        QCOMPARE(b.MOMIR.Caption, QStringLiteral("対決国の様子"));
        QCOMPARE(b.HYO.picture, kao(0));
        QCOMPARE(b.kab.Top, 3450.0f);
    }

    void closingTheMenuResumes() {
        BattleSession s(1, 1, 1);
        Form3& b = pausedBattle(s);
        s.run([&] { b.MG_Click(); });
        QVERIFY(!b.HANDAN.Visible);
        QVERIFY(b.snk.Enabled);
        QVERIFY(!b.Timer1.Enabled);
        QCOMPARE(b.kab.Top, 5950.0f);
    }

    void noStrategyChosen() {
        BattleSession s(1, 1, 1);
        Form3& b = pausedBattle(s);
        s.run([&] {
            b.SENPO_Click(Leave);
            b.SENPO_Click(4);  // outside the list: nothing is chosen
            b.II_Click();
        });
        QCOMPARE(b.SENPO.ListIndex, -1);
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("戦法を決めてください！")});
        QVERIFY(b.HANDAN.Visible);
        QVERIFY(!b.snk.Enabled);
    }

    void leaveItToThem() {
        BattleSession s(1, 3, 4);
        s.pf.repeat(0.5f, 14);
        Form3& b = pausedBattle(s);
        b.bm.nokori = {2, 4};
        b.bm.mato[kPlayer][3] = 3;
        s.pf.script({0.0f, 0.5f, 0.99f});
        carryOut(s, Leave);
        QCOMPARE(b.bm.mato[kPlayer][0], 0);
        QCOMPARE(b.bm.mato[kPlayer][1], 2);
        QCOMPARE(b.bm.mato[kPlayer][2], 3);
        QCOMPARE(b.bm.mato[kPlayer][3], 3);  // above nokori(0): kept
        QCOMPARE(b.sakusen, QStringLiteral("あ"));
        QVERIFY(b.snk.Enabled);
        QVERIFY(!b.HANDAN.Visible);
    }

    void leaveWithOneRivalLeft() {
        BattleSession s(1, 2, 1);
        s.pf.repeat(0.5f, 4);
        Form3& b = pausedBattle(s);
        b.bm.mato[kPlayer] = {};
        b.bm.mato[kPlayer][1] = 7;
        s.pf.script({0.9f, 0.9f, 0.9f});
        carryOut(s, Leave);
        for (int i = 0; i <= 2; ++i) QCOMPARE(b.bm.mato[kPlayer][i], 0);
    }

    void aimAtOne() {
        BattleSession s(1, 2, 5);
        s.pf.repeat(0.5f, 14);
        Form3& b = pausedBattle(s);
        carryOut(s, One);  // rival soldier 0 stands: no draw
        for (int i = 0; i <= 2; ++i) QCOMPARE(b.bm.mato[kPlayer][i], 0);
        s.run([&] { b.Form_KeyDown(kVkReturn); });
        b.bm.heihp[kRival][0] = 0;
        b.bm.heihp[kRival][3] = 0;
        b.bm.nokori[kRival] = 4;
        s.pf.script({0.8f, 0.5f});  // r × 4: 3 (fallen), then 2
        carryOut(s, One);
        for (int i = 0; i <= 2; ++i) QCOMPARE(b.bm.mato[kPlayer][i], 2);
        QVERIFY(s.pf.draws.empty());
    }

    // Counts above the last soldier (only revivals of soldiers that started fallen make
    // them) still command soldiers 0 to 255 and nothing beyond, and a target drawn
    // over such a count stops at soldier 255.
    void commandsNeverPassTheLastSoldier_data() {
        QTest::addColumn<int>("strategy");
        QTest::addColumn<int>("target");
        QTest::newRow("leave it to them: r × 300 held at 255") << int(Leave) << 255;
        QTest::newRow("aim at one: rival soldier 0 stands") << int(One) << 0;
    }
    void commandsNeverPassTheLastSoldier() {
        QFETCH(int, strategy);
        QFETCH(int, target);
        BattleSession s(1, 1, 1);
        Form3& b = pausedBattle(s);
        b.bm.nokori = {300, 300};
        b.bm.mato[kRival].fill(7);
        s.pf.repeat(0.999f, 256);
        carryOut(s, strategy);
        for (int i = 0; i < kSoldiers; ++i) QCOMPARE(b.bm.mato[kPlayer][i], target);
        QCOMPARE(b.bm.mato[kRival][0], 7);
    }

    void aimAtOneWhenTheDrawCannotReachAnyone() {
        BattleSession s(1, 1, 5);
        s.pf.repeat(0.5f, 10);
        Form3& b = pausedBattle(s);
        for (int i = 0; i <= 3; ++i) b.bm.heihp[kRival][i] = 0;
        b.bm.nokori[kRival] = 2;  // draws reach 0 and 1 only; soldiers 4 and 5 stand
        carryOut(s, One);
        QCOMPARE(b.bm.mato[kPlayer][0], 4);
        s.run([&] { b.Form_KeyDown(kVkReturn); });
        b.bm.heihp[kRival] = {};
        b.bm.mato[kPlayer][0] = 9;
        carryOut(s, One);
        QCOMPARE(b.bm.mato[kPlayer][0], 9);  // nobody stands: the targets stay
    }

    void retreatChangesNothing() {
        BattleSession s(2, 1, 1);
        pausedBattle(s);
        const auto before = wholeState(s.g.st);
        carryOut(s, Retreat);
        QCOMPARE(s.pf.texts(),
                 (QStringList{QStringLiteral("こりゃかなわん。逃げよう。"),
                              QStringLiteral("すたこらさっさー"), QStringLiteral("退却した･･･")}));
        QVERIFY(!s.g.loaded(ScreenId::Battle));
        QVERIFY(s.g.visible(ScreenId::Main));
        QCOMPARE(wholeState(s.g.st), before);
    }

    void itemStrategyOpensTheChooser() {
        BattleSession s(1, 1, 1);
        Form3& b = pausedBattle(s);
        carryOut(s, Item);
        QVERIFY(s.g.visible(ScreenId::Chooser));
        QVERIFY(!s.g.enabled(ScreenId::Battle));
        QVERIFY(b.HANDAN.Visible);
        QVERIFY(!b.snk.Enabled);
        s.run([&] { s.g.find<Form7>()->Command2_Click(); });
        QVERIFY(s.g.enabled(ScreenId::Battle));
        QVERIFY(!s.g.loaded(ScreenId::Chooser));
        QVERIFY(b.HANDAN.Visible);
        QVERIFY(!b.snk.Enabled);
    }

    void closingTheBattleAlsoClosesTheChooser() {
        BattleSession s(1, 1, 1);
        pausedBattle(s);
        carryOut(s, Item);
        s.run([&] { s.battle().QueryUnload(); });
        QVERIFY(!s.g.loaded(ScreenId::Chooser));
        QVERIFY(s.g.visible(ScreenId::Main));
        s.run([&] { s.g.Load(ScreenId::Battle); });  // the next battle takes input again
        QVERIFY(s.g.enabled(ScreenId::Battle));
    }
};

QTEST_APPLESS_MAIN(BattleMenuTest)
#include "test_battle_menu.moc"
