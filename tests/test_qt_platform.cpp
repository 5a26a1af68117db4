// The real platform: the settings store on disk, a store that cannot be written, and
// SIGTERM while the game runs.
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/application.h"
#include "app/termination.h"
#include "country/main_screen.h"
#include "state/saved_game.h"

using namespace zentar;

namespace {

// Points the tests' own per-user store (an organisation of their own) at `dir`.
void storeIn(const QString& dir) {
    QCoreApplication::setOrganizationName(QStringLiteral(ZENTAR_TEST_STORE));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
}

// The store the game saves into, once storeIn() has placed it.
QSettings savedGame() {
    return QSettings();
}

// Waits until the signal has come through the event loop.
bool waitForEnd(Application& app) {
    for (int i = 0; i < 200 && !app.game().ended(); ++i) QTest::qWait(5);
    return app.game().ended();
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
  private slots:
    void savesIntoTheSectionOfTheStore() {
        QTemporaryDir dir;
        storeIn(dir.path());
        QtPlatform store;
        GameState st;
        st.newGame(QStringLiteral("ディスクの国"));
        QCOMPARE(saveGame(st, store), QString());
        QSettings file = savedGame();
        QCOMPARE(file.value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("ディスクの国"));
        QCOMPARE(file.value(QStringLiteral("velmora/OFE0")).toString(), QStringLiteral("42"));
        QCOMPARE(file.value(QStringLiteral("velmora/item3")).toString(), QString());
        QCOMPARE(file.childGroups(), QStringList{QStringLiteral("velmora")});
        GameState loaded;
        QtPlatform again;
        QVERIFY(hasSavedGame(again));
        loadGame(loaded, again);
        QCOMPARE(loaded.country[0].name, QStringLiteral("ディスクの国"));
    }

    void aStoreThatCannotBeWrittenIsReported() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        storeIn(blocker.fileName());  // the store's folder would have to live inside a file
        QtPlatform store;
        GameState st;
        st.newGame({});
        const QString failure = saveGame(st, store);
        QVERIFY(!failure.isEmpty());
        QVERIFY(failure.contains(savedGame().fileName()));
    }

    void termSavesTheMainScreenThenEnds() {
        QTemporaryDir dir;
        storeIn(dir.path());
        Application app;
        Termination termination(app);
        app.game().st.kaigyo = QStringLiteral("\r\n");
        app.game().st.newGame(QStringLiteral("終わりの国"));
        app.dispatch([&] { app.game().Show(ScreenId::Main); });
        std::raise(SIGTERM);
        QVERIFY(waitForEnd(app));
        QSettings file = savedGame();
        QCOMPARE(file.value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("終わりの国"));
        QCOMPARE(file.allKeys().size(), 208);
    }

    void termOnTheTitleSavesNothing() {
        QTemporaryDir dir;
        storeIn(dir.path());
        Application app;
        Termination termination(app);
        app.start();
        std::raise(SIGTERM);
        QVERIFY(waitForEnd(app));
        QVERIFY(!QFile::exists(savedGame().fileName()));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
