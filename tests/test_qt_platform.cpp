// The real platform: the settings store on disk, a store that cannot be written, and
// SIGTERM while the game runs.
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "country/main_screen.h"
#include "desktop/application.h"
#include "desktop/termination.h"
#include "state/saved_game.h"

using namespace zentar;

namespace {

// Points the per-user store of every QSettings made from now on at `dir`.
void storeIn(const QString& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
}

QSettings savedGame(const QString& dir) {
    return QSettings(dir + QStringLiteral("/zentar/zentar.conf"), QSettings::IniFormat);
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
        QtStore store;
        GameState st;
        st.newGame(QStringLiteral("ディスクの国"));
        QCOMPARE(saveGame(st, store), QString());
        QSettings file = savedGame(dir.path());
        QCOMPARE(file.value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("ディスクの国"));
        QCOMPARE(file.value(QStringLiteral("velmora/OFE0")).toString(), QStringLiteral("42"));
        QCOMPARE(file.value(QStringLiteral("velmora/item3")).toString(), QString());
        QCOMPARE(file.childGroups(), QStringList{QStringLiteral("velmora")});
        GameState loaded;
        QtStore again;
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
        QtStore store;
        GameState st;
        st.newGame({});
        const QString failure = saveGame(st, store);
        QVERIFY(!failure.isEmpty());
        QVERIFY(failure.contains(QStringLiteral("zentar.conf")));
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
        QSettings file = savedGame(dir.path());
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
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/zentar/zentar.conf")));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
