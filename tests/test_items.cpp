#include <QTest>

#include "battle/item_chooser.h"
#include "battle_support.h"
#include "core/keys.h"

using namespace zentar;

namespace {

// A small battle paused in its menu: four player soldiers against three rivals.
struct ItemSession : BattleSession {
    explicit ItemSession(int rivalHeisi = 2) : BattleSession(1, 3, rivalHeisi) {
        pf.repeat(0.5f, 2 * (3 + rivalHeisi));
        Form3& b = open();
        skipOpening();
        run([&] { b.Form_KeyDown(kVkReturn); });
        pf.shown.clear();
        pf.shapes.clear();
    }
    // Uses an inventory text through the chooser.
    void use(const QString& text) {
        run([&] {
            battle().SENPO_Click(2);
            battle().II_Click();
        });
        g.st.sentaku = text;
        run([&] { g.find<Form7>()->Command1_Click(); });
    }
    Form3& b() { return battle(); }
};

using Draw = void (Form3::*)();

// Both armies in a line: hit points, counts, strengths, shown sprites and where the
// player's first and the rival's last soldier stand.
QString armies(const Form3& b) {
    const auto list = [](auto first, auto last) {
        QStringList l;
        for (auto it = first; it != last; ++it) l << QString::number(*it);
        return l.join(u',');
    };
    QString shown;
    for (int i = 0; i <= 3; ++i) shown += b.HEIM[i].Visible ? u'1' : u'0';
    shown += u',';
    for (int i = 0; i <= 2; ++i) shown += b.HEIT[i].Visible ? u'1' : u'0';
    const BattleModel& m = b.bm;
    return QStringLiteral("%1 / %2 nokori %3 kou %4 bou %5 ketu %6 shown %7 at %8,%9 %10,%11")
        .arg(list(m.heihp[kPlayer].begin(), m.heihp[kPlayer].begin() + 4),
             list(m.heihp[kRival].begin(), m.heihp[kRival].begin() + 3),
             list(m.nokori.begin(), m.nokori.end()), list(m.kou.begin(), m.kou.end()),
             list(m.bou.begin(), m.bou.end()), list(m.ketu.begin(), m.ketu.end()), shown)
        .arg(b.HEIM[0].Left)
        .arg(b.HEIM[0].Top)
        .arg(b.HEIT[2].Left)
        .arg(b.HEIT[2].Top);
}

QString describe(const Shape& sh) {
    const char* kinds[] = {"circle", "line", "box"};
    return QStringLiteral("%1 %2,%3,%4,%5 %6,%7,%8")
        .arg(QLatin1String(kinds[sh.kind]))
        .arg(sh.x1)
        .arg(sh.y1)
        .arg(sh.x2)
        .arg(sh.y2)
        .arg(sh.colour.r)
        .arg(sh.colour.g)
        .arg(sh.colour.b);
}

}  // namespace

class ItemsTest : public QObject {
    Q_OBJECT
  private slots:
    // Each animation: how many shapes, whether it holds its picture, and some shapes
    // in full. Rings and bars are the same picture every time.
    void animationsDrawTheirShapes_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("holds");
        QTest::addColumn<QList<int>>("at");
        QTest::addColumn<QStringList>("shapes");
        const QString full = QStringLiteral("box %1,0,%2,5685 %3");
        QTest::newRow("act1") << 0 << 5001 << 0 << QList<int>{} << QStringList{};
        QTest::newRow("act2") << 1 << 2001 << 0 << QList<int>{0, 4, 2000}
                              << QStringList{QStringLiteral("circle 3840,2842.5,0,0 0,0,0"),
                                             QStringLiteral("circle 3840,2842.5,12,0 0,0,0"),
                                             QStringLiteral("circle 3840,2842.5,6000,0 0,0,255")};
        QTest::newRow("ACT3") << 2 << 2001 << 0 << QList<int>{2000}
                              << QStringList{QStringLiteral("circle 3840,2842.5,6000,0 0,255,0")};
        QTest::newRow("ACT4") << 3 << 2001 << 0 << QList<int>{2000}
                              << QStringList{QStringLiteral("circle 3840,2842.5,6000,0 255,0,0")};
        QTest::newRow("ACT5") << 4 << 5002 << 1 << QList<int>{0, 1, 2, 3, 10, 5001}
                              << QStringList{full.arg(3838).arg(3840).arg("255,255,255"),
                                             full.arg(3842).arg(3840).arg("255,255,255"),
                                             full.arg(3840).arg(3842).arg("255,255,255"),
                                             full.arg(3840).arg(3838).arg("255,255,255"),
                                             full.arg(3848).arg(3850).arg("255,255,255"),
                                             full.arg(-1158).arg(-1160).arg("0,0,0")};
        QTest::newRow("act6") << 5 << 5002 << 1 << QList<int>{0}
                              << QStringList{full.arg(3838).arg(3840).arg("255,0,0")};
        QTest::newRow("ACT7") << 6 << 5002 << 1 << QList<int>{0, 5000}
                              << QStringList{full.arg(3838).arg(3840).arg("0,255,255"),
                                             full.arg(8838).arg(8840).arg("0,0,0")};
        QTest::newRow("ACT8") << 7 << 21 * 51 * 41 << 1 << QList<int>{} << QStringList{};
    }
    void animationsDrawTheirShapes() {
        QFETCH(int, which);
        QFETCH(int, count);
        QFETCH(int, holds);
        QFETCH(QList<int>, at);
        QFETCH(QStringList, shapes);
        const Draw draws[] = {&Form3::act1, &Form3::act2, &Form3::ACT3, &Form3::ACT4,
                              &Form3::ACT5, &Form3::act6, &Form3::ACT7, &Form3::ACT8};
        ItemSession s;
        Form3& b = s.b();
        s.run([&] {
            b.SENPO_Click(2);
            b.II_Click();
        });
        const BattleModel before = b.bm;
        s.pf.useSeed(11);
        s.pf.clears = 0;
        int drawnOverPanel = 0, clearsBeforeDrawing = 0;  // the effect has the screen to itself
        s.pf.onShape = [&] {
            drawnOverPanel += b.kab.Visible || s.g.visible(ScreenId::Chooser);
            clearsBeforeDrawing = s.pf.clears;
        };
        (b.*draws[which])();
        QCOMPARE(int(s.pf.shapes.size()), count);
        QCOMPARE(s.pf.announced, count);  // the pace of the drawing depends on it
        QCOMPARE(drawnOverPanel, 0);
        QCOMPARE(clearsBeforeDrawing, 1);
        QCOMPARE(s.pf.holds, holds);
        QCOMPARE(s.pf.clears, 2);
        QVERIFY(s.g.visible(ScreenId::Chooser));  // shown again at the end
        QVERIFY(b.kab.Visible);
        QCOMPARE(b.bm.heihp, before.heihp);
        QCOMPARE(b.bm.kou, before.kou);
        for (int k = 0; k < at.size(); ++k) QCOMPARE(describe(s.pf.shapes[at[k]]), shapes[k]);
    }

    void randomAnimationsDrawInOrder() {
        ItemSession s;
        Form3& b = s.b();
        // Position, then red, green, blue: each rounded to the nearest, ties to even.
        s.pf.script({0.5f, 0.25f, 0.803f, 0.85f, 0.96f});
        s.pf.useSeed(1);
        b.act1();
        QCOMPARE(describe(s.pf.shapes.front()),
                 QStringLiteral("circle 3840,1421.25,300,0 205,217,245"));
        s.pf.shapes.clear();
        s.pf.script({0.505f, 0.5f, 0.75f});  // brightness 95.75 is cut to 95
        b.ACT8();
        QCOMPARE(describe(s.pf.shapes[0]), QStringLiteral("line 3840,-100,3940,0 95,95,255"));
        QCOMPARE(describe(s.pf.shapes[40]), QStringLiteral("line 3880,-100,3980,0 95,95,255"));
    }

    void chooserListsTheInventory() {
        ItemSession s;
        s.g.st.slot[30] = {QStringLiteral("プロテイン 2"), 2};
        s.run([&] {
            s.b().SENPO_Click(2);
            s.b().II_Click();
        });
        Form7& c = *s.g.find<Form7>();
        QCOMPARE(c.AITEM.List.size(), 30);
        QCOMPARE(c.AITEM.List[0], QStringLiteral("ライフガード 1"));
        QCOMPARE(c.AITEM.List[1], QStringLiteral("爆弾 1"));
        QCOMPARE(c.AITEM.List[2], QString());
        QCOMPARE(c.AITEM.List[29], QStringLiteral("プロテイン 2"));
        QCOMPARE(c.ITE.Text, QStringLiteral("0"));
        QCOMPARE(c.Timer1.Interval, 100);
        s.g.st.sentaku = QStringLiteral("stale");
        s.run([&] {
            c.AITEM_Click(1);
            c.Timer1_Timer();
        });
        QCOMPARE(s.g.st.sentaku, QStringLiteral("爆弾 1"));
        QCOMPARE(c.ITE.Text, QStringLiteral("5個"));
        s.run([&] {
            c.AITEM_Click(29);
            c.Timer1_Timer();
        });
        QCOMPARE(c.ITE.Text, QStringLiteral("2個"));
        s.run([&] {
            c.AITEM_Click(5);
            c.Timer1_Timer();
        });
        QCOMPARE(s.g.st.sentaku, QString());
        s.run([&] { c.AITEM_Click(30); });  // outside the list: nothing is chosen
        QCOMPARE(c.AITEM.ListIndex, -1);
        s.g.st.slot[2] = {};
        s.run([&] { c.Form_Load(); });  // loaded again, it lists the inventory afresh
        QCOMPARE(c.AITEM.List.size(), 30);
        QCOMPARE(c.AITEM.List[1], QString());
    }

    void usingBeforeTheFirstTickTakesTheLastChoice() {
        ItemSession s;
        s.g.st.sentaku = QStringLiteral("爆弾 1");
        s.run([&] {
            s.b().SENPO_Click(2);
            s.b().II_Click();
        });
        s.pf.useSeed(6);
        s.run([&] { s.g.find<Form7>()->Command1_Click(); });
        QCOMPARE(s.g.st.slot[2].kosuu, 4);
        QVERIFY(s.g.enabled(ScreenId::Battle));
        QVERIFY(!s.g.loaded(ScreenId::Chooser));
    }

    void lifeGuardHealsTheLivingUpToTheCap() {
        ItemSession s;
        s.g.st.country[0].hp = 700;
        s.b().bm.heihp[kPlayer] = {};
        for (int i = 0; auto v : {1, 300, 0, -20}) s.b().bm.heihp[kPlayer][i++] = v;
        s.use(QStringLiteral("ライフガード 1"));
        const auto& hp = s.b().bm.heihp[kPlayer];
        QCOMPARE((QList<int>{hp[0], hp[1], hp[2], hp[3]}), (QList<int>{601, 700, 0, 0}));
        QCOMPARE(s.pf.effects, 1);
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("あなたの兵士はＨＰが600回復した！")});
        QCOMPARE(s.g.st.slot[1].kosuu, 4);
        QCOMPARE(s.b().MOMIR.Caption,
                 QStringLiteral("対決国の様子"));  // the report shows as before
        QVERIFY(s.b().sinti.Text.contains(QStringLiteral("兵士2　ＨＰ700/700")));
        QVERIFY(!s.b().snk.Enabled);
    }

    void nurseCallRaisesOnlyThoseAtExactlyZero() {
        ItemSession s;
        s.g.st.slot[3] = {QStringLiteral("ナースコール 2"), 1};
        auto& hp = s.b().bm.heihp[kPlayer];
        hp[0] = 0;
        hp[1] = -5;
        hp[2] = 0;
        hp[3] = 100;
        s.b().bm.nokori[kPlayer] = 1;
        s.b().HEIM[0].Visible = s.b().HEIM[2].Visible = false;
        s.pf.script({0.35f, 0.2f, 0.5f, 0.2f});  // d = r × 5 cut: 1, 1, 2, 1
        s.use(QStringLiteral("ナースコール 2"));
        QCOMPARE(hp[0], 600);
        QCOMPARE(hp[1], 0);  // below zero is passed over, then lifted to 0
        QCOMPARE(hp[2], 0);
        QCOMPARE(hp[3], 100);
        QCOMPARE(s.b().bm.nokori[kPlayer], 2);
        QVERIFY(s.b().HEIM[0].Visible);
        QVERIFY(!s.b().HEIM[2].Visible);
        QCOMPARE(s.pf.texts(),
                 QStringList{QStringLiteral("運のいい力尽きた兵士はＨＰが600回復した！")});
        QCOMPARE(s.pf.effects, 1);
        QCOMPARE(s.g.st.slot[3].item, QString());
    }

    void godVoiceRevivesEveryone() {
        ItemSession s;
        s.g.st.slot[3] = {QStringLiteral("ゴッドボイス 1"), 2};
        auto& hp = s.b().bm.heihp[kPlayer];
        hp[1] = 0;
        hp[2] = -40;
        s.b().HEIM[1].Visible = s.b().HEIM[2].Visible = false;
        s.b().bm.nokori[kPlayer] = 1;
        s.use(QStringLiteral("ゴッドボイス 1"));
        for (int i = 0; i <= 3; ++i) QCOMPARE(hp[i], 736);
        QCOMPARE(s.b().bm.nokori[kPlayer], 3);
        QVERIFY(s.b().HEIM[2].Visible);
        QCOMPARE(s.pf.effects, 3);
        QCOMPARE(s.pf.texts(),
                 QStringList{QStringLiteral("あなたのすべての兵士はＨＰが1000回復した！")});
    }

    void godVoiceOfPotencyZeroCountsNobodyBack() {
        ItemSession s;
        s.g.st.slot[3] = {QStringLiteral("ゴッドボイス 0"), 1};
        s.b().bm.heihp[kPlayer][1] = 0;
        s.b().HEIM[1].Visible = false;
        s.b().bm.nokori[kPlayer] = 2;
        s.use(QStringLiteral("ゴッドボイス 0"));
        QCOMPARE(s.b().bm.nokori[kPlayer], 2);
        QVERIFY(!s.b().HEIM[1].Visible);
    }

    void statGoods_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("after");  // kou, bou, ketu of the player
        QTest::addColumn<QString>("message");
        QTest::newRow("protein 3")
            << QStringLiteral("プロテイン 3") << QList<int>{102, 5, 11}
            << QStringLiteral(
                   "兵士は攻撃力が60増加した！\r\nが、自信過剰になり多少防御力が落ちた！");
        QTest::newRow("protein 2: 11.67 rounds up")
            << QStringLiteral("プロテイン 2") << QList<int>{82, 12, 11}
            << QStringLiteral(
                   "兵士は攻撃力が40増加した！\r\nが、自信過剰になり多少防御力が落ちた！");
        QTest::newRow("necklace 1")
            << QStringLiteral("鋼鉄の首飾り 1") << QList<int>{42, 45, 4}
            << QStringLiteral("兵士は防御力が20増加した！\r\nが、重いため多少決断力が鈍った！");
        QTest::newRow("quick run 9") << QStringLiteral("クイックラン 9") << QList<int>{-18, 25, 191}
                                     << QStringLiteral(
                                            "兵士は決断力が180増加した！\r\nが、薬物使用してラリッ"
                                            "てるため多少攻撃力が下がった！");
        QTest::newRow("non-digit potency")
            << QStringLiteral("プロテイン x") << QList<int>{42, 25, 11}
            << QStringLiteral(
                   "兵士は攻撃力が0増加した！\r\nが、自信過剰になり多少防御力が落ちた！");
    }
    void statGoods() {
        QFETCH(QString, text);
        QFETCH(QList<int>, after);
        QFETCH(QString, message);
        ItemSession s;
        s.g.st.slot[3] = {text, 1};
        s.use(text);
        const BattleModel& m = s.b().bm;
        QCOMPARE((QList<int>{m.kou[kPlayer], m.bou[kPlayer], m.ketu[kPlayer]}), after);
        QCOMPARE(s.pf.texts(), QStringList{message});
        QCOMPARE(s.pf.effects, 1);
    }

    void bombHitsTheLivingRivals() {
        ItemSession s;
        s.g.st.slot[3] = {QStringLiteral("爆弾 2"), 1};
        auto& hp = s.b().bm.heihp[kRival];
        hp[0] = 529;
        hp[1] = 1;
        hp[2] = 0;
        s.b().bm.nokori[kRival] = 1;
        s.pf.useSeed(3);
        s.pf.draws.clear();
        // act1 takes 5001 × 5 draws; then one per living rival.
        s.pf.repeat(0.1f, 5001 * 5);
        s.pf.script({0.5f, 0.25f});
        s.run([&] {
            s.b().SENPO_Click(2);
            s.b().II_Click();
        });
        s.g.st.sentaku = QStringLiteral("爆弾 2");
        s.run([&] { s.g.find<Form7>()->Command1_Click(); });
        QCOMPARE(hp[0], 229);
        QCOMPARE(hp[1], 0);
        QCOMPARE(s.b().bm.nokori[kRival], 0);
        QVERIFY(!s.b().HEIT[1].Visible);
        QCOMPARE(s.pf.texts(),
                 QStringList{QStringLiteral("単純人間兵士は爆風を受け約600ダメージ！")});
        QCOMPARE(s.pf.effects, 1);
    }

    void usingUpConsumesTwinsAndFillsGaps() {
        ItemSession s;
        auto& slot = s.g.st.slot;
        slot[1] = {QStringLiteral("爆弾 1"), 2};
        slot[2] = {};
        slot[3] = {};
        slot[4] = {QStringLiteral("爆弾 1"), 3};
        slot[5] = {QStringLiteral("ライフガード 1"), 1};
        slot[30] = {QStringLiteral("爆弾 1"), 1};
        s.pf.useSeed(2);
        s.use(QStringLiteral("爆弾 1"));
        QCOMPARE(slot[1].kosuu, 1);
        QCOMPARE(slot[4].kosuu, 2);
        QCOMPARE(slot[30].item, QString());
        QCOMPARE(slot[3].item, QStringLiteral("爆弾 1"));  // copied one slot down, count 0
        QCOMPARE(slot[3].kosuu, 0);
        QCOMPARE(slot[2].item, QString());
        s.run([&] { s.b().Form_KeyDown(kVkReturn); });
        s.use(QStringLiteral("ライフガード 1"));
        QCOMPARE(slot[5].item, QString());
        QCOMPARE(slot[4].item, QStringLiteral("爆弾 1"));
    }

    void lastItemOfASlotLeavesItsNeighboursName() {
        ItemSession s;
        s.g.st.slot[1] = {QStringLiteral("ライフガード 1"), 1};
        s.use(QStringLiteral("ライフガード 1"));
        QCOMPARE(s.g.st.slot[1].item, QStringLiteral("爆弾 1"));
        QCOMPARE(s.g.st.slot[1].kosuu, 0);
        QCOMPARE(s.g.st.slot[2].kosuu, 5);
        s.run([&] {
            s.b().SENPO_Click(2);
            s.b().II_Click();
        });
        Form7& c = *s.g.find<Form7>();
        QCOMPARE(c.AITEM.List[0], QStringLiteral("爆弾 1"));
        QCOMPARE(c.AITEM.List[1], QStringLiteral("爆弾 1"));
        s.run([&] {
            c.AITEM_Click(0);
            c.Timer1_Timer();
        });
        QCOMPARE(c.ITE.Text, QStringLiteral("5個"));
        s.pf.useSeed(4);
        s.run([&] { c.Command1_Click(); });  // the copy at count 0 is emptied, its twin loses one
        QCOMPARE(s.g.st.slot[1].kosuu, 0);
        QCOMPARE(s.g.st.slot[2].kosuu, 4);
    }

    // Every use ends by lifting hit points below 0 and then cutting those above the
    // country's hp; a negative hp, which only an edited saved game has, wins.
    void emptyChoiceChangesNothingButStillClamps_data() {
        QTest::addColumn<int>("heisi");    // of the rival
        QTest::addColumn<int>("soldier");  // the rival soldier looked at
        QTest::addColumn<int>("hp");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("below 0") << 2 << 0 << 529 << -3 << 0;
        QTest::newRow("above hp") << 2 << 2 << 529 << 900 << 529;
        QTest::newRow("the 256th soldier") << 255 << 255 << 529 << 900 << 529;
        QTest::newRow("negative hp, soldier standing") << 2 << 2 << -5 << 100 << -5;
        QTest::newRow("negative hp, soldier below it") << 2 << 2 << -5 << -20 << -5;
    }
    void emptyChoiceChangesNothingButStillClamps() {
        QFETCH(int, heisi);
        QFETCH(int, soldier);
        QFETCH(int, hp);
        QFETCH(int, before);
        QFETCH(int, after);
        ItemSession s(heisi);
        s.g.st.country[1].hp = hp;
        s.b().bm.heihp[kRival][soldier] = before;
        s.g.st.slot[7] = {QString(), 3};  // a count without a name is not the empty choice's
        const auto kept = s.g.st.slot;
        s.use(QString());
        QCOMPARE(s.b().bm.heihp[kRival][soldier], after);
        QVERIFY(s.pf.shown.empty());
        for (int i = 1; i <= 30; ++i) QCOMPARE(s.g.st.slot[i].kosuu, kept[i].kosuu);
    }

    void laughingBagOutcomes_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<QStringList>("messages");
        const QString br = QStringLiteral("\r\n");
        QTest::newRow("0 fails") << 0.05f
                                 << QStringList{QStringLiteral("あら？失敗しちゃった。") + br +
                                                QStringLiteral("なんにも起こらなかった！")};
        QTest::newRow("1") << 0.15f
                           << QStringList{
                                  QStringLiteral("必殺！！") + br +
                                      QStringLiteral("呪いの真空切り！！"),
                                  QStringLiteral("全ての兵士は旋風を受け約３００ダメージ！")};
        QTest::newRow("2") << 0.25f
                           << QStringList{QStringLiteral("きえーーー！") + br +
                                              QStringLiteral("回復のしずくーーー！！"),
                                          QStringLiteral("あなたの兵士はＨＰが回復した！")};
        QTest::newRow("3") << 0.35f
                           << QStringList{QStringLiteral("泣く子も黙る！") + br +
                                              QStringLiteral("驚異の攻撃力アーップ！"),
                                          QStringLiteral("兵士は攻撃力が４０増加した！")};
        QTest::newRow("4") << 0.45f
                           << QStringList{
                                  QStringLiteral("特技！！") + br +
                                      QStringLiteral("恐怖の雷攻撃ー！"),
                                  QStringLiteral("単純人間兵士は雷撃を受け約1000ダメージ！")};
        QTest::newRow("5") << 0.55f
                           << QStringList{
                                  QStringLiteral("禁呪！！") + br +
                                      QStringLiteral("地獄の精神ダメージ！"),
                                  QStringLiteral("がびーん！") + br +
                                      QStringLiteral("皆の兵士は落ち込んだ！　素早さダウン！！")};
        QTest::newRow("6") << 0.65f
                           << QStringList{QStringLiteral("一撃！！") + br +
                                              QStringLiteral("最悪な防御力ダウーン！！"),
                                          QStringLiteral("兵士は防御力が４０低下した！")};
        QTest::newRow("7") << 0.75f
                           << QStringList{QStringLiteral("すんばらしいよ！！") + br +
                                              QStringLiteral("奇跡のステータス全回復ー！！"),
                                          QStringLiteral("すべての兵士はＳＴ約3000回復した！")};
        QTest::newRow("8") << 0.85f
                           << QStringList{
                                  QStringLiteral("！？") + br + QStringLiteral("皆飛んでけー！"),
                                  QStringLiteral("すべての兵士はどこかに飛んでった！！")};
        QTest::newRow("9") << 0.95f
                           << QStringList{QStringLiteral("　　華麗！") + br +
                                              QStringLiteral("パラメーターアップの舞い！！"),
                                          QStringLiteral("すべての兵士はパワーアップした！！")};
    }
    void laughingBagOutcomes() {
        QFETCH(float, draw);
        QFETCH(QStringList, messages);
        ItemSession s;
        s.g.st.slot[3] = {QStringLiteral("呪いの笑い袋 0"), 1};
        s.pf.script({draw});
        s.pf.useSeed(5);
        s.use(QStringLiteral("呪いの笑い袋 0"));
        QStringList expected{QStringLiteral("呪いの笑い袋の攻撃！\r\nいくよ、笑い袋恒例の必殺技")};
        expected << messages;
        QCOMPARE(s.pf.texts(), expected);
        QCOMPARE(s.g.st.slot[3].item, QString());  // used up after the bag has acted
    }

    // Each outcome of the bag on the same two armies: player soldiers at 250, 1, -2499
    // (which outcome 7 brings back to exactly 1) and 700 hit points, rival soldiers at
    // 2500, 1 and 0. The first draw picks the outcome; the animations' own draws come
    // next, then the outcome's, soldier by soldier.
    void bagEffects_data() {
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("animationDraws");
        QTest::addColumn<QString>("after");
        const QString kept = QStringLiteral(
            "250,1,-2499,700 / 2500,1,0 nokori 2,1 kou 42,35 bou 25,36 ketu 11,5 shown 1101,110 "
            "at 7200,1680 220,3482.5");
        const auto with = [&](const char* from, const char* to) {
            return QString(kept).replace(QLatin1String(from), QLatin1String(to));
        };
        QTest::newRow("0 nothing") << QList<float>{0.05f} << 0 << kept;
        // 300 × r in single precision: 18.5 exactly, and 681.5 rounds to even 682.
        QTest::newRow("1 both sides hurt")
            << QList<float>{0.15f, 0.9f, 0.0f, 0x1.f92c6p-5f, 0.5f, 0.25f} << 0
            << QStringLiteral(
                   "-20,1,-2499,682 / 2350,-74,0 nokori 1,0 kou 42,35 bou 25,36 ketu 11,5 "
                   "shown 0101,100 at 7200,1680 220,3482.5");
        QTest::newRow("2 the living healed") << QList<float>{0.25f, 0.3f, 0.25f, 0.0f} << 0
                                             << with("250,1,-2499,700", "471,185,-2499,700");
        QTest::newRow("3 attack") << QList<float>{0.35f} << 0 << with("kou 42", "kou 82");
        QTest::newRow("4 lightning") << QList<float>{0.45f, 0.75f, 0.25f} << 21 * 53
                                     << with("2500,1,0 nokori 2,1", "1400,-899,0 nokori 2,0")
                                            .replace("shown 1101,110", "shown 1101,100");
        QTest::newRow("5 decision halved")
            << QList<float>{0.55f} << 0 << with("ketu 11,5", "ketu 6,2");
        QTest::newRow("6 own defence") << QList<float>{0.65f} << 0 << with("bou 25", "bou -15");
        QTest::newRow("7 everyone up")
            << QList<float>{0.75f, 0.5f, 0.0f, 0.0f, 0.75f, 0.5f, 0.0f, 0.25f} << 0
            << QStringLiteral(
                   "3000,2501,1,3575 / 5250,2501,2625 nokori 3,2 kou 42,35 bou "
                   "25,36 ketu 11,5 shown 1111,111 at 7200,1680 220,3482.5");
        QTest::newRow("8 all fly")
            << QList<float>{0.85f, 0.5f, 0.25f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.75f, 0.5f} << 0
            << with("at 7200,1680 220,3482.5", "at 1920,2842.5 3840,4263.75");
        QTest::newRow("9 dance") << QList<float>{0.95f} << 5001 * 5
                                 << with("kou 42,35 bou 25,36 ketu 11,5",
                                         "kou 92,85 bou 75,86 ketu 36,30");
    }
    void bagEffects() {
        QFETCH(QList<float>, draws);
        QFETCH(int, animationDraws);
        QFETCH(QString, after);
        ItemSession s;
        Form3& b = s.b();
        for (int i = 0; int v : {250, 1, -2499, 700}) b.bm.heihp[kPlayer][i++] = v;
        for (int i = 0; int v : {2500, 1, 0}) b.bm.heihp[kRival][i++] = v;
        b.bm.nokori = {2, 1};
        b.HEIM[2].Visible = b.HEIT[2].Visible = false;
        const int outcome = int(draws.front() * 10);
        s.pf.script({draws.takeFirst()});
        s.pf.repeat(0.5f, animationDraws);
        for (float r : draws) s.pf.script({r});
        s.run([&] { b.NOROI(); });
        QVERIFY(s.pf.draws.empty());
        QCOMPARE(armies(b), after);
        const int animations[] = {0, 0, 1, 1, 1, 1, 1, 3, 2, 7};
        QCOMPARE(s.pf.effects, animations[outcome]);
    }

    // The clock leaves a fallen soldier at exactly 0; the healing drop passes him over
    // as it does one the whirlwind left below 0, and draws only for the living.
    void bagHealsNoneAtZero() {
        ItemSession s;
        Form3& b = s.b();
        for (int i = 0; int v : {0, 1, -2499, 700}) b.bm.heihp[kPlayer][i++] = v;
        s.pf.script({0.25f, 0.25f, 0.0f});  // outcome 2, then soldiers 1 and 3
        s.run([&] { b.NOROI(); });
        QVERIFY(s.pf.draws.empty());
        QCOMPARE(armies(b).left(18), QStringLiteral("0,185,-2499,700 / "));
    }
};

QTEST_APPLESS_MAIN(ItemsTest)
#include "test_items.moc"
