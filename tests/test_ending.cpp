#include <QTest>

#include "ending/ending.h"
#include "test_support.h"

using namespace zentar;

class EndingTest : public QObject {
    Q_OBJECT
  private slots:
    void rankByDays_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("rank");
        const QString a = QStringLiteral("RANK   A　４９９日以下"),
                      b = QStringLiteral("RANK   B　５００－１４９９日"),
                      c = QStringLiteral("RANK   C　１５００－２９９９日"),
                      d = QStringLiteral("RANK   D　３０００日以上");
        QTest::newRow("0") << 0 << a;
        QTest::newRow("499") << 499 << a;
        QTest::newRow("500") << 500 << b;
        QTest::newRow("1499") << 1499 << b;
        QTest::newRow("1500") << 1500 << c;
        QTest::newRow("2999") << 2999 << c;
        QTest::newRow("3000") << 3000 << d;
        QTest::newRow("max") << 2147483647 << d;
        QTest::newRow("negative") << -5 << a;
    }
    void rankByDays() {
        QFETCH(int, day);
        QFETCH(QString, rank);
        Session s;
        s.g.st.day = day;
        s.run([&] { s.g.Show(ScreenId::Ending); });
        QCOMPARE(s.g.find<Form8>()->Label3.Caption, rank);
    }

    // Each closing line word for word, and the ticks it stays: its length plus 40.
    void linesAreQuotedExactly_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ticks");
        const auto row = [](int line, const QString& text, int ticks) {
            QTest::addRow("line %d", line) << line << text << ticks;
        };
        row(0, QStringLiteral("「ついにやった･･･ 　ついにやったんだ･･･  復讐を果たしたんだ･･･"),
            77);
        row(1,
            QStringLiteral(
                "「ふふふ･･････   ふはははははは！   憎たらしい国をやっつけたんだ･･･････"),
            85);
        row(2,
            QStringLiteral(
                "こうしてあなたは復讐を無事果たすことが出来たのでした････          ん？"),
            82);
        row(3,
            QStringLiteral("お嬢様「あなたはこの地球を救ってくれたのですね････   "
                           "今まで、勘違いしてましたわ･･･"),
            86);
        row(4, QStringLiteral("単純人間「ほう･･･  そうだったのか････  その資金稼ぎのために･･･"),
            78);
        row(5, QStringLiteral("企業戦士「どうりで我々より強いわけだ･･･"), 61);
        row(6, QStringLiteral("ヤーさん「われの根性に俺らは度肝を抜かれたわい！！"), 65);
        row(7, QStringLiteral("男の中の男「お前こそ、真の男の中の男の中の男だあーーー！！"), 69);
        row(8, QStringLiteral("ゾンビ「ただ、食われに来たんじゃなかったんだなー"), 64);
        row(9,
            QStringLiteral(
                "体育会系少女「あなたって･････    実は男らしいのねー････    ステキだわ･･･"),
            86);
        row(10, QStringLiteral("チャネラー「ううう･････ まさか恐怖の大王をやっつけるとは････"), 75);
        row(11,
            QStringLiteral(
                "合体スラ「ゲボゲボップ ゲボゲボー（素晴らしいわねー、あなたの勇気･･･ の意味）"),
            81);
        row(12,
            QStringLiteral("くノ一「我々をあなたの弟子にさせてくださらぬか？  "
                           "お主が気に入ってしまったようだ･･･"),
            84);
        row(13, QStringLiteral("こじら「ギャオーン！（エクセレーーーーーント！ の意味）"), 68);
        row(14, QStringLiteral("「･････待ってくれよ････  ちょ････ちょっと･･･    "), 75);
        row(15, QStringLiteral("でも待てよ････   ここでヒーローになるのも悪くないな･･･"), 72);
        row(16, QStringLiteral("「はっはっはっは！！   ばれたらしかたがないなあ！ "), 67);
        row(17, QStringLiteral("･･･････････とまあ、円満に解決したそうな･･････"), 71);
        row(18, QStringLiteral("プログラム・絵・文　ゼンタル制作委員会　1998"),
            64);  // our own credit
        row(19, QStringLiteral("     THE  END！！"), 55);
    }
    void linesAreQuotedExactly() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, ticks);
        Session s;
        s.pf.useSeed(3);
        s.run([&] { s.g.Show(ScreenId::Ending); });
        Form8& e = *s.g.find<Form8>();
        while (e.lineCounter <= line) s.run([&] { e.Timer1_Timer(); });
        QCOMPARE(e.currentLine, text);
        QCOMPARE(e.lineTicks, ticks);
        QCOMPARE(endingLine(-1) + endingLine(20), QString());  // there are no others
    }

    void aLineIsTypedThenHeldThenCleared() {
        Session s;
        s.pf.useSeed(1);
        s.run([&] { s.g.Show(ScreenId::Ending); });
        Form8& e = *s.g.find<Form8>();
        QCOMPARE(e.Label2.Caption, QString());
        while (e.lineCounter < 6) s.run([&] { e.Timer1_Timer(); });  // line 5 has just started
        QCOMPARE(e.currentLine, endingLine(5));
        QCOMPARE(e.lineTicks, 61);
        for (int t = 1; t <= 60; ++t) {
            s.run([&] { e.Timer1_Timer(); });
            QCOMPARE(e.Label2.Caption, endingLine(5).left(t));
        }
        s.run([&] { e.Timer1_Timer(); });
        QCOMPARE(e.Label2.Caption, QString());
        QCOMPARE(e.currentLine, endingLine(6));
    }

    void programEndsAfterTheLastLine() {
        Session s;
        s.pf.useSeed(2);
        s.run([&] { s.g.Show(ScreenId::Ending); });
        Form8& e = *s.g.find<Form8>();
        const int total = 1401 + 64;         // the ticks of all twenty lines
        s.pf.script({0.5f, 0.999f, 0.25f});  // red, green, blue: each cut, not rounded
        s.run([&] { e.Timer1_Timer(); });
        QCOMPARE(e.Label1.ForeColor, (Rgb{127, 254, 63}));
        int ticks = 1;
        Rgb last = e.Label1.ForeColor;
        while (!s.g.ended() && ticks < 100000) {
            s.run([&] { e.Timer1_Timer(); });
            ++ticks;
            QVERIFY(!(e.Label1.ForeColor == last));
            last = e.Label1.ForeColor;
        }
        QCOMPARE(ticks, total);
        QCOMPARE(s.pf.drawsTaken, 3 * total);
        QCOMPARE(e.Timer1.Interval, 20);
    }

    void closingTheWindowEndsTheProgram() {
        Session s;
        s.run([&] { s.g.Show(ScreenId::Ending); });
        s.run([&] { s.g.find<Form8>()->QueryUnload(); });
        QVERIFY(s.g.ended());
    }
};

QTEST_APPLESS_MAIN(EndingTest)
#include "test_ending.moc"
