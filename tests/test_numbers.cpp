#include <QTest>
#include <clocale>
#include <limits>
#include <locale>

#include "state/numbers.h"
#include "state/text.h"

using namespace zentar;

// Decimal comma for the C++ streams, as a library that sets a global locale could make it.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

class NumbersTest : public QObject {
    Q_OBJECT
  private slots:
    // The game runs in the desktop's locale (its windows switch to it); numbers read the
    // same in every one. The streams' global locale has a decimal comma here, and CTest
    // runs this suite a second time in a German locale, where the C library's has one too.
    void initTestCase() {
        std::setlocale(LC_ALL, "");
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
        if (qEnvironmentVariable("LC_ALL") == QStringLiteral("de_DE.UTF-8"))
            QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
    }
    void cleanupTestCase() { std::locale::global(std::locale::classic()); }

    void roundsTiesToEven_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("24 + 1.5") << 25.5 << 26;
        QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
        QTest::newRow("very negative") << -1e300 << std::numeric_limits<int>::min();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void roundsTiesToEven() {
        QFETCH(double, x);
        QFETCH(int, expected);
        QCOMPARE(roundEven(x), expected);
    }

    void truncatesTowardsZero_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.9") << 2.9 << 2;
        QTest::newRow("-2.9") << -2.9 << -2;
        QTest::newRow("beyond") << 3e9 << std::numeric_limits<int>::max();
        QTest::newRow("below") << -3e9 << std::numeric_limits<int>::min();
    }
    void truncatesTowardsZero() {
        QFETCH(double, x);
        QFETCH(int, expected);
        QCOMPARE(truncate(x), expected);
    }

    void addsWithoutWrapping() {
        const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
        QCOMPARE(satAdd(max, 1), max);
        QCOMPARE(satAdd(min, -1), min);
        QCOMPARE(satAdd(max, min), -1);
        QCOMPARE(satAdd(40, 2), 42);
    }

    void readsLeadingNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("mode entry") << QStringLiteral("1生命力中心") << 1.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
        QTest::newRow("fraction") << QStringLiteral("2.9") << 2.9;
        QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
        QTest::newRow("E exponent") << QStringLiteral("1E2") << 100.0;
        QTest::newRow("D exponent") << QStringLiteral("2D2") << 200.0;
        QTest::newRow("d exponent") << QStringLiteral("2d2") << 200.0;
        QTest::newRow("negative exponent") << QStringLiteral("2e-2") << 0.02;
        QTest::newRow("signed exponent") << QStringLiteral("1e+2") << 100.0;
        QTest::newRow("exponent without digits") << QStringLiteral("7e") << 7.0;
        QTest::newRow("blanks anywhere") << QStringLiteral(" 1 2\t3\n4") << 1234.0;
        QTest::newRow("digits then text") << QStringLiteral("12kg") << 12.0;
        QTest::newRow("point first") << QStringLiteral(".5") << 0.5;
        QTest::newRow("comma is no point") << QStringLiteral("1,5") << 1.0;
        QTest::newRow("point and exponent") << QStringLiteral("1.5e2") << 150.0;
        QTest::newRow("plus") << QStringLiteral("+8") << 8.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
        QTest::newRow("hex") << QStringLiteral("&HFF") << 255.0;
        QTest::newRow("hex lower") << QStringLiteral("&h1a") << 26.0;
        QTest::newRow("hex with a zero") << QStringLiteral("&H10") << 16.0;
        QTest::newRow("hex stops at a colon") << QStringLiteral("&H1:") << 1.0;
        QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
        QTest::newRow("one octal digit") << QStringLiteral("&O7") << 7.0;
        QTest::newRow("octal stops at 8") << QStringLiteral("&O78") << 7.0;
        QTest::newRow("ampersand alone") << QStringLiteral("&") << 0.0;
        QTest::newRow("full-width digit") << QStringLiteral("１") << 0.0;
        QTest::newRow("overflowing exponent")
            << QStringLiteral("9e9999") << std::numeric_limits<double>::max();
    }
    void readsLeadingNumbers() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(leadingNumber(text), expected);
    }

    void readsStoredNumbersStrictly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QStringLiteral("736") << true << 736.0;
        QTest::newRow("negative") << QStringLiteral("-15") << true << -15.0;
        QTest::newRow("blanks around") << QStringLiteral(" 42 ") << true << 42.0;
        QTest::newRow("fraction") << QStringLiteral("2.5") << true << 2.5;
        QTest::newRow("trailing text") << QStringLiteral("12abc") << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("words") << QStringLiteral("nan") << false << 0.0;
        QTest::newRow("a letter") << QStringLiteral("x") << false << 0.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << false << 0.0;
        QTest::newRow("point alone") << QStringLiteral(".") << false << 0.0;
        QTest::newRow("exponent without digits") << QStringLiteral("7e") << false << 0.0;
        QTest::newRow("exponent") << QStringLiteral("1e3") << true << 1000.0;
        QTest::newRow("beyond int32") << QStringLiteral("99999999999") << true << 99999999999.0;
    }
    void readsStoredNumbersStrictly() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double v = 0;
        QCOMPARE(parseStoredNumber(text, v), ok);
        if (ok) QCOMPARE(v, value);
    }

    void countsJapaneseCodePageBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("cutTo20");
        const QString ten = QStringLiteral("世界征服をもくろむ会");
        QTest::newRow("ascii") << QStringLiteral("abc") << 3 << QStringLiteral("abc");
        QTest::newRow("ten full-width") << ten << 20 << ten;
        QTest::newRow("eleven full-width") << ten + QStringLiteral("国") << 22 << ten;
        QTest::newRow("half-width katakana")
            << QStringLiteral("ｾﾞﾝﾀﾙ") << 5 << QStringLiteral("ｾﾞﾝﾀﾙ");
        QTest::newRow("mixed") << QStringLiteral("a世界b") << 6 << QStringLiteral("a世界b");
        QTest::newRow("edges of the one-byte ranges")
            << QStringLiteral("｡ﾟ") + QChar(0x80) << 4 << QStringLiteral("｡ﾟ") + QChar(0x80);
        QTest::newRow("odd cut") << QStringLiteral("a") + ten << 21
                                 << QStringLiteral("a世界征服をもくろむ");
        QTest::newRow("surrogate pair kept whole")
            << QStringLiteral("aaaaaaaaaaaaaaaaaaa") + QString::fromUcs4(U"😀") << 21
            << QStringLiteral("aaaaaaaaaaaaaaaaaaa");
        QTest::newRow("surrogate pair fits exactly")
            << QString(18, u'a') + QString::fromUcs4(U"😀") << 20
            << QString(18, u'a') + QString::fromUcs4(U"😀");
        QTest::newRow("surrogate pair first") << QString::fromUcs4(U"😀") + QString(19, u'b') << 21
                                              << QString::fromUcs4(U"😀") + QString(18, u'b');
    }
    void countsJapaneseCodePageBytes() {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QFETCH(QString, cutTo20);
        QCOMPARE(sjisByteLength(text), bytes);
        QCOMPARE(sjisTruncate(text, 20), cutTo20);
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
