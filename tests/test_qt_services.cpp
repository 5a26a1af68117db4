// The real platform: the settings store on disk, a store that cannot be written, and
// SIGTERM while the game runs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "country/main_screen.h"
#include "desktop/termination.h"
#include "state/saved_game.h"
#include "window_support.h"

using namespace zentar;

namespace {

// The store the game saves into, once storeIn() has placed it.
QSettings savedGame() {
    return QSettings();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits until the signal has come through the event loop.
bool waitForEnd(Application& app) {
    for (int i = 0; i < 200 && !app.game().ended(); ++i) QTest::qWait(5);
    return app.game().ended();
}

}  // namespace

class QtServicesTest : public QObject {
    Q_OBJECT
  private slots:
    // Whatever the file held before, a save that is written says so and leaves only the
    // saved game in the file.
    void savesIntoTheSectionOfTheStore_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("a byte-order mark") << QByteArray("\xef\xbb\xbf[velmora]\nday=3\n") << true;
        QTest::newRow("a cut-off last line") << QByteArray("[velmora]\nday=3\nwin1") << true;
        QTest::newRow("junk beside the saved game")
            << QByteArray("[velmora]\nday=3\n[junk]\nx=1\n") << false;
    }
    void savesIntoTheSectionOfTheStore() {
        QFETCH(QByteArray, before);
        QFETCH(bool, damaged);
        QTemporaryDir dir;
        storeIn(dir.path());
        if (!before.isEmpty()) writeFile(savedGame().fileName(), before);
        QtStore store;
        QCOMPARE(store.damaged(), damaged);
        GameState st;
        st.newGame(QStringLiteral("ディスクの国"));
        QCOMPARE(saveGame(st, store), QString());
        QSettings file = savedGame();
        QCOMPARE(file.value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("ディスクの国"));
        QCOMPARE(file.value(QStringLiteral("velmora/OFE0")).toString(), QStringLiteral("42"));
        QCOMPARE(file.value(QStringLiteral("velmora/item3")).toString(), QString());
        QCOMPARE(file.childGroups(), QStringList{QStringLiteral("velmora")});
        QCOMPARE(file.allKeys().size(), saveKeys().size());
        GameState loaded;
        QtStore again;
        QVERIFY(hasSavedGame(again));
        loadGame(loaded, again);
        QCOMPARE(loaded.country[0].name, QStringLiteral("ディスクの国"));
    }

    // The file as 続きから found it stays beside the store, once, and no earlier copy is
    // overwritten.
    void aDamagedFileIsKeptAsideOnce() {
        QTemporaryDir dir;
        storeIn(dir.path());
        const QByteArray cut("[velmora]\nday=3\nwin1");
        const QByteArray earlier("an earlier copy");
        writeFile(savedGame().fileName(), cut);
        const QString first = savedGame().fileName() + QStringLiteral(".damaged");
        writeFile(first, earlier);
        QtStore store;
        const QString copy = store.keepCopy();
        QVERIFY(!copy.isEmpty());
        QVERIFY(copy != first);
        QCOMPARE(fileBytes(copy), cut);
        QCOMPARE(fileBytes(first), earlier);
        QCOMPARE(store.keepCopy(), copy);
        QCOMPARE(QDir(QFileInfo(savedGame().fileName()).path()).entryList(QDir::Files).size(), 3);
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
        QVERIFY(failure.contains(savedGame().fileName()));
    }

    // A save lost as the session ends is seen by nobody: the log and the exit status tell.
    void termSavesTheMainScreenThenEnds_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("a folder the game can write") << true;
        QTest::newRow("a folder it cannot write") << false;
    }
    void termSavesTheMainScreenThenEnds() {
        QFETCH(bool, writable);
        QTemporaryDir dir;
        storeIn(dir.path());
        if (!writable) writeFile(QFileInfo(savedGame().fileName()).path(), "a file, not a folder");
        QtStore store;
        FakeDesktop fakes;
        Application app(fakes.services(store));
        Termination termination(app);
        app.game().st.kaigyo = QStringLiteral("\r\n");
        app.game().st.newGame(QStringLiteral("終わりの国"));
        app.dispatch([&] { app.game().Show(ScreenId::Main); });
        if (!writable)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^zentar: .*\\.conf ")));
        std::raise(SIGTERM);
        QVERIFY(waitForEnd(app));
        QCOMPARE(app.exitStatus() != 0, !writable);
        if (!writable) return;
        QSettings file = savedGame();
        QCOMPARE(file.value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("終わりの国"));
        QCOMPARE(file.allKeys().size(), 208);
    }

    void termOnTheTitleSavesNothing() {
        QTemporaryDir dir;
        storeIn(dir.path());
        QtStore store;
        FakeDesktop fakes;
        Application app(fakes.services(store));
        Termination termination(app);
        app.start();
        std::raise(SIGTERM);
        QVERIFY(waitForEnd(app));
        QVERIFY(!QFile::exists(savedGame().fileName()));
    }
};

QTEST_MAIN(QtServicesTest)
#include "test_qt_services.moc"
