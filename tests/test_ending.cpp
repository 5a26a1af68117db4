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

    void linesAreQuotedExactly_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("length");
        const int lengths[] = {37, 45, 42, 46, 38, 21, 25, 29, 24, 46,
                               35, 41, 44, 28, 35, 32, 27, 31, -1, 15};
        for (int k = 0; k < 20; ++k) QTest::addRow("line %d", k) << k << lengths[k];
    }
    void linesAreQuotedExactly() {
        QFETCH(int, line);
        QFETCH(int, length);
        if (length >= 0)
            QCOMPARE(endingLine(line).size(), length);
        else
            QVERIFY(endingLine(line).contains(QStringLiteral("ゼンタル制作委員会")));
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
        int total = 0;
        for (int k = 0; k < 20; ++k) total += endingLine(k).size() + 40;
        int ticks = 0;
        Rgb last{-1, -1, -1};
        while (!s.g.ended() && ticks < 100000) {
            s.run([&] { e.Timer1_Timer(); });
            ++ticks;
            QVERIFY(!(e.Label1.ForeColor == last));
            last = e.Label1.ForeColor;
        }
        QCOMPARE(ticks, total);
        QCOMPARE(e.Timer1.Interval, 20);
    }
};

QTEST_APPLESS_MAIN(EndingTest)
#include "test_ending.moc"
