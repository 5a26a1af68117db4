#include <QTest>

#include "fake_platform.h"
#include "state/game_state.h"
#include "state/saved_game.h"

using namespace zentar;

class SavedGameTest : public QObject {
    Q_OBJECT
  private slots:
    void newGameWritesTheTable() {
        GameState st;
        st.newGame(QString());
        QCOMPARE(st.country[0].name, QStringLiteral("世界征服をもくろむ会"));
        QCOMPARE(st.country[0].heisi, 10);
        QCOMPARE(st.country[0].gold, 1000000);
        QCOMPARE(st.slot[1].item, QStringLiteral("ライフガード 1"));
        QCOMPARE(st.slot[1].kosuu, 5);
        QCOMPARE(st.slot[2].item, QStringLiteral("爆弾 1"));
        QCOMPARE(st.slot[2].kosuu, 5);
        QCOMPARE(st.slot[3].item, QString());
        QCOMPARE(st.country[6].wp, 0);
        QCOMPARE(st.country[13].hp, 1000000);
        QCOMPARE(st.country[13].heisi, 1);
        QCOMPARE(st.country[4].name, QStringLiteral("企業戦士　－サラリーマン－"));
        QCOMPARE(st.country[12].name, QStringLiteral("？？？"));
        QCOMPARE(st.speed, 100);
        QCOMPARE(st.day, 0);
        for (const Country& c : st.country) QCOMPARE(c.win, 0);
        QCOMPARE(st.country[14].name, QString());
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
        FakePlatform store;
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
        FakePlatform store;
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
        FakePlatform store;
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
        st.day = 77;
        FakePlatform store;
        saveGame(st, store);
        store.store.remove(QStringLiteral("day"));
        GameState loaded;
        loaded.day = 5;
        loadGame(loaded, store);
        QCOMPARE(loaded.day, 5);
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
        FakePlatform store;
        store.store[key] = stored;
        GameState st;
        for (Country& c : st.country) c.hp = c.OFE = c.DEF = c.qui = c.gold = c.heisi = 50;
        st.speed = st.day = 50;
        loadGame(st, store);
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
        FakePlatform store;
        const QString megabyte(1 << 20, QChar(u'国'));
        store.store[QStringLiteral("name0")] = megabyte;
        store.store[QStringLiteral("item5")] = QString::fromUtf8("\xff\xfe broken");
        GameState st;
        loadGame(st, store);
        QCOMPARE(st.country[0].name.size(), megabyte.size());
        QVERIFY(!st.slot[5].item.isEmpty());
    }

    void knowsWhetherAGameWasSaved() {
        FakePlatform store;
        QVERIFY(!hasSavedGame(store));
        store.store[QStringLiteral("unrelated")] = "1";
        QVERIFY(!hasSavedGame(store));
        store.store[QStringLiteral("kosuu30")] = "1";
        QVERIFY(hasSavedGame(store));
    }
};

QTEST_APPLESS_MAIN(SavedGameTest)
#include "test_saved_game.moc"
