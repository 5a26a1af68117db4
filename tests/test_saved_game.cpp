#include <QTest>
#include <limits>

#include "fake_platform.h"
#include "state/game_state.h"
#include "state/saved_game.h"

using namespace zentar;

class SavedGameTest : public QObject {
    Q_OBJECT
  private slots:
    void newGameWritesTheTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("numbers");  // hp, wp, OFE, DEF, qui, gold, heisi
        const auto row = [](int i, const QString& name, const QList<int>& numbers) {
            QTest::addRow("%d", i) << i << name << numbers;
        };
        row(0, QStringLiteral("世界征服をもくろむ会"), {736, 102, 42, 25, 11, 1000000, 10});
        row(1, QStringLiteral("単純人間"), {529, 32, 35, 36, 5, 255000, 8});
        row(2, QStringLiteral("お嬢様"), {619, 76, 44, 80, 9, 600000, 12});
        row(3, QStringLiteral("男の中の男"), {1121, 99, 56, 12, 7, 1000000, 19});
        row(4, QStringLiteral("企業戦士　－サラリーマン－"), {850, 100, 70, 40, 10, 1500000, 25});
        row(5, QStringLiteral("ヤーさん"), {1000, 132, 82, 51, 16, 2000000, 22});
        row(6, QStringLiteral("ゾンビ"), {1211, 0, 99, 99, 18, 1850000, 25});
        row(7, QStringLiteral("チャネラー"), {888, 255, 96, 142, 22, 2300000, 30});
        row(8, QStringLiteral("体育会系少女"), {1850, 169, 129, 42, 26, 3000000, 40});
        row(9, QStringLiteral("合体スラ"), {2020, 92, 80, 25, 24, 4000000, 50});
        row(10, QStringLiteral("くノ一"), {1888, 325, 152, 89, 28, 5000000, 43});
        row(11, QStringLiteral("こじら"), {100600, 690, 590, 82, 20, 10000000, 2});
        row(12, QStringLiteral("？？？"), {15000, 999, 400, 138, 30, 20000000, 5});
        row(13, QStringLiteral("恐怖の大王"), {1000000, 9999, 1650, 60, 35, 100000000, 1});
    }
    void newGameWritesTheTable() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QList<int>, numbers);
        GameState st;  // what a new game does not write keeps its value
        for (Country& c : st.country) c.win = 7;
        st.country[14].hp = st.country[15].gold = 9;
        st.speed = st.day = st.aite = 3;
        st.slot[0] = st.slot[3] = st.slot[31] = {QStringLiteral("残り物"), 2};
        st.newGame(QString());
        const Country& c = st.country[index];
        QCOMPARE(c.name, name);
        QCOMPARE((QList<int>{c.hp, c.wp, c.OFE, c.DEF, c.qui, c.gold, c.heisi}), numbers);
        QCOMPARE(c.win, 7);
        QCOMPARE(st.slot[1].item, QStringLiteral("ライフガード 1"));
        QCOMPARE(st.slot[1].kosuu, 5);
        QCOMPARE(st.slot[2].item, QStringLiteral("爆弾 1"));
        QCOMPARE(st.slot[2].kosuu, 5);
        for (int i : {0, 3, 31}) QCOMPARE(st.slot[i].kosuu, 2);
        QCOMPARE(st.country[14].hp + st.country[15].gold, 18);
        QCOMPARE(st.speed, 100);
        QCOMPARE(st.aite, 0);
        QCOMPARE(st.day, 0);
    }

    void newGameTakesTheEnteredName() {
        GameState st;
        st.newGame(QStringLiteral("ゼンタル王国ばんざい！"));
        QCOMPARE(st.country[0].name, QStringLiteral("ゼンタル王国ばんざい！"));
    }

    void savesAllKeysInOrder() {
        const QStringList& keys = saveKeys();
        QCOMPARE(keys.size(), 208);
        QCOMPARE(keys.mid(0, 10), (QStringList{"hp0", "wp0", "OFE0", "DEF0", "qui0", "gold0",
                                               "win0", "heisi0", "name0", "hp1"}));
        QCOMPARE(keys[16 * 9], QStringLiteral("item0"));
        QCOMPARE(keys[16 * 9 + 1], QStringLiteral("kosuu0"));
        QCOMPARE(keys[16 * 9 + 61], QStringLiteral("kosuu30"));
        QCOMPARE(keys[206], QStringLiteral("speed"));
        QCOMPARE(keys[207], QStringLiteral("day"));
        QVERIFY(!keys.contains(QStringLiteral("item31")));
        FakeStore store;
        GameState st;
        st.newGame(QString());
        QCOMPARE(saveGame(st, store), QString());
        QCOMPARE(store.writeOrder, keys);
    }

    void savedTextsAfterNewGame_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("name0") << "name0" << QStringLiteral("世界征服をもくろむ会");
        QTest::newRow("hp0") << "hp0"
                             << "736";
        QTest::newRow("gold13") << "gold13"
                                << "100000000";
        QTest::newRow("item1") << "item1" << QStringLiteral("ライフガード 1");
        QTest::newRow("kosuu1") << "kosuu1"
                                << "5";
        QTest::newRow("item3") << "item3"
                               << "";
        QTest::newRow("kosuu3") << "kosuu3"
                                << "0";
        QTest::newRow("speed") << "speed"
                               << "100";
        QTest::newRow("day") << "day"
                             << "0";
        for (int i = 0; i < 16; ++i)
            QTest::addRow("win%d", i) << QStringLiteral("win%1").arg(i) << "0";
    }
    void savedTextsAfterNewGame() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        FakeStore store;
        GameState st;
        st.newGame(QString());
        saveGame(st, store);
        QCOMPARE(store.store.value(key), value);
    }

    void roundTripKeepsEveryValue() {
        GameState st;
        st.newGame(QStringLiteral("ゼンタル　王国"));
        st.country[14] = {1, -2, 3, 4, 5, -2000000000, 7, 255, QStringLiteral("予備の国")};
        st.country[15].name = QStringLiteral("ｾﾞﾝﾀﾙ＆“引用”");
        st.country[3].win = 4;
        st.slot[0] = {QStringLiteral("爆弾 9"), 3};
        st.slot[30] = {QStringLiteral("呪いの笑い袋 0"), 2147483647};
        st.speed = 300;
        st.day = 12345;
        FakeStore store;
        saveGame(st, store);
        GameState loaded;
        loadGame(loaded, store);
        for (int i = 0; i < kCountries; ++i) {
            const Country &a = st.country[i], &b = loaded.country[i];
            QCOMPARE(b.hp, a.hp);
            QCOMPARE(b.wp, a.wp);
            QCOMPARE(b.OFE, a.OFE);
            QCOMPARE(b.DEF, a.DEF);
            QCOMPARE(b.qui, a.qui);
            QCOMPARE(b.gold, a.gold);
            QCOMPARE(b.win, a.win);
            QCOMPARE(b.heisi, a.heisi);
            QCOMPARE(b.name, a.name);
        }
        for (int i = 0; i <= kLastSlot; ++i) {
            QCOMPARE(loaded.slot[i].item, st.slot[i].item);
            QCOMPARE(loaded.slot[i].kosuu, st.slot[i].kosuu);
        }
        QCOMPARE(loaded.speed, 300);
        QCOMPARE(loaded.day, 12345);
    }

    void missingKeyKeepsTheCurrentValue() {
        GameState st;
        st.newGame(QString());
        FakeStore store;
        saveGame(st, store);
        for (const char* key : {"day", "speed", "heisi3"}) store.store.remove(QLatin1String(key));
        GameState loaded;  // kept values are not held within any range
        loaded.day = 5;
        loaded.speed = 0;
        loaded.country[3].heisi = 300;
        loadGame(loaded, store);
        QCOMPARE(loaded.day, 5);
        QCOMPARE(loaded.speed, 0);
        QCOMPARE(loaded.country[3].heisi, 300);
        QCOMPARE(loaded.country[4].heisi, 25);
        QCOMPARE(loaded.country[0].hp, 736);
    }

    void damagedValuesLoadSafely_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        // The current value before the load is 50 for every field here.
        QTest::newRow("not a number") << "hp0"
                                      << "abc" << 50;
        QTest::newRow("empty") << "OFE1"
                               << "" << 50;
        QTest::newRow("trailing junk") << "DEF2"
                                       << "12x" << 50;
        QTest::newRow("fraction ties to even") << "qui3"
                                               << "2.5" << 2;
        QTest::newRow("fraction rounds") << "gold4"
                                         << "7.6" << 8;
        QTest::newRow("beyond int32") << "gold5"
                                      << "99999999999" << 2147483647;
        QTest::newRow("below int32") << "gold6"
                                     << "-99999999999" << -2147483647 - 1;
        QTest::newRow("heisi too high") << "heisi0"
                                        << "9999" << 255;
        QTest::newRow("heisi negative") << "heisi1"
                                        << "-4" << 0;
        QTest::newRow("speed 0") << "speed"
                                 << "0" << 1;
        QTest::newRow("speed too slow") << "speed"
                                        << "5000" << 300;
        QTest::newRow("huge exponent") << "day"
                                       << "1e999" << 2147483647;
    }
    void damagedValuesLoadSafely() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        FakeStore store;
        store.store[key] = stored;
        GameState st;
        for (Country& c : st.country) c.hp = c.OFE = c.DEF = c.qui = c.gold = c.heisi = 50;
        st.speed = st.day = 50;
        // Every other key is missing; the stored value counts as missing when it kept 50,
        // and as not read as written when it was held at the 32-bit limits.
        const bool counted = expected == 50 || expected == std::numeric_limits<int>::max() ||
                             expected == std::numeric_limits<int>::min();
        const int missing = int(saveKeys().size()) - (counted ? 0 : 1);
        QCOMPARE(loadGame(st, store), missing);
        const int index = key.back().isDigit() ? key.right(1).toInt() : 0;
        const std::int32_t* fields[] = {&st.country[index].hp,
                                        &st.country[index].OFE,
                                        &st.country[index].DEF,
                                        &st.country[index].qui,
                                        &st.country[index].gold,
                                        &st.country[index].heisi,
                                        &st.speed,
                                        &st.day};
        const char* names[] = {"hp", "OFE", "DEF", "qui", "gold", "heisi", "speed", "day"};
        for (int f = 0; f < 8; ++f)
            if (key.startsWith(QLatin1String(names[f]))) QCOMPARE(*fields[f], expected);
    }

    void hugeAndBrokenTextsLoadAsTheyAre() {
        FakeStore store;
        const QString megabyte(1 << 20, QChar(u'国'));
        store.store[QStringLiteral("name0")] = megabyte;
        store.store[QStringLiteral("item5")] = QString::fromUtf8("\xff\xfe broken");
        GameState st;
        loadGame(st, store);
        QCOMPARE(st.country[0].name.size(), megabyte.size());
        QVERIFY(!st.slot[5].item.isEmpty());
    }

    void knowsWhetherAGameWasSaved() {
        FakeStore store;
        QVERIFY(!hasSavedGame(store));
        store.store[QStringLiteral("unrelated")] = "1";
        QVERIFY(!hasSavedGame(store));
        store.store[QStringLiteral("kosuu30")] = "1";
        QVERIFY(hasSavedGame(store));
    }
};

QTEST_APPLESS_MAIN(SavedGameTest)
#include "test_saved_game.moc"
