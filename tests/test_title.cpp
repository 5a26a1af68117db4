#include <QTest>

#include "country/main_screen.h"
#include "state/saved_game.h"
#include "test_support.h"
#include "title/title.h"

using namespace zentar;

class TitleTest : public QObject {
    Q_OBJECT
  private slots:
    void startShowsTheTitleAndSetsTheLineBreak() {
        Session s;
        s.g.st.kaigyo.clear();
        s.g.start();
        QVERIFY(s.g.visible(ScreenId::Title));
        QCOMPARE(s.g.st.kaigyo, QStringLiteral("\r\n"));
    }

    void newGameAsksThenStarts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        QTest::newRow("empty name") << QString() << QStringLiteral("世界征服をもくろむ会");
        QTest::newRow("ten full-width")
            << QStringLiteral("ゼンタル大帝国の民よ") << QStringLiteral("ゼンタル大帝国の民よ");
    }
    void newGameAsksThenStarts() {
        QFETCH(QString, name);
        QFETCH(QString, country);
        Session s;
        s.g.start();
        s.pf.answers = {Answer::Yes};
        s.run([&] {
            Form1& t = *s.g.find<Form1>();
            t.NAM_Change(name);
            t.N1_Click();
        });
        QCOMPARE(s.pf.shown.size(), std::size_t(1));
        QCOMPARE(s.pf.shown[0].text, QStringLiteral("今までの記録が消えます\r\nよろしいですか？"));
        QCOMPARE(s.pf.shown[0].buttons, Buttons::YesNo);
        QCOMPARE(s.pf.shown[0].icon, Icon::Question);
        QCOMPARE(s.g.st.country[0].name, country);
        QVERIFY(!s.g.loaded(ScreenId::Title));
        QVERIFY(s.g.visible(ScreenId::Main));
        QVERIFY(s.pf.writeOrder.isEmpty());  // a new game is saved only when the main screen closes
    }

    void nameBoxKeepsTwentyBytes() {
        Session s;
        s.g.start();
        Form1& t = *s.g.find<Form1>();
        t.NAM_Change(QStringLiteral("ゼンタル大帝国の民よ万歳"));
        QCOMPARE(t.NAM.Text, QStringLiteral("ゼンタル大帝国の民よ"));
    }

    void answeringNoChangesNothing() {
        Session s;
        s.g.start();
        s.pf.answers = {Answer::No};
        s.run([&] { s.g.find<Form1>()->N1_Click(); });
        QVERIFY(s.g.visible(ScreenId::Title));
        QVERIFY(!s.g.loaded(ScreenId::Main));
        QCOMPARE(s.g.st.country[0].hp, 0);
        QCOMPARE(s.g.st.country[1].name, QString());
    }

    void continueLoadsTheSavedGame() {
        Session s;
        GameState saved;
        saved.newGame(QStringLiteral("続きの国"));
        saved.day = 42;
        saveGame(saved, s.pf);
        s.g.start();
        s.run([&] {
            s.g.find<Form1>()->NAM_Change(QStringLiteral("無視される名前"));
            s.g.find<Form1>()->N2_Click();
        });
        QVERIFY(s.pf.shown.empty());
        QCOMPARE(s.g.st.country[0].name, QStringLiteral("続きの国"));
        QCOMPARE(s.g.st.day, 42);
        QCOMPARE(s.g.st.nissu, 0);
        QVERIFY(s.g.visible(ScreenId::Main));
    }

    void continueTellsOfADamagedStoreOnce_data() {
        QTest::addColumn<QStringList>("removed");  // keys taken out of a whole save
        QTest::addColumn<QString>("unreadable");   // a number that is no number
        QTest::addColumn<bool>("damaged");         // a file the store could not parse
        QTest::addColumn<int>("missing");
        QTest::addColumn<bool>("continues");
        QTest::newRow("whole") << QStringList() << QString() << false << 0 << true;
        QTest::newRow("keys missing")
            << QStringList{"day", "name0", "kosuu30"} << QString() << false << 3 << true;
        QTest::newRow("a number unreadable") << QStringList() << "hp3" << false << 1 << true;
        QTest::newRow("a file not parsed") << QStringList() << QString() << true << 0 << true;
        QTest::newRow("nothing readable")
            << saveKeys() << QString() << true << int(saveKeys().size()) << false;
    }
    void continueTellsOfADamagedStoreOnce() {
        QFETCH(QStringList, removed);
        QFETCH(QString, unreadable);
        QFETCH(bool, damaged);
        QFETCH(int, missing);
        QFETCH(bool, continues);
        Session s;
        GameState saved;
        saved.newGame(QStringLiteral("傷んだ国"));
        saveGame(saved, s.pf);
        for (const QString& key : removed) s.pf.store.remove(key);
        if (!unreadable.isEmpty()) s.pf.store[unreadable] = QStringLiteral("壊れた数");
        s.pf.unreadable = damaged;
        s.pf.copyPlace = QStringLiteral("/home/player/.config/zentar/zentar.conf.damaged");
        s.g.start();
        s.run([&] { s.g.find<Form1>()->N2_Click(); });
        const bool told = missing > 0 || damaged;
        QCOMPARE(s.pf.copies, int(told));
        QCOMPARE(s.pf.shown.size(), std::size_t(told) + std::size_t(!continues));
        if (told) {
            QCOMPARE(s.pf.shown[0].text.contains(QStringLiteral(" %1 ").arg(missing)), missing > 0);
            QVERIFY(s.pf.shown[0].text.contains(*s.pf.copyPlace));
        }
        QCOMPARE(s.g.visible(ScreenId::Main), continues);
        if (!continues) return;
        QCOMPARE(s.g.st.country[0].name, removed.isEmpty() ? saved.country[0].name : QString());
        s.run([&] { s.g.find<Form2>()->QueryUnload(); });  // saves: nothing more is told
        QCOMPARE(s.pf.shown.size(), std::size_t(told));
        QCOMPARE(s.pf.copies, int(told));
    }

    void continueWithoutASaveStaysOnTheTitle() {
        Session s;
        s.g.start();
        s.run([&] { s.g.find<Form1>()->N2_Click(); });
        QCOMPARE(s.pf.texts(), QStringList{QStringLiteral("続きのデータがありません。")});
        QVERIFY(s.g.visible(ScreenId::Title));
        QVERIFY(!s.g.loaded(ScreenId::Main));
    }

    void quittingEndsWithoutSaving() {
        Session s;
        s.g.start();
        s.run([&] { s.g.find<Form1>()->YA0_Click(); });
        QVERIFY(s.g.ended());
        QVERIFY(s.pf.writeOrder.isEmpty());
    }

    void closingTheWindowEndsWithoutSaving() {
        Session s;
        s.g.start();
        s.run([&] { s.g.find<Form1>()->QueryUnload(); });
        QVERIFY(s.g.ended());
        QVERIFY(s.pf.writeOrder.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TitleTest)
#include "test_title.moc"
