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

#include "app/termination.h"
#include "country/main_screen.h"
#include "platform/file_store.h"
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
        QTest::addColumn<int>("readAsWritten");  // values loaded as the file had them
        QTest::newRow("no file") << QByteArray() << false << 0;
        QTest::newRow("a byte-order mark")
            << QByteArray("\xef\xbb\xbf[velmora]\nday=3\n") << false << 1;
        QTest::newRow("a cut-off last line") << QByteArray("[velmora]\nday=3\nwin1") << true << 1;
        QTest::newRow("a last value cut short")
            << QByteArray("[velmora]\nday=3\nwp9=9") << false << 1;
        QTest::newRow("a section given twice")
            << QByteArray("[velmora]\nday=3\n[velmora]\nday=4\n") << false << 0;
        QTest::newRow("a name not in UTF-8") << QByteArray("[velmora]\nname0=\xff\n") << false << 0;
        QTest::newRow("junk beside the saved game")
            << QByteArray("[velmora]\nday=3\n[junk]\nx=1\n") << false << 1;
    }
    void savesIntoTheSectionOfTheStore() {
        QFETCH(QByteArray, before);
        QFETCH(bool, damaged);
        QFETCH(int, readAsWritten);
        QTemporaryDir dir;
        storeIn(dir.path());
        if (!before.isEmpty()) writeFile(savedGame().fileName(), before);
        FileStore store(savedGame().fileName());
        QCOMPARE(store.damaged(), damaged);
        GameState st;
        QCOMPARE(loadGame(st, store), int(saveKeys().size()) - readAsWritten);
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
        FileStore again(savedGame().fileName());
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
        FileStore store(savedGame().fileName());
        const QString copy = store.keepCopy().value_or(QString());
        QVERIFY(!copy.isEmpty());
        QVERIFY(copy != first);
        QCOMPARE(fileBytes(copy), cut);
        QCOMPARE(fileBytes(first), earlier);
        QCOMPARE(store.keepCopy(), std::optional(copy));
        QCOMPARE(QDir(QFileInfo(savedGame().fileName()).path()).entryList(QDir::Files).size(), 3);
        for (int n = 3; n <= 100; ++n) writeFile(first + QString::number(n), earlier);
        // No name is left for a copy: that is told.
        QVERIFY(!FileStore(savedGame().fileName()).keepCopy());
    }

    void aStoreThatCannotBeWrittenIsReported() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        storeIn(blocker.fileName());  // the store's folder would have to live inside a file
        FileStore store(savedGame().fileName());
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
        FileStore store(savedGame().fileName());
        FakeServices fakes;
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
        FileStore store(savedGame().fileName());
        FakeServices fakes;
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
