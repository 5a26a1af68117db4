#include <QTest>

#include "country/main_screen.h"
#include "country/shop.h"
#include "state/goods.h"
#include "test_support.h"

using namespace zentar;

namespace {

enum Entry {
    QuickRun,
    GodVoice,
    NurseCall,
    Protein,
    LifeGuard,
    Necklace,
    Bag,
    Bomb,
    Soldier,
    Blank
};

struct ShopSession : Session {
    ShopSession() {
        g.st.newGame({});
        run([&] { g.Show(ScreenId::Shop); });
    }
    Shop& shop() { return *g.find<Shop>(); }
    void tick() {
        run([&] { shop().Timer1_Timer(); });
    }
    // Chooses goods, types the order, lets one tick price it and clicks "買う".
    void buy(int entry, const QString& quantity, const QString& potency = QStringLiteral("1")) {
        run([&] {
            shop().NAIYO_Click(entry);
            shop().Text1_Change(quantity);
            shop().Text2_Change(potency);
        });
        tick();
        run([&] { shop().OK_Click(); });
    }
};

}  // namespace

class ShopTest : public QObject {
    Q_OBJECT
  private slots:
    void catalogueKeysAreFirstCharacters() {
        for (const GoodsEntry& g : goodsCatalogue()) {
            const QString name = QString::fromUtf16(g.name);
            QCOMPARE(name[0], QChar(g.key));
            QCOMPARE(goodsByKey(name + QStringLiteral(" 3")), &g);
            if (g.potencyPosition) QCOMPARE(g.potencyPosition, name.size() + 2);
        }
        QCOMPARE(goodsByKey(QStringLiteral("   ")), nullptr);
        QCOMPARE(goodsByKey(QString()), nullptr);
        QCOMPARE(potencyOf(QStringLiteral("爆弾 7"), *goodsByKey(QStringLiteral("爆"))), 7);
        QCOMPARE(potencyOf(QStringLiteral("爆弾 x"), *goodsByKey(QStringLiteral("爆"))), 0);
        QCOMPARE(potencyOf(QStringLiteral("爆弾"), *goodsByKey(QStringLiteral("爆"))), 0);
        QCOMPARE(potencyOf(QStringLiteral("爆弾 "), *goodsByKey(QStringLiteral("爆"))), 0);
    }

    void opensWithTheStartingOrder() {
        ShopSession s;
        Shop& shop = s.shop();
        QCOMPARE(shop.NAIYO.List.size(), 10);
        QCOMPARE(shop.NAIYO.List.back(), QStringLiteral("   "));
        QVERIFY(!shop.OK.Visible);
        s.run([&] { shop.OK_Click(); });  // a hidden button buys nothing
        s.tick();
        QCOMPARE(shop.Text4.Text, QStringLiteral("1000000￥"));
        QCOMPARE(shop.Text3.Text, QStringLiteral("0￥"));
        QVERIFY(!shop.OK.Visible);
        s.run([&] {
            shop.NAIYO_Click(Blank);
            shop.Text1_Change(QStringLiteral("5"));
        });
        s.tick();
        QVERIFY(!shop.OK.Visible);
        QCOMPARE(shop.nedan, 0);
        QVERIFY(s.pf.shown.empty());
        s.run([&] {
            shop.Text2_Change(QStringLiteral("3"));
            shop.NAIYO_Click(Bomb);  // another choice starts the order afresh
        });
        QCOMPARE(shop.Text1.Text, QStringLiteral("0"));
        QCOMPARE(shop.Text2.Text, QStringLiteral("1"));
        s.run([&] { shop.NAIYO_Click(10); });  // outside the list: nothing is chosen
        QCOMPARE(shop.NAIYO.ListIndex, -1);
        s.run([&] {
            shop.Text1_Change(QStringLiteral("1234"));
            shop.Text2_Change(QStringLiteral("56"));
        });
        QCOMPARE(shop.Text1.Text, QStringLiteral("123"));  // three characters of quantity
        QCOMPARE(shop.Text2.Text, QStringLiteral("5"));    // one of potency
    }

    void pricesTheOrder_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("potency");
        QTest::addColumn<int>("price");
        QTest::newRow("two bombs") << int(Bomb) << "2"
                                   << "1" << 80000;
        QTest::newRow("quick run") << int(QuickRun) << "1"
                                   << "1" << 50000;
        QTest::newRow("nurse call") << int(NurseCall) << "1"
                                    << "1" << 40000;
        QTest::newRow("necklace") << int(Necklace) << "1"
                                  << "1" << 50000;
        QTest::newRow("protein") << int(Protein) << "1"
                                 << "1" << 50000;
        QTest::newRow("god voice") << int(GodVoice) << "1"
                                   << "1" << 300000;
        QTest::newRow("bag") << int(Bag) << "1"
                             << "1" << 100000;
        QTest::newRow("potency 3") << int(LifeGuard) << "4"
                                   << "3" << 60000;
        QTest::newRow("potency 0 is free") << int(GodVoice) << "3"
                                           << "0" << 0;
        QTest::newRow("non-digit potency") << int(Protein) << "3"
                                           << "x" << 0;
        QTest::newRow("fraction") << int(LifeGuard) << "1.5"
                                  << "1" << 7500;
        QTest::newRow("rounded, not cut") << int(LifeGuard) << ".57"
                                          << "1" << 2850;
        QTest::newRow("soldier at potency 2") << int(Soldier) << "1"
                                              << "2" << 1200000;
        QTest::newRow("negative counts as none") << int(Bomb) << "-5"
                                                 << "1" << 0;
    }
    void pricesTheOrder() {
        QFETCH(int, entry);
        QFETCH(QString, quantity);
        QFETCH(QString, potency);
        QFETCH(int, price);
        ShopSession s;
        s.g.st.country[0].gold = 2000000;
        s.run([&] {
            s.shop().NAIYO_Click(entry);
            s.shop().Text1_Change(quantity);
            s.shop().Text2_Change(potency);
        });
        s.tick();
        QCOMPARE(s.shop().nedan, price);
        QCOMPARE(s.shop().Text3.Text, QString::number(price) + QStringLiteral("￥"));
        QVERIFY(s.shop().OK.Visible);
    }

    void budgetMustCoverThePrice() {
        ShopSession s;
        s.g.st.country[0].gold = 80000;
        s.buy(Bomb, "2");
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("毎度あり！！")});
        QCOMPARE(s.g.st.country[0].gold, 0);
        QCOMPARE(s.g.st.slot[2].kosuu, 7);
        s.g.st.country[0].gold = 39999;
        s.run([&] { s.shop().Text1_Change("1"); });
        s.tick();
        QCOMPARE(s.pf.texts().back(), QStringLiteral("おい、金足りねえぞ！！"));
        QCOMPARE(s.shop().Text1.Text, QStringLiteral("0"));
        QCOMPARE(s.shop().Text2.Text, QStringLiteral("1"));
        s.run([&] { s.shop().OK_Click(); });  // before the next tick: nothing for nothing
        QCOMPARE(s.g.st.country[0].gold, 39999);
        QCOMPARE(s.g.st.slot[2].kosuu, 7);
        s.tick();
        QCOMPARE(s.pf.texts().count(QStringLiteral("おい、金足りねえぞ！！")),
                 1);  // one a shortfall
    }

    void negativeBudgetDoesNotLockTheShop() {
        ShopSession s;
        s.g.st.country[0].gold = -10;
        for (int i = 0; i < 5; ++i) s.tick();
        QVERIFY(s.pf.shown.empty());
    }

    void soldiersUpToTheLimit() {
        ShopSession s;
        s.g.st.country[0].gold = 2000000000;
        s.buy(Soldier, "246");
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("仲間は２５６人までです！")});
        QCOMPARE(s.g.st.country[0].heisi, 10);
        QCOMPARE(s.shop().Text1.Text, QStringLiteral("0"));
        s.buy(Soldier, "1.5");  // 11.5 soldiers round to even 12
        QCOMPARE(s.pf.texts().back(), QStringLiteral("大切にしてやって下せいよ"));
        QCOMPARE(s.g.st.country[0].heisi, 12);
        QCOMPARE(s.g.st.country[0].gold, 1999100000);
        s.buy(Soldier, "243");
        QCOMPARE(s.g.st.country[0].heisi, 255);
        QCOMPARE(s.g.st.country[0].gold, 1853300000);
    }

    void goodsStackByNameAndPotency() {
        ShopSession s;
        s.g.st.slot[1] = {QStringLiteral("爆弾 1"), 3};
        s.g.st.slot[2] = {};
        s.buy(Bomb, "2");
        QCOMPARE(s.g.st.slot[1].kosuu, 5);
        s.buy(Bomb, "1", "2");
        QCOMPARE(s.g.st.slot[2].item, QStringLiteral("爆弾 2"));
        QCOMPARE(s.g.st.slot[2].kosuu, 1);
    }

    void quantityZeroStillBuys() {
        ShopSession s;
        s.buy(Bag, "0");
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("毎度あり！！")});
        QCOMPARE(s.g.st.slot[3].item, QStringLiteral("呪いの笑い袋 1"));
        QCOMPARE(s.g.st.slot[3].kosuu, 0);
        s.buy(LifeGuard, "2", "0");  // potency 0 costs nothing; the empty bag's slot is reused
        QCOMPARE(s.g.st.slot[3].item, QStringLiteral("ライフガード 0"));
        QCOMPARE(s.g.st.slot[3].kosuu, 2);
        QCOMPARE(s.g.st.country[0].gold, 1000000);
    }

    void fractionalCountsRoundToEven_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<int>("count");
        QTest::newRow("1.5") << "1.5" << 2;
        QTest::newRow("2.5") << "2.5" << 2;
    }
    void fractionalCountsRoundToEven() {
        QFETCH(QString, quantity);
        QFETCH(int, count);
        ShopSession s;
        s.buy(Necklace, quantity);
        QCOMPARE(s.g.st.slot[3].kosuu, count);
    }

    void slotWalkTakesExactlyOneOfTwo() {
        ShopSession s;
        s.g.st.slot[1] = {QStringLiteral("爆弾 1"), 0};        // same text, count 0: passed over
        s.g.st.slot[2] = {QStringLiteral("プロテイン 1"), 0};  // other text, count 0: reused
        s.g.st.slot[3] = {QStringLiteral("爆弾 1"), 4};
        s.buy(Bomb, "1");
        QCOMPARE(s.g.st.slot[2].item, QStringLiteral("爆弾 1"));
        QCOMPARE(s.g.st.slot[2].kosuu, 1);
        QCOMPARE(s.g.st.slot[3].kosuu, 4);
    }

    void fullInventory() {
        ShopSession s;
        for (int i = 1; i <= 30; ++i)
            s.g.st.slot[i] = {QStringLiteral("ライフガード %1").arg(i % 10), 1};
        s.g.st.slot[30] = {QStringLiteral("爆弾 1"), 1};
        s.buy(QuickRun, "1");
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("持ち物が多すぎます")});
        QCOMPARE(s.g.st.country[0].gold, 1000000);
        s.buy(Bomb, "1");
        QCOMPARE(s.g.st.slot[30].kosuu, 2);
    }

    void aPriceBeyondInt32IsNeverCovered() {
        ShopSession s;
        s.g.st.country[0].gold = 2147483647;
        s.run([&] {
            s.shop().NAIYO_Click(Soldier);
            s.shop().Text1_Change("999");
            s.shop().Text2_Change("9");
        });
        s.tick();
        QCOMPARE(s.shop().Text3.Text, QStringLiteral("2147483647￥"));
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("おい、金足りねえぞ！！")});
        QCOMPARE(s.shop().Text1.Text, QStringLiteral("0"));
        QCOMPARE(s.shop().Text2.Text, QStringLiteral("1"));
    }

    void leavingOpensTheMainScreen() {
        ShopSession s;
        s.run([&] { s.shop().NO_Click(); });
        QVERIFY(!s.g.loaded(ScreenId::Shop));
        QVERIFY(s.g.visible(ScreenId::Main));
        QVERIFY(!s.g.ended());
    }

    void purchasesAreSavedWhenTheMainScreenCloses() {
        Session s;
        Form2& m = s.newGameOnMain<Form2>();
        s.run([&] { m.N2_Click(); });
        QVERIFY(s.g.visible(ScreenId::Shop));
        QCOMPARE(s.pf.store.value("kosuu2"), QStringLiteral("5"));
        Shop& shop = *s.g.find<Shop>();
        s.run([&] {
            shop.NAIYO_Click(Bomb);
            shop.Text1_Change("3");
        });
        s.run([&] { shop.Timer1_Timer(); });
        s.run([&] { shop.OK_Click(); });
        s.run([&] { shop.NO_Click(); });
        s.run([&] { s.g.find<Form2>()->N2_Click(); });
        QCOMPARE(s.pf.store.value("kosuu2"), QStringLiteral("8"));
        QCOMPARE(s.pf.store.value("gold0"), QStringLiteral("880000"));
    }
};

QTEST_APPLESS_MAIN(ShopTest)
#include "test_shop.moc"
