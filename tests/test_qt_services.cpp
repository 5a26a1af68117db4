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
#include "platform/in_place_store.h"
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

// A game whose every saved value is `g`, so that a save mixed of two shows.
GameState generation(std::int32_t g) {
    GameState st;
    for (Country& c : st.country) {
        c.hp = c.wp = c.OFE = c.DEF = c.qui = c.gold = c.win = c.heisi = g;
        c.name = QString::number(g);
    }
    for (ItemSlot& s : st.slot) s = {QString::number(g), g};
    st.speed = st.day = g;
    return st;
}

// The generation a loaded game is wholly of, or -1 for a mix.
std::int32_t wholeGeneration(const GameState& st) {
    const GameState same = generation(st.day);
    for (int i = 0; i < kCountries; ++i)
        if (st.country[i].gold != same.country[i].gold ||
            st.country[i].name != same.country[i].name)
            return -1;
    for (int i = 0; i <= kLastSlot; ++i)
        if (st.slot[i].kosuu != same.slot[i].kosuu) return -1;
    return st.speed == st.day ? st.day : -1;
}

// The registry or the page's storage in memory, shared by the stores opened on it: after
// `writesLeft` writes nothing more lands, as when the game is killed; a refusing store
// takes nothing.
struct MemoryValues : Values {
    QHash<QString, QString>& kept;
    int writesLeft = -1;
    bool refusing = false;
    explicit MemoryValues(QHash<QString, QString>& values) : kept(values) {}
    std::optional<QString> get(const QString& key) override {
        return kept.contains(key) ? std::optional(kept[key]) : std::nullopt;
    }
    bool set(const QString& key, const QString& value) override {
        if (refusing) return false;
        if (writesLeft != 0) kept[key] = value, --writesLeft;
        return true;
    }
    void remove(const QString& key) override {
        if (writesLeft != 0) kept.remove(key), --writesLeft;
    }
};

std::unique_ptr<InPlaceStore> storeOn(QHash<QString, QString>& values, int writesLeft = -1,
                                      bool refusing = false) {
    auto memory = std::make_unique<MemoryValues>(values);
    memory->writesLeft = writesLeft;
    memory->refusing = refusing;
    return std::make_unique<InPlaceStore>(std::move(memory));
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
        QTest::newRow("a byte-order mark and a cut-off last line")
            << QByteArray("\xef\xbb\xbf[velmora]\nday=3\nwin1") << true << 1;
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

    // A save written in place, cut after each of its writes or refused: the next start
    // loads one whole save, the one before or the new one, never a mix of both.
    void aSaveInPlaceIsWholeWhereverItIsCut_data() {
        QTest::addColumn<bool>("earlier");  // a save was there before
        QTest::addColumn<int>("writes");    // how many writes land; -1: all
        QTest::addColumn<bool>("refusing");
        for (const bool earlier : {true, false}) {
            for (int n = 0; n <= 211; ++n)
                QTest::addRow("%s, cut after %d writes", earlier ? "over a save" : "first", n)
                    << earlier << n << false;
            QTest::addRow("%s, refused", earlier ? "over a save" : "first")
                << earlier << -1 << true;
        }
    }
    void aSaveInPlaceIsWholeWhereverItIsCut() {
        QFETCH(bool, earlier);
        QFETCH(int, writes);
        QFETCH(bool, refusing);
        QHash<QString, QString> values;
        if (earlier) QCOMPARE(saveGame(generation(1), *storeOn(values)), QString());
        const QString failure = saveGame(generation(2), *storeOn(values, writes, refusing));
        if (writes < 0) QCOMPARE(failure.isEmpty(), !refusing);  // a killed game tells nobody
        GameState loaded;
        auto next = storeOn(values);
        if (!hasSavedGame(*next)) {  // a first save cut before its journal was down
            QVERIFY(!earlier && (writes == 0 || refusing));
            return;
        }
        QCOMPARE(loadGame(loaded, *next), 0);
        const std::int32_t whole = wholeGeneration(loaded);
        QVERIFY2(whole == 2 || (whole == 1 && earlier), qPrintable(QString::number(whole)));
        if (writes < 0 && !refusing) QCOMPARE(whole, 2);
    }

    // What stands in the settings folder: a save goes through where it can, and where it
    // cannot, it says what is in the way and where, at once.
    void aSaveGoesThroughOrNamesWhatIsInTheWay_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("inTheWay");  // what follows the saved game's name in the
                                                // name of the folder in the way
        QTest::newRow("no temporary folder") << QStringLiteral("no temporary folder") << QString();
        QTest::newRow("the saved game a link") << QStringLiteral("link") << QString();
        for (const char* name : {"", ".saving", ".saving.lock"})
            QTest::addRow("a folder named as the saved game%s", name)
                << QStringLiteral("folder") << QString::fromLatin1(name);
    }
    void aSaveGoesThroughOrNamesWhatIsInTheWay() {
        QFETCH(QString, setup);
        QFETCH(QString, inTheWay);
        QTemporaryDir dir;
        storeIn(dir.path());
        const QString file = savedGame().fileName();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QByteArray tmp = qgetenv("TMPDIR");
        if (setup == QLatin1String("no temporary folder"))
            qputenv("TMPDIR", dir.filePath(QStringLiteral("gone")).toUtf8());
        if (setup == QLatin1String("link"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("synced.conf")), file));
        if (setup == QLatin1String("folder")) QVERIFY(QDir().mkdir(file + inTheWay));
        GameState st;
        st.newGame(QStringLiteral("道の国"));
        const QString failure = saveGame(st, *std::make_unique<FileStore>(file));
        qputenv("TMPDIR", tmp);
        if (setup == QLatin1String("folder")) {
            QVERIFY2(failure.contains(file + inTheWay + QStringLiteral(" はファイルではなく")),
                     qPrintable(failure));
            return;
        }
        QCOMPARE(failure, QString());
        QCOMPARE(QFileInfo(file).isSymLink(), setup == QLatin1String("link"));
        QCOMPARE(savedGame().value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("道の国"));
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
        QTest::addColumn<bool>("shopping");
        QTest::newRow("a folder the game can write") << true << false;
        QTest::newRow("a folder it cannot write") << false << false;
        QTest::newRow("in the shop, left as by 帰る") << true << true;
    }
    void termSavesTheMainScreenThenEnds() {
        QFETCH(bool, writable);
        QFETCH(bool, shopping);
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
        if (shopping)  // a visit whose purchases spent part of the budget
            app.dispatch([&] {
                app.game().find<Form2>()->N2_Click();
                app.game().st.country[0].gold /= 2;
            });
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
        QCOMPARE(file.value(QStringLiteral("velmora/gold0")).toInt(),
                 app.game().st.country[0].gold);
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
