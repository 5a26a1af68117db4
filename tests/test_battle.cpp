#include <QPointF>
#include <QTest>
#include <vector>

#include "battle_support.h"
#include "core/keys.h"

using namespace zentar;

namespace {
enum Layout { Apart, Paired, RivalAlone };  // where the soldiers of a beep test stand
}  // namespace

class BattleTest : public QObject {
    Q_OBJECT
  private slots:
    void fieldsTheArmies_data() {
        QTest::addColumn<int>("heisi");
        QTest::addColumn<int>("sprites");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 3;
        QTest::newRow("255") << 255 << 256;
    }
    void fieldsTheArmies() {
        QFETCH(int, heisi);
        QFETCH(int, sprites);
        BattleSession s(1, heisi, 3);
        s.pf.useSeed(7);
        Form3& b = s.open();
        for (int i = 0; i < kSoldiers; ++i) {
            QCOMPARE(b.HEIM[i].Visible, i < sprites);
            QCOMPARE(b.HEIT[i].Visible, i <= 3);
        }
        QVERIFY(b.Image1[0].Visible && b.Image1[1].Visible);
        QVERIFY(!b.FIGHT.Visible);
        QCOMPARE(b.bm.nokori[kPlayer], heisi);
        QCOMPARE(b.bm.nokori[kRival], 3);
        for (int i = 0; i < sprites; ++i) {
            QCOMPARE(b.bm.mato[kPlayer][i], i);
            QCOMPARE(b.bm.heihp[kPlayer][i], 736);
            QCOMPARE(b.HEIM[i].picture, icon(0));
            QCOMPARE(b.HEIM[i].Width, 255.0f);
        }
        for (int i = sprites; i < kSoldiers; ++i) QCOMPARE(b.bm.heihp[kPlayer][i], 0);
        QCOMPARE(b.bm.kou[kPlayer], 42);
        QCOMPARE(b.bm.bou[kRival], 36);
        QCOMPARE(b.bm.ketu[kRival], 5);
        QCOMPARE(s.pf.reseeds, 1);
        QVERIFY(b.Timer1.Enabled);
        QVERIFY(!b.snk.Enabled);
        QCOMPARE(b.Timer1.Interval, 100);
        QCOMPARE(b.bm.koma, -1);
        QCOMPARE(b.HYO.picture, kao(0));
    }

    void spreadsTheSoldiersNearSoldierZero() {
        BattleSession s(2, 2, 2);
        s.pf.script({0.5f, 0.25f, 0.0f, 0.999f, 0.5f, 0.5f, 1.0f / 1024, 0.0f});
        Form3& b = s.open();
        QCOMPARE(b.HEIM[1].Left, 7100.0f);
        QCOMPARE(b.HEIM[1].Top, 2481.25f);
        QCOMPARE(b.HEIM[2].Left, 7200.0f);
        QCOMPARE(b.HEIM[2].Top, static_cast<float>(4005.0 * double(0.999f) + 1480));
        QCOMPARE(b.HEIT[1].Left, 220.0f);
        QCOMPARE(b.HEIT[2].Left, static_cast<float>(200.0 / 1024 + 120));
        QCOMPARE(b.HEIT[2].Top, 1480.0f);
        QCOMPARE(b.HEIT[1].picture, icon(2));
        QVERIFY(s.pf.draws.empty());
    }

    // Both lines word for word, and the ticks each stays: its length plus 20.
    void talkLinesOfEveryRival_data() {
        QTest::addColumn<int>("rival");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstTicks");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("secondTicks");
        const auto row = [](int rival, int picture, const QString& first, int firstTicks,
                            const QString& second, int secondTicks) {
            QTest::addRow("rival %d", rival)
                << rival << picture << first << firstTicks << second << secondTicks;
        };
        row(1, 1,
            QStringLiteral(
                "このゲームのプレイヤーに言っておこう。 "
                "こいつはこの戦いの方法を覚えるいわば練習モードのような敵だ。　ここには勝つぞ！！"),
            80,
            QStringLiteral("ぎょ！！　そこまでいうとは･･･　しかたがない････みんな、こいつらを殺っち"
                           "まえー！！"),
            64);
        row(2, 2,
            QStringLiteral("････おい、　俺は女をいたぶる主義ではない。　さっさとリーダーを出した方"
                           "が身のためだぞ！！　早く出せよー！"),
            74,
            QStringLiteral("むかっ･･･　私がここのリーダーです･･･　女だからってなめると後が怖いです"
                           "よ･･･　かわいがってあげましょう！！　さあ、来なさい。"),
            86);
        row(3, 1,
            QStringLiteral("男の中の男だってー！？　けっ、ふんどし１枚でなーにが男だあ！？　俺が１"
                           "番だってーの！"),
            62,
            QStringLiteral("ふん･･･　お前らにはこの感性が理解できないようだな････　俺がみっちり男に"
                           "ついてこれから教えてやるわっ！！"),
            75);
        row(4, 1,
            QStringLiteral("はあ？　サラリーマン？　お前らどうせヒラ社員だろーが！　でけー面するな"
                           "あー！！！　ぜいぜい･･･"),
            68,
            QStringLiteral("くくく･･･　今こそ企業戦士の団結力を思い知るがいい･･･　行けっ！！　企業"
                           "戦士　－サラリーマン－！！"),
            71);
        row(5, 1,
            QStringLiteral("うっ････　　ヤーさんがでるとは思わなかった。　しかし･･･　ここでひるむわ"
                           "けにはいかーん！！　突っ込めー！！"),
            76,
            QStringLiteral("あーーんだ？　俺らを殺ろうってか？　いい根性してるやんけ！　野郎！！　"
                           "こいつら　いてもうたれ！！"),
            68);
        row(6, 3,
            QStringLiteral("げえー！　気色わりー！　作者、　バ○オハ○ー○２のやりすぎだあー！　"), 54,
            QStringLiteral(
                "何ゆってんだ？　お前は。　おめーら全員食い殺してやる。　今のうち後悔しとけ。"),
            58);
        row(7, 1,
            QStringLiteral("なんだ？こいつら。　みんなそろってみょーなもん頭につけやがって・・・　 "
                           "               変なの。"),
            75,
            QStringLiteral("･････お前には分かるまい･･･　この大宇宙の心理が･･･　解らぬ物は死に値する"
                           "重罪だ･･･　彼らを抹殺しなさい･･･"),
            80);
        row(8, 2,
            QStringLiteral("ちくしょー！　なんで体操服なんか着てるんだよー！　そんなの着られると攻"
                           "撃しずれーよう！！　着替えろー！！"),
            72,
            QStringLiteral("あたしらはこれがユニフォームなのよ！　あなた達、変なこと考えてんでしょ"
                           "ー。　野蛮よ！　エッチ！！　変態！　もう殺してやる！"),
            81);
        row(9, 3,
            QStringLiteral("･･･････････こいつらつえーのか？　言葉通じるのかな？　謎に満ちたバケモン"
                           "だなー････"),
            68,
            QStringLiteral("ゲボゲボ！？　ゲボゲボゲボゲボ！！　（なんですって！？　こいつらってや"
                           "な奴ー　という意味）"),
            65);
        row(10, 2,
            QStringLiteral("うわあー　くノ一だー！　初めて見たあー････なんていってる場合ではなかっ"
                           "た！！　なんで女なんだよー！　男忍者の方がさくっと倒しやすいのにー"),
            90,
            QStringLiteral("ふっ･･･　そこが女であることの最大の利点･･･　いい男だけどお命頂戴いたし"
                           "ます！　くたばれー！！"),
            69);
        row(11, 5, QStringLiteral("･･････ゴジラさん？"), 32,
            QStringLiteral(
                "アンギャーーー！！！（ボケーー！　　　こじらやてゆーてるやろがー！　という意味）"),
            60);
        row(12, 4, QStringLiteral("？？？　お前は一体･･･　　　何？"), 37,
            QStringLiteral("勝ったら教えて　あ･げ･る･！（実は全部の国を倒さないと駄目だったりする）"
                           "　　死ねやぼけえーーーーーーー！！"),
            74);
        row(13, 4,
            QStringLiteral("あわわ････　こんなの呼び出しちゃった･･････　くそお！　もうやけくそだー"
                           "！！　みんなー！　こいつを退治しろー！"),
            79,
            QStringLiteral("･････私にたてつく者はこの世から抹殺･････　　その星も抹殺･･･････　　歯向"
                           "かう者は抹殺あるのみ･････"),
            79);
    }
    void talkLinesOfEveryRival() {
        QFETCH(int, rival);
        QFETCH(int, picture);
        QFETCH(QString, first);
        QFETCH(int, firstTicks);
        QFETCH(QString, second);
        QFETCH(int, secondTicks);
        BattleSession s(rival, 1, 1);
        Form3& b = s.open();
        QCOMPARE(s.g.st.talk[0], first);
        QCOMPARE(s.g.st.talk[1], second);
        QCOMPARE(b.bm.mesnaga[0], firstTicks);
        QCOMPARE(b.bm.mesnaga[1], secondTicks);
        QCOMPARE(b.HEIT[0].picture, icon(picture));
        s.run([&] { b.MOMIR_Click(); });  // the rival's report shows its portrait
        QCOMPARE(b.HYO.picture, kao(rival));
    }

    void eachLoadStartsAfresh() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        for (auto& side : b.bm.heihp) side.fill(55);
        b.sakusen = QStringLiteral("的");
        b.bm.moji = 5;
        b.bm.gyou = 2;
        b.bm.flash = 7;
        b.bm.koma = 3;
        b.mes.Caption = QStringLiteral("途中");
        b.Timer1.Interval = 100;
        b.HEIT[0].Visible = false;  // as after its fall
        s.g.st.speed = 40;
        s.g.st.country[1].heisi = 5;
        s.pf.useSeed(1);
        s.run([&] { b.Form_Load(); });  // the same screen loaded again
        QCOMPARE(b.sakusen, QString());
        QCOMPARE((QList<int>{b.bm.moji, b.bm.gyou, b.bm.flash, b.bm.koma, b.Timer1.Interval}),
                 (QList<int>{1, 0, 0, -1, 40}));
        QCOMPARE(b.mes.Caption, QString());
        for (int i = 1; i <= 5; ++i) QVERIFY(b.HEIT[i].Visible);
        for (int i = 0; i < kSoldiers; ++i) {
            QCOMPARE(b.bm.heihp[kPlayer][i], i == 0 ? 736 : 0);
            QCOMPARE(b.bm.heihp[kRival][i], i <= 5 ? 529 : 0);
        }
    }

    void openingTypesBothLinesThenFlashes() {
        BattleSession s(11, 1, 1);  // line 0 is 12 characters, line 1 is 40
        s.g.st.speed = 30;
        Form3& b = s.open();
        QCOMPARE(b.Timer1.Interval, 30);
        QString typed;
        auto tick = [&] {
            s.run([&] { b.Timer1_Timer(); });
            if (!b.mes.Caption.isEmpty()) typed = b.mes.Caption;
        };
        tick();
        QCOMPARE(b.mes.Caption, QStringLiteral("･"));
        QCOMPARE(b.kab.Top, 3450.0f);  // the panel slid in on the first tick
        QCOMPARE(b.bm.koma, 0);
        QCOMPARE(b.Image1[0].picture, fe1(0));
        int ticks = 1;
        while (b.bm.gyou == 0) tick(), ++ticks;
        QCOMPARE(ticks, 12 + 19);
        QCOMPARE(typed, s.g.st.talk[0]);
        QCOMPARE(b.HYO.picture, kao(11));
        QCOMPARE(b.mes.Caption, QString());
        QCOMPARE(b.kab.Top, 3450.0f);  // out and in again
        ticks = 0;
        while (b.bm.gyou == 1) tick(), ++ticks;
        QCOMPARE(ticks, 40 + 19);
        QCOMPARE(typed, s.g.st.talk[1]);
        QCOMPARE(b.Timer1.Interval, 30);
        QCOMPARE(b.kab.Top, 5950.0f);  // out of sight for the flash
        s.run([&] { b.Form_KeyDown(kVkReturn); });
        QVERIFY(!b.HANDAN.Visible);
        s.pf.script({0.5f, 0.999f, 0.25f});  // red, green, blue: each cut, not rounded
        tick();
        QCOMPARE(b.FIGHT.ForeColor, (Rgb{127, 254, 63}));
        s.pf.useSeed(5);
        ticks = 1;
        Rgb last = b.FIGHT.ForeColor;
        while (b.Timer1.Enabled) {
            QCOMPARE(b.Timer1.Interval, 100);
            QVERIFY(b.FIGHT.Visible);
            tick();
            ++ticks;
            QVERIFY(!(b.FIGHT.ForeColor == last));
            last = b.FIGHT.ForeColor;
        }
        QCOMPARE(ticks, 51);
        QCOMPARE(s.pf.drawsTaken, 51 * 3);
        QVERIFY(!b.FIGHT.Visible);
        QVERIFY(b.snk.Enabled);
        QCOMPARE(b.kab.Top, 5950.0f);
    }

    void panelSlides() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.sub1();
        QCOMPARE(b.kab.Top, 3450.0f);
        b.sub1();
        QCOMPARE(b.kab.Top, 3450.0f);  // already above its resting line: it stays
        b.kab.Top = 3450;
        b.sub2();
        QCOMPARE(b.kab.Top, 5950.0f);
        b.sub2();
        QCOMPARE(b.kab.Top, 5950.0f);
    }

    void bannerAlternates() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        for (int call = 1; call <= 40; ++call) {
            b.HAI();
            const int k = (call - 1) % 20;
            QCOMPARE(b.bm.koma, k);
            QCOMPARE(b.Image1[0].picture, fe1(k < 10 ? 0 : 1));
            QCOMPARE(b.Image1[1].picture, fe1(k < 10 ? 0 : 1));
        }
    }

    // The sprite of soldier ban of side jin: its left and top before and after.
    void clampKeepsSpritesOnTheField_data() {
        QTest::addColumn<int>("jin");
        QTest::addColumn<float>("banner");  // the height of Image1(0), the top of the field
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::newRow("left of and above the field")
            << 1 << 1455.0f << QPointF(-50, 100) << QPointF(0, 1455);
        QTest::newRow("just inside")
            << 0 << 1455.0f << QPointF(0.5, 1455.5) << QPointF(0.5, 1455.5);
        QTest::newRow("far right and below")
            << 0 << 1455.0f << QPointF(9000, 9000) << QPointF(7425, 5430);
        QTest::newRow("half over the edges")
            << 1 << 1455.0f << QPointF(7500, 5500) << QPointF(7425, 5430);
        QTest::newRow("no side") << 2 << 1455.0f << QPointF(-1, -1) << QPointF(-1, -1);
        QTest::newRow("a lower banner, above it")
            << 0 << 1000.0f << QPointF(5, 100) << QPointF(5, 1000);
        QTest::newRow("a lower banner, below it")
            << 1 << 1000.0f << QPointF(5, 1200) << QPointF(5, 1200);
    }
    void clampKeepsSpritesOnTheField() {
        QFETCH(int, jin);
        QFETCH(float, banner);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.Image1[0].Height = banner;
        b.bm.jin = jin;
        b.bm.ban = 0;
        for (Picture* p : {&b.HEIM[0], &b.HEIT[0]}) place(*p, from.x(), from.y());
        b.HITORI();
        for (int side : {kPlayer, kRival}) {
            const Picture& p = b.sprites(side)[0];
            QCOMPARE(QPointF(p.Left, p.Top), side == jin ? to : from);
        }
    }

    // One player soldier and one rival soldier that does not move (ketu 0); the rows
    // give the player's ketu and the steps' draws, Left first, then Top.
    void playerMovement_data() {
        QTest::addColumn<float>("gap");
        QTest::addColumn<int>("ketu");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::newRow("exactly 3 × ketu snaps")
            << 30.0f << 10 << QList<float>{} << 3000.0f << 3000.0f;
        QTest::newRow("one more steps left")
            << 31.0f << 10 << QList<float>{0.5f} << 3031.0f - 15.0f << 3000.0f;
        QTest::newRow("from the left steps right")
            << -31.0f << 10 << QList<float>{0.5f} << 2969.0f + 25.0f << 3000.0f;
        // No distance is within a negative reach: the step is taken on both axes, and
        // standing level counts as being to the right or below.
        QTest::newRow("negative ketu")
            << 0.0f << -10 << QList<float>{0.5f, 0.25f} << 3015.0f << 3007.5f;
    }
    void playerMovement() {
        QFETCH(float, gap);
        QFETCH(int, ketu);
        QFETCH(QList<float>, draws);
        QFETCH(float, left);
        QFETCH(float, top);
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.bm.ketu = {ketu, 0};
        place(b.HEIT[0], 3000, 3000);
        place(b.HEIM[0], 3000 + gap, 3000);
        for (float r : draws) s.pf.script({r});
        s.pf.script({0.0f, 0.0f});  // the two strikes
        s.tick();
        QCOMPARE(b.HEIM[0].Left, left);
        QCOMPARE(b.HEIM[0].Top, top);
        QVERIFY(s.pf.draws.empty());
        QCOMPARE(s.pf.beeps, 1);
    }

    void rivalMovesExactlyThreeTimesKetu() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.bm.ketu = {0, 7};
        place(b.HEIM[0], 3000, 3000);
        place(b.HEIT[0], 3000 - 21, 3000 - 100);
        s.pf.useSeed(8);
        s.tick();
        QCOMPARE(b.HEIT[0].Left, 3000.0f);  // exactly 21 away: the step lands on the target
        QCOMPARE(b.HEIT[0].Top, 2921.0f);
        place(b.HEIT[0], 3000 - 20, 2000);
        s.tick();
        QCOMPARE(b.HEIT[0].Left, 3000.0f);  // closer than 21: snaps
        QCOMPARE(b.HEIT[0].Top, 2021.0f);
        b.bm.ketu = {0, -7};  // a negative reach: level counts as to the right or below
        place(b.HEIT[0], 3000, 3000);
        s.tick();
        QCOMPARE(b.HEIT[0].Left, 3021.0f);
        QCOMPARE(b.HEIT[0].Top, 3021.0f);
    }

    // Each soldier is held on the field right after its own step, on either side.
    void everySoldierIsHeldOnTheField() {
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};
        s.pf.useSeed(2);
        for (int tick = 0; tick < 2; ++tick) {
            place(b.HEIM[0], -500, 3000);
            place(b.HEIT[0], 8000, 3000);
            s.tick();
            QCOMPARE(b.HEIM[0].Left, 0.0f);
            QCOMPARE(b.HEIT[0].Left, 7680.0f - 255);
        }
    }

    // 256 soldiers a side: every standing one steps once a tick, the fallen do not.
    void everyStandingSoldierActs() {
        BattleSession s(1, 255, 255);
        s.pf.useSeed(5);
        Form3& b = s.open();
        b.bm.ketu = {10, 10};
        b.bm.heihp[kPlayer][7] = 0;
        b.bm.heihp[kPlayer][9] = 1;
        b.bm.heihp[kRival][3] = 1;
        b.bm.heihp[kRival][4] = 0;
        const auto before = [&](int side) {
            std::vector<QPointF> at;
            for (const Picture& p : b.sprites(side)) at.emplace_back(p.Left, p.Top);
            return at;
        };
        const auto mine = before(kPlayer), theirs = before(kRival);
        s.tick();
        for (int i = 0; i < kSoldiers; ++i) {
            QCOMPARE(QPointF(b.HEIM[i].Left, b.HEIM[i].Top) != mine[i], i != 7);
            QCOMPARE(QPointF(b.HEIT[i].Left, b.HEIT[i].Top) != theirs[i], i != 4);
        }
        QCOMPARE(b.bm.mato[kPlayer][255], 255);
    }

    void strikeTestIncludesTheEdges_data() {
        QTest::addColumn<float>("left");  // of the player's soldier; the rival's is left + dx
        QTest::addColumn<float>("dx");
        QTest::addColumn<float>("dy");
        QTest::addColumn<int>("hits");  // strikes that land, of the two
        QTest::newRow("centre on left edge") << 3000.0f << -127.5f << 0.0f << 2;
        QTest::newRow("centre on right edge") << 3000.0f << 127.5f << 0.0f << 2;
        QTest::newRow("just beyond the right") << 3000.0f << 128.0f << 0.0f << 0;
        QTest::newRow("centre on bottom edge") << 3000.0f << 0.0f << 127.5f << 2;
        QTest::newRow("just above the top") << 3000.0f << 0.0f << -128.0f << 0;
        // 3968.5 + 2^-12 + 127.5 is 4096 in single precision, on the rival's right edge.
        QTest::newRow("single precision") << 3968.500244140625f << -127.500244140625f << 0.0f << 1;
    }
    void strikeTestIncludesTheEdges() {
        QFETCH(float, left);
        QFETCH(float, dx);
        QFETCH(float, dy);
        QFETCH(int, hits);
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};  // nobody moves
        b.bm.kou = {0, 0};   // and every strike that lands takes exactly 1
        b.bm.bou = {1, 1};
        place(b.HEIM[0], left, 3000);
        place(b.HEIT[0], left + dx, 3000 + dy);
        s.pf.useSeed(3);
        s.tick();
        QCOMPARE(b.HEIT[0].Left, left + dx);
        QCOMPARE(736 - b.bm.heihp[kPlayer][0] + 529 - b.bm.heihp[kRival][0], hits);
        QCOMPARE(b.bm.koma, 2);                  // the banner moves three times a tick
        QCOMPARE(s.pf.beeps, hits > 0 ? 1 : 0);  // one beep a tick, however many land
    }

    void damageOfOneAndOfNothing_data() {
        QTest::addColumn<int>("kou");
        QTest::addColumn<int>("bou");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("hp");
        QTest::addColumn<int>("left");
        QTest::newRow("defence larger: exactly 1") << 10 << 30 << 0.9f << 530 << 529;
        QTest::newRow("down to 1 still stands") << 10 << 30 << 0.9f << 2 << 1;
        QTest::newRow("bracket zero: nothing") << 10 << 20 << 0.9f << 530 << 530;
        QTest::newRow("0.5 rounds to even") << 10 << 19 << 0.5f << 530 << 530;
        QTest::newRow("1.5 rounds to even") << 10 << 17 << 0.5f << 530 << 528;
        QTest::newRow("a small strike") << 10 << 19 << 0.25f << 530 << 530;
        QTest::newRow("ordinary") << 100 << 50 << 0.25f << 530 << 492;
    }
    void damageOfOneAndOfNothing() {
        QFETCH(int, kou);
        QFETCH(int, bou);
        QFETCH(float, r);
        QFETCH(int, hp);
        QFETCH(int, left);
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};
        place(b.HEIM[0], 3000, 3000);
        place(b.HEIT[0], 3000, 3000);
        b.bm.kou = {kou, 0};
        b.bm.bou = {0, bou};
        b.bm.heihp[kRival][0] = hp;
        s.pf.script({r, 0.0f});
        s.tick();
        QCOMPARE(b.bm.heihp[kRival][0], left);
        QCOMPARE(b.bm.nokori[kRival], 1);
        QVERIFY(b.HEIT[0].Visible);
        QCOMPARE(s.pf.beeps, 1);  // both sides strike: one beep for the tick
    }

    // Soldiers 0..n of both sides, all apart, or soldier i of each side on the same spot
    // and aiming at each other, or rival soldier 0 alone on its target; ticks of the clock.
    void oneBeepForEachTickInWhichAStrikeLands_data() {
        QTest::addColumn<int>("heisi");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("beeps");
        QTest::newRow("nobody in reach") << 1 << int(Apart) << 1 << 0;
        QTest::newRow("one against one") << 1 << int(Paired) << 1 << 1;
        QTest::newRow("eleven against eleven") << 10 << int(Paired) << 1 << 1;
        QTest::newRow("three ticks of a melee") << 10 << int(Paired) << 3 << 3;
        QTest::newRow("three ticks, nobody in reach") << 10 << int(Apart) << 3 << 0;
        QTest::newRow("only a rival's blow lands") << 10 << int(RivalAlone) << 2 << 2;
    }
    void oneBeepForEachTickInWhichAStrikeLands() {
        QFETCH(int, heisi);
        QFETCH(int, layout);
        QFETCH(int, ticks);
        QFETCH(int, beeps);
        BattleSession s(1, heisi, heisi);
        s.pf.useSeed(5);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};  // nobody moves
        for (int i = 0; i <= heisi; ++i) {
            place(b.HEIM[i], layout == Paired ? 3000 : 6000, 1500.0f + 300 * i);
            place(b.HEIT[i], layout == Paired ? 3000 : 300, 1500.0f + 300 * i);
        }
        if (layout == RivalAlone) {
            place(b.HEIT[0], 6000, 1500);  // on player 0, aiming at it
            b.bm.mato[kPlayer][0] = 1;     // while player 0 aims at a rival far away
        }
        for (int side : {kPlayer, kRival})
            for (int i = 0; b.fielded(side, i); ++i) b.bm.heihp[side][i] = 1000000;  // none falls
        for (int t = 0; t < ticks; ++t) s.tick();
        QCOMPARE(s.pf.beeps, beeps);
        QCOMPARE(b.bm.heihp[kPlayer][0] < 1000000, layout != Apart);
        bool rivalHit = false;
        for (int i = 0; b.fielded(kRival, i); ++i) rivalHit |= b.bm.heihp[kRival][i] < 1000000;
        QCOMPARE(rivalHit, layout == Paired);
    }

    // A fallen target is replaced by a draw over 0..heisi − 1 of the other side,
    // cut, until one stands; a target at 1 hit point still stands.
    void fallenTargetIsReplacedFromTheFirstHeisi() {
        BattleSession s(1, 3, 4);
        s.pf.repeat(0.5f, 14);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};
        for (int i = 0; i <= 4; ++i) place(b.HEIM[i], 6000, 3000), place(b.HEIT[i], 1000, 3000);
        b.bm.heihp[kPlayer] = {1};  // player soldiers 1 to 3 have fallen
        b.bm.heihp[kRival][0] = 0;  // and rival soldiers 0 and 1
        b.bm.heihp[kRival][1] = 0;
        b.bm.mato[kRival][3] = b.bm.mato[kRival][4] = 0;
        s.pf.script({0.1f, 0.3f, 0.9f});  // r × 4: 0 and 1 (fallen), 3
        s.pf.script({0.5f});              // the player's step
        // r × 3, the player's heisi, for rival 2: 1 (fallen), 0. Over the rival's own
        // heisi 4 it would be 2 and 1, both fallen, and want a third draw.
        s.pf.script({0.5f, 0.3f});
        s.tick();
        QCOMPARE(b.bm.mato[kPlayer][0], 3);
        QCOMPARE(b.bm.mato[kRival][2], 0);
        QCOMPARE(b.bm.mato[kRival][3], 0);
        QVERIFY(s.pf.draws.empty());
        QCOMPARE(b.bm.nokori[kRival], 4);  // deaths are counted by the clock only
    }

    void aTargetNobodyCanDrawEndsTheTurn() {
        BattleSession s(1, 1, 3);
        s.pf.repeat(0.5f, 6);
        Form3& b = s.open();
        for (int i = 0; i < 3; ++i) b.bm.heihp[kRival][i] = 0;  // only soldier 3 stands
        b.bm.mato[kPlayer][0] = 1;
        const float before = b.HEIM[0].Left;
        s.pf.useSeed(4);
        s.tick();
        QCOMPARE(b.HEIM[0].Left, before);
        QCOMPARE(b.bm.mato[kPlayer][0], 1);
    }

    void killCountedOnceAndTheRestOfTheSideWaits() {
        BattleSession s(1, 2, 1);
        s.pf.repeat(0.0f, 4);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};
        for (int i = 0; i <= 2; ++i) place(b.HEIM[i], 3000, 3000);
        place(b.HEIT[0], 3000, 3000);
        b.bm.heihp[kRival][0] = 1;
        b.bm.kou = {100, 100};
        b.bm.bou = {0, 0};
        b.bm.mato[kPlayer] = {};
        s.pf.script({0.5f});
        std::int32_t nokori = -1, hp = -1;
        bool visible = true;
        s.pf.onMessage = [&](const QString&) {  // the battle is still there during the message
            nokori = b.bm.nokori[kRival];
            hp = b.bm.heihp[kRival][0];
            visible = b.HEIT[0].Visible;
        };
        s.tick();
        QCOMPARE(nokori, 0);
        QCOMPARE(hp, 0);  // a fallen soldier holds exactly 0
        QVERIFY(!visible);
        QCOMPARE(s.pf.beeps, 1);  // soldiers 1 and 2 did nothing: one draw was scripted
        QCOMPARE(s.g.st.country[1].win, 1);
        QVERIFY(!s.g.loaded(ScreenId::Battle));
    }

    void bothSidesBeatenInOneTick() {
        BattleSession s(13, 1, 2);
        s.pf.repeat(0.0f, 4);
        Form3& b = s.open();
        b.bm.ketu = {0, 0};
        place(b.HEIM[0], 3000, 3000);
        for (int i = 0; i <= 2; ++i) place(b.HEIT[i], 3000, 3000);
        b.bm.heihp[kRival] = {};
        b.bm.heihp[kRival][0] = 1;   // the last counted soldier
        b.bm.heihp[kRival][1] = 50;  // a survivor
        b.bm.nokori[kRival] = 1;
        b.bm.mato[kPlayer][0] = 0;
        b.bm.mato[kRival][1] = 0;
        b.bm.heihp[kPlayer][0] = 1;
        b.bm.kou = {100, 100};
        b.bm.bou = {0, 0};
        s.g.st.country[0].gold = 1000000;
        s.g.st.country[13].gold = 100000000;
        s.pf.script({0.5f, 0.5f});
        s.tick();
        QCOMPARE(s.pf.texts(),
                 (QStringList{QStringLiteral("こてんぱんにされちゃいました････とほほ･･･\r\n国家予算"
                                             "の１／５取られてしまった！！"),
                              QStringLiteral("勝利！！\r\n33400000￥もぎ取った！！")}));
        QCOMPARE(s.g.st.country[0].gold, 800000 + 33400000);
        QCOMPARE(s.g.st.country[13].gold, 100200000 - 33400000);
        QCOMPARE(s.g.st.country[13].win, 1);
        QVERIFY(!s.g.loaded(ScreenId::Battle));
        QVERIFY(!s.g.loaded(ScreenId::Main));
        QVERIFY(s.g.visible(ScreenId::Ending));
        QCOMPARE(s.pf.store.value("win13"), QStringLiteral("1"));  // saved before the ending
    }

    void settlements_data() {
        QTest::addColumn<bool>("won");
        QTest::addColumn<int>("myGold");
        QTest::addColumn<int>("rivalGold");
        QTest::addColumn<int>("myAfter");
        QTest::addColumn<int>("rivalAfter");
        QTest::addColumn<QString>("text");
        QTest::newRow("defeat") << false << 1000000 << 255000 << 800000 << 455000
                                << QStringLiteral(
                                       "こてんぱんにされちゃいました････とほほ･･･\r\n国家予算の１／"
                                       "５取られてしまった！！");
        QTest::newRow("victory") << true << 1000000 << 255000 << 1085000 << 170000
                                 << QStringLiteral("勝利！！\r\n85000￥もぎ取った！！");
        QTest::newRow("ten yen") << true << 0 << 10 << 3 << 7
                                 << QStringLiteral("勝利！！\r\n3￥もぎ取った！！");
        QTest::newRow("two yen") << true << 0 << 2 << 0 << 2
                                 << QStringLiteral("勝利！！\r\n0￥もぎ取った！！");
        QTest::newRow("three yen lost") << false << 3 << 0 << 3 << 0
                                        << QStringLiteral(
                                               "こてんぱんにされちゃいました････とほほ･･･\r\n"
                                               "国家予算の１／５取られてしまった！！");
        QTest::newRow("negative budget lost") << false << -7 << 0 << -6 << -1
                                              << QStringLiteral(
                                                     "こてんぱんにされちゃいました････とほほ･･･\r\n"
                                                     "国家予算の１／５取られてしまった！！");
        QTest::newRow("saturates") << true << 2147483000 << 3000 << 2147483647 << 2000
                                   << QStringLiteral("勝利！！\r\n1000￥もぎ取った！！");
    }
    void settlements() {
        QFETCH(bool, won);
        QFETCH(int, myGold);
        QFETCH(int, rivalGold);
        QFETCH(int, myAfter);
        QFETCH(int, rivalAfter);
        QFETCH(QString, text);
        BattleSession s(1, 1, 1);
        Form3& b = s.open();
        s.g.st.country[0].gold = myGold;
        s.g.st.country[1].gold = rivalGold;
        b.bm.heihp[won ? kRival : kPlayer][0] = 0;
        b.bm.nokori[won ? kRival : kPlayer] = 0;
        s.pf.useSeed(2);
        s.tick();
        QCOMPARE(s.pf.texts(), QStringList{text});
        QCOMPARE(s.g.st.country[0].gold, myAfter);
        QCOMPARE(s.g.st.country[1].gold, rivalAfter);
        QCOMPARE(s.g.st.country[1].win, won ? 1 : 0);
        QVERIFY(s.g.visible(ScreenId::Main));
        QVERIFY(!s.g.loaded(ScreenId::Battle));
    }

    void heisiZeroIsSettledOnTheFirstTick() {
        BattleSession s(1, 0, 1);
        Form3& b = s.open();
        place(b.HEIT[0], b.HEIM[0].Left, b.HEIM[0].Top);  // in reach, yet it does not strike
        std::int32_t hp = -1;
        s.pf.onMessage = [&](const QString&) { hp = b.bm.heihp[kPlayer][0]; };
        s.pf.useSeed(1);
        s.tick();
        QCOMPARE(hp, 736);
        QCOMPARE(s.g.st.country[0].gold, 800000);
    }

    void mainScreenKeepsItsOldTextAndItsClock() {
        BattleSession s(1, 1, 1);
        s.g.st.kunren = 7;
        s.g.st.nissu = 3;
        Form3& b = s.open();
        Form2& m = *s.g.find<Form2>();
        s.run([&] { m.Timer1_Timer(); });
        const QString before = m.ST.Text;
        s.g.st.tokei = -1;
        s.pf.useSeed(9);
        s.run([&] { m.Timer2_Timer(); });  // the hidden main screen still passes days
        QCOMPARE(s.g.st.day, 1);
        b.bm.nokori[kRival] = 0;
        b.bm.heihp[kRival][0] = 0;
        s.tick();
        QVERIFY(s.g.visible(ScreenId::Main));
        QCOMPARE(s.g.find<Form2>(), &m);  // shown again, not set up again
        QCOMPARE(m.ST.Text, before);
    }

    void closeBoxEndsTheBattleWithoutSettling() {
        BattleSession s(1, 1, 1);
        s.open();
        const auto before = wholeState(s.g.st);
        s.run([&] { s.battle().QueryUnload(); });
        QVERIFY(!s.g.loaded(ScreenId::Battle));
        QVERIFY(s.g.visible(ScreenId::Main));
        QCOMPARE(wholeState(s.g.st), before);
        QVERIFY(s.pf.shown.empty());
    }
};

QTEST_APPLESS_MAIN(BattleTest)
#include "test_battle.moc"
