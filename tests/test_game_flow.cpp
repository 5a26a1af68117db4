#include <QTest>
#include <algorithm>

#include "battle/battle.h"
#include "battle/item_chooser.h"
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

// A control as the player sees it: its text and where it stands (left, top, width).
template <typename C>
QString shown(const C& c, const QString& text) {
    return QStringLiteral("%1 %2,%3,%4").arg(text).arg(c.Left).arg(c.Top).arg(c.Width);
}
QString shown(const Label& l) {
    return shown(l, l.Caption);
}
QString shown(const Button& b) {
    return shown(b, b.Caption);
}
QString shown(const TextBox& t) {
    return shown(t, t.Text);
}

QString colour(const Rgb& c) {
    return QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b);
}
QString pictureText(PictureId id) {
    return QStringLiteral("picture %1").arg(int(id));
}
// A bank of pictures that the screen keeps out of sight: "bank of n, hidden".
template <std::size_t N>
QString hiddenBank(const Picture (&bank)[N]) {
    const bool hidden = std::none_of(bank, bank + N, [](const Picture& p) { return p.Visible; });
    return QStringLiteral("bank of %1%2").arg(N).arg(hidden ? ", hidden" : "");
}

// Every fixed text of a screen as it opens, in the order of its design, with the
// colours and pictures that go with them.
QStringList fixedTexts(Session& s, ScreenId id) {
    switch (id) {
        case ScreenId::Title: {
            const Form1& f = *s.g.find<Form1>();
            return {shown(f.Label1[0]),
                    shown(f.Label1[2]),
                    shown(f.Label2),
                    QStringLiteral("name box %1 bytes").arg(f.NAM.MaxLength),
                    pictureText(f.Image1.picture),
                    shown(f.Label1[1]),
                    colour(f.Label1[1].ForeColor)};
        }
        case ScreenId::Main:
            return {shown(s.g.find<Form2>()->BUN[0]), versionCredit(),
                    hiddenBank(s.g.find<Form2>()->KAO)};
        case ScreenId::Training: {
            const Form4& f = *s.g.find<Form4>();
            return QStringList{shown(f.Label1[2]), shown(f.Label1[0]), shown(f.Text1),
                               shown(f.Label1[1]), shown(f.OK),        shown(f.NO)} +
                   f.NAIYO.List;
        }
        case ScreenId::Shop: {
            const Shop& f = *s.g.find<Shop>();
            return QStringList{shown(f.Label1[2]), shown(f.Label1[4]), shown(f.Text2),
                               shown(f.Label1[3]), shown(f.Label1[0]), shown(f.Text1),
                               shown(f.Label1[1]), shown(f.Label1[5]), shown(f.Text3),
                               shown(f.Label1[6]), shown(f.Text4),     shown(f.OK),
                               shown(f.NO)} +
                   f.NAIYO.List;
        }
        case ScreenId::Battle: {
            const Form3& f = *s.g.find<Form3>();
            return QStringList{shown(f.FIGHT),
                               colour(f.FIGHT.ForeColor),
                               shown(f.II),
                               shown(f.MOMIR),
                               shown(f.MG),
                               colour(f.kab.BackColor),
                               colour(f.HANDAN.BackColor),
                               hiddenBank(f.ICONS),
                               hiddenBank(f.FE1)} +
                   f.SENPO.List;
        }
        case ScreenId::Chooser: {
            const Form7& f = *s.g.find<Form7>();
            return {shown(f.Label1), shown(f.ITE), shown(f.Command1), shown(f.Command2)};
        }
        case ScreenId::Ending: {
            const Form8& f = *s.g.find<Form8>();
            return {shown(f.Label1), pictureText(f.Image1.picture), colour(f.Label2.ForeColor),
                    colour(f.Label3.ForeColor)};
        }
    }
    return {};
}

// A screen as it opens: its fixed texts, then its timers (interval in ms, on or off).
QStringList textsOf(Session& s, ScreenId id) {
    s.run([&] { s.g.Show(id); });
    QStringList texts = fixedTexts(s, id);
    for (const TimerHook& t : s.g.screen(id)->timers())
        texts << QStringLiteral("timer %1 %2")
                     .arg(t.timer->Interval)
                     .arg(t.timer->Enabled ? "on" : "off");
    return texts;
}

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
    void screensShowTheirTexts_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("title")
            << int(ScreenId::Title)
            << QStringList{QStringLiteral("ゼ　ン　タ　ル 1410,0,3915"),
                           QStringLiteral("---目標－世界征服ヲ　スベシ　の巻--- 630,600,5475"),
                           QStringLiteral("名前決定（全角１０字迄）右 240,960,3465"),
                           QStringLiteral("name box 20 bytes"),
                           pictureText(PictureId::Title),
                           QStringLiteral("(C)1998 ゼンタル制作委員会 120,4200,2985"),
                           QStringLiteral("255,255,255")};
        QTest::newRow("main")
            << int(ScreenId::Main)
            << QStringList{
                   QStringLiteral("メニューを選んで下さい       メッセージスピード 0,2280,5835"),
                   QStringLiteral("制作：ゼンタル制作委員会　1998年"),
                   QStringLiteral("bank of 14, hidden"), QStringLiteral("timer 1 on"),
                   QStringLiteral("timer 1 on")};
        QTest::newRow("training") << int(ScreenId::Training)
                                  << QStringList{QStringLiteral("何を成長させるか 120,120,1575"),
                                                 QStringLiteral("何日育成するか？ 120,720,1575"),
                                                 QStringLiteral("1 120,1080,1455"),
                                                 QStringLiteral("日 1680,1080,375"),
                                                 QStringLiteral("実施 2040,720,1335"),
                                                 QStringLiteral("取り消し 2040,1200,1335"),
                                                 QStringLiteral("1生命力中心"),
                                                 QStringLiteral("2攻撃力中心"),
                                                 QStringLiteral("3資金稼ぎ中心"),
                                                 QStringLiteral("4素早さ中心"),
                                                 QStringLiteral("5全体的に"),
                                                 QStringLiteral("6目茶苦茶"),
                                                 QStringLiteral("7なんにもしない")};
        QTest::newRow("shop") << int(ScreenId::Shop)
                              << QStringList{QStringLiteral(
                                                 "へい　らっしゃい　何に致しやすかい？ 0,0,3105"),
                                             QStringLiteral("どれぐらい効くので？ 120,720,1725"),
                                             QStringLiteral("1 2160,720,255"),
                                             QStringLiteral("倍 2520,720,255"),
                                             QStringLiteral("何個買いやす？ 120,1080,1335"),
                                             QStringLiteral("0 1560,1080,495"),
                                             QStringLiteral("個 2160,1080,255"),
                                             QStringLiteral("全部しめて 0,2160,900"),
                                             QStringLiteral("0 1080,2160,2175"),
                                             QStringLiteral("国家予算 0,2520,780"),
                                             QStringLiteral("0 1080,2520,2175"),
                                             QStringLiteral("買う 120,3000,1335"),
                                             QStringLiteral("帰る 1800,3000,1335"),
                                             QStringLiteral("クイックラン"),
                                             QStringLiteral("ゴッドボイス"),
                                             QStringLiteral("ナースコール"),
                                             QStringLiteral("プロテイン"),
                                             QStringLiteral("ライフガード"),
                                             QStringLiteral("鋼鉄の首飾り"),
                                             QStringLiteral("呪いの笑い袋"),
                                             QStringLiteral("爆弾"),
                                             QStringLiteral("兵士一人"),
                                             QStringLiteral("   "),
                                             QStringLiteral("timer 1 on")};
        QTest::newRow("battle") << int(ScreenId::Battle)
                                << QStringList{
                                       QStringLiteral("ＢＡＴＴＬＥ　ＦＩＧＨＴ 0,3120,7575"),
                                       QStringLiteral("255,0,0"),
                                       QStringLiteral("作戦決行 4080,360,1575"),
                                       QStringLiteral("対決国の様子 4080,720,1575"),
                                       QStringLiteral("やっぱやめとくわ 4080,1080,1575"),
                                       QStringLiteral("255,128,128"),
                                       QStringLiteral("0,0,255"),
                                       QStringLiteral("bank of 6, hidden"),
                                       QStringLiteral("bank of 2, hidden"),
                                       QStringLiteral("あとは任せるよ"),
                                       QStringLiteral("的を一人に絞れ！"),
                                       QStringLiteral("アイテム使わせろ！"),
                                       QStringLiteral("退却ー！！!"),
                                       QStringLiteral("timer 1 off"),
                                       QStringLiteral("timer 100 on")};
        QTest::newRow("chooser") << int(ScreenId::Chooser)
                                 << QStringList{
                                        QStringLiteral("なんのアイテムを使いますか？ 120,120,2385"),
                                        QStringLiteral("0 2640,120,1215"),
                                        QStringLiteral("使う 120,1200,1335"),
                                        QStringLiteral("やめとく 2640,1200,1335"),
                                        QStringLiteral("timer 100 on")};
        QTest::newRow("ending") << int(ScreenId::Ending)
                                << QStringList{
                                       QStringLiteral("ＹＯＵＲ　ＷＩＮＮＥＲ！！ 810,480,4995"),
                                       pictureText(PictureId::Ending),
                                       QStringLiteral("255,255,255"), QStringLiteral("255,255,255"),
                                       QStringLiteral("timer 20 on")};
    }
    void screensShowTheirTexts() {
        QFETCH(int, screen);
        QFETCH(QStringList, texts);
        Session s;
        s.pf.useSeed(1);
        s.g.st.newGame({});
        s.g.st.aite = 1;
        QCOMPARE(textsOf(s, ScreenId(screen)), texts);
        QVERIFY(s.g.enabled(ScreenId(screen)));
    }

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
