// One game at a time: a second start of the real game hands over to the running game and
// ends, a lock left by a killed game is taken over, and the running game comes forward.
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/file_store.h"
#include "platform/single_instance.h"
#include "state/saved_game.h"
#include "window_support.h"

using namespace zentar;

namespace {

constexpr int kEndMs = 15000;     // a game under the sanitizers starts and ends slowly
constexpr int kRunningMs = 2000;  // a start still running after this has opened the game

QString folderOf(const QString& config) {
    return config + QStringLiteral("/zentar");
}

// The game started as the player starts it, its settings under `config`; with `arguments`,
// a command of the game, which needs no display.
std::unique_ptr<QProcess> startGame(
    const QString& config, QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels,
    const QStringList& arguments = {}) {
    auto game = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    if (arguments.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-display"));
    game->setProcessEnvironment(env);
    game->setProcessChannelMode(channels);
    game->start(QStringLiteral(ZENTAR_GAME), arguments);
    game->waitForStarted();
    return game;
}

// Waits, with the event loop running, for the game to end by itself.
bool endsByItself(QProcess& game) {
    if (game.state() == QProcess::NotRunning) return true;
    QSignalSpy finished(&game, &QProcess::finished);
    return finished.wait(kEndMs);
}

// Whether the game is still running after a while: it opened its title screen.
bool keepsRunning(QProcess& game) {
    QTest::qWait(kRunningMs);
    return game.state() == QProcess::Running;
}

// Ends the game as the desktop does at log-out; at the title it saves nothing.
bool endGame(QProcess& game) {
    game.terminate();
    return endsByItself(game) && game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0;
}

// The game that holds the lock and listens, once it does.
bool waitUntilListening(const QString& config) {
    const QString server = SingleInstance::serverName(folderOf(config));
    return QTest::qWaitFor([&] { return QFile::exists(server); }, kEndMs);
}

qint64 lockHolder(const QString& config) {
    QLockFile lock(SingleInstance::lockFileName(folderOf(config)));
    qint64 pid = 0;
    return lock.getLockInfo(&pid, nullptr, nullptr) ? pid : 0;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The saved file of a new game of the country `name`, as Linux keeps it, at `path`.
QByteArray savedFile(const QString& path, const QString& name) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    GameState st;
    st.newGame(name);
    FileStore file(path);
    return saveGame(st, file).isEmpty() ? fileBytes(path) : QByteArray();
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartEndsAndLeavesTheStoreUntouched() {
        QTemporaryDir config;
        const QString store = folderOf(config.path()) + QStringLiteral("/zentar.conf");
        {
            QSettings saved(store, QSettings::IniFormat);
            saved.setValue(QStringLiteral("velmora/name0"), QStringLiteral("先に遊んでいる国"));
            saved.setValue(QStringLiteral("velmora/kosuu1"), QStringLiteral("10"));
        }
        const QByteArray before = fileBytes(store);
        QVERIFY(!before.isEmpty());

        auto first = startGame(config.path());
        QVERIFY(waitUntilListening(config.path()));
        auto second = startGame(config.path());
        // A start that opened its title screen would wait for the player, never end.
        QVERIFY(endsByItself(*second));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);  // the first game brought its title forward
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(lockHolder(config.path()), first->processId());
        QCOMPARE(fileBytes(store), before);

        QVERIFY(endGame(*first));
        QVERIFY(!QFile::exists(SingleInstance::lockFileName(folderOf(config.path()))));
        QCOMPARE(fileBytes(store), before);
    }

    // A lock that names no running game is stale whatever it holds, however it came there.
    void aLockOfNoRunningGameIsTakenOver_data() {
        QTest::addColumn<QString>("left");
        for (const char* left : {"a killed game", "nothing", "garbage", "a folder",
                                 "another program's number", "a link to nowhere"})
            QTest::newRow(left) << QString::fromLatin1(left);
    }
    void aLockOfNoRunningGameIsTakenOver() {
        QFETCH(QString, left);
        QTemporaryDir config;
        const QString lock = SingleInstance::lockFileName(folderOf(config.path()));
        QDir().mkpath(folderOf(config.path()));
        if (left == QLatin1String("a killed game")) {
            auto killed = startGame(config.path());
            QVERIFY(waitUntilListening(config.path()));
            const qint64 killedPid = killed->processId();
            killed->kill();  // SIGKILL: the lock and the socket stay behind
            QVERIFY(endsByItself(*killed));
            QCOMPARE(lockHolder(config.path()), killedPid);
        } else if (left == QLatin1String("a folder")) {
            QVERIFY(QDir().mkdir(lock));
        } else if (left == QLatin1String("a link to nowhere")) {
            QVERIFY(QFile::link(config.filePath(QStringLiteral("gone")), lock));
        } else {
            // This test is a live process, and not the game.
            const QByteArray named =
                QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
                QSysInfo::machineHostName().toUtf8() + '\n';
            const QByteArray bytes = left == QLatin1String("nothing")   ? QByteArray()
                                     : left == QLatin1String("garbage") ? QByteArray("\x01\xff?")
                                                                        : named;
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }

        auto next = startGame(config.path());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(config.path()), next->processId(), kEndMs);
        QVERIFY(keepsRunning(*next));
        auto third = startGame(config.path());  // the new game answers in its place
        QVERIFY(endsByItself(*third));
        QCOMPARE(third->exitCode(), 0);
        QVERIFY(endGame(*next));
    }

    // A lock left behind that names this very process comes from an earlier run whose
    // process id this one was given again (Wine gives a session's first program the same
    // one each time): nobody holds it, and it is taken over at once.
    void leftLockNamingThisProcessIsTakenOver() {
        QTemporaryDir config;
        const QString folder = folderOf(config.path());
        QVERIFY(QDir().mkpath(folder));
        {
            QLockFile earlier(config.filePath(QStringLiteral("earlier.lock")));
            QVERIFY(earlier.tryLock(0));
            QVERIFY(QFile::copy(earlier.fileName(), SingleInstance::lockFileName(folder)));
        }
        SingleInstance game(folder);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(game.claim());
        QVERIFY(clock.elapsed() < kRunningMs);
        QCOMPARE(lockHolder(config.path()), QCoreApplication::applicationPid());
    }

    // No game answers, and the lock cannot be made or taken over: the game plays on at
    // once, and names the path it cannot mend.
    void aLockNobodyCanRemoveIsNamed_data() {
        QTest::addColumn<QString>("left");
        for (const char* left : {"a folder with things in it", "a file", "held by another program"})
            QTest::newRow(left) << QString::fromLatin1(left);
    }
    void aLockNobodyCanRemoveIsNamed() {
        QFETCH(QString, left);
        QTemporaryDir config;
        const QString folder = folderOf(config.path());
        const QString lock = SingleInstance::lockFileName(folder);
        const QString named = left == QLatin1String("a file") ? folder : lock;
        QProcess holder;                        // a program that is not the game
        if (left == QLatin1String("a file")) {  // the settings folder itself
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (left == QLatin1String("held by another program")) {
            QVERIFY(QDir().mkpath(folder));
            holder.start(QStringLiteral("flock"),
                         {lock, QStringLiteral("sleep"), QStringLiteral("60")});
            QTRY_VERIFY(lockHeld(lock));
        } else {
            QVERIFY(QDir().mkpath(lock + QStringLiteral("/inside")));
        }
        SingleInstance game(folder);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(game.claim());
        QVERIFY(clock.elapsed() < kRunningMs);
        QVERIFY(game.problem().contains(QDir::toNativeSeparators(named) + QLatin1Char('\n')));
        auto second = startGame(config.path());  // the socket alone keeps one game
        QVERIFY(endsByItself(*second));
        QCOMPARE(second->exitCode(), 1);  // this game has no window to raise
    }

    // The save carried out to a file and in from one by the game's commands: whole or not
    // at all, never while a game runs, and with no display.
    void theSaveIsCarriedWhole_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fault");  // what is wrong with the file read in
        QTest::addColumn<int>("status");
        const QString out = QStringLiteral("--export-save"), in = QStringLiteral("--import-save");
        QTest::newRow("written out") << out << QString() << 0;
        QTest::newRow("read in") << in << QString() << 0;
        for (const char* fault : {"cut short", "damaged", "short of values", "missing"})
            QTest::newRow(fault) << in << QString::fromLatin1(fault) << 1;
        QTest::newRow("read in while a game runs") << in << QStringLiteral("running") << 1;
        QTest::newRow("written out while a game runs") << out << QStringLiteral("running") << 1;
    }
    void theSaveIsCarriedWhole() {
        QFETCH(QString, command);
        QFETCH(QString, fault);
        QFETCH(int, status);
        QTemporaryDir config;
        const QString saved = folderOf(config.path()) + QStringLiteral("/zentar.conf");
        const QString carried = config.filePath(QStringLiteral("carried.ini"));
        const QByteArray before = savedFile(saved, QStringLiteral("この国"));
        QByteArray other = savedFile(carried, QStringLiteral("運ばれた国"));
        if (fault == QLatin1String("cut short")) other.chop(5);
        if (fault == QLatin1String("damaged")) other.replace("運ばれた国", "\xff\xfe");
        if (fault == QLatin1String("short of values")) other = "[velmora]\nday=3\n";
        if (fault == QLatin1String("missing"))
            QFile::remove(carried);
        else if (command == QLatin1String("--import-save")) {
            QFile file(carried);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(other);
        }
        std::unique_ptr<QProcess> running;
        if (fault == QLatin1String("running")) {
            running = startGame(config.path());
            QVERIFY(waitUntilListening(config.path()));
        }
        auto carry = startGame(config.path(), QProcess::ForwardedChannels, {command, carried});
        QVERIFY(endsByItself(*carry));
        QCOMPARE(carry->exitCode(), status);
        const bool out = command == QLatin1String("--export-save");
        QCOMPARE(fileBytes(saved), status == 0 && !out ? other : before);
        if (out) QCOMPARE(fileBytes(carried), status == 0 ? before : other);
        if (running) QVERIFY(endGame(*running));
    }

    // A game that is stuck holds its lock but cannot answer: the later start gives up
    // after a while, tells where the lock is, and still opens no second game.
    void secondStartEndsWhenTheRunningGameDoesNotAnswer_data() {
        QTest::addColumn<QString>("removed");  // as a player might, to get going again
        for (const char* removed : {"nothing", "its lock", "its socket"})
            QTest::newRow(removed) << QString::fromLatin1(removed);
    }
    void secondStartEndsWhenTheRunningGameDoesNotAnswer() {
        QFETCH(QString, removed);
        QTemporaryDir config;
        const QString folder = folderOf(config.path());
        SingleInstance stuck(folder);
        QVERIFY(stuck.claim());
        const bool lockDeleted = removed == QLatin1String("its lock");
        if (lockDeleted) QVERIFY(QFile::remove(SingleInstance::lockFileName(folder)));
        if (removed == QLatin1String("its socket"))
            QVERIFY(QFile::remove(SingleInstance::serverName(folder)));
        auto start = startGame(config.path(), QProcess::SeparateChannels);
        start->setReadChannel(QProcess::StandardError);
        const QByteArray lock = SingleInstance::lockFileName(folderOf(config.path())).toUtf8();
        QByteArray said;  // no event loop here: nobody answers
        const QDeadlineTimer deadline(kEndMs);
        while (!said.contains(lock) && !deadline.hasExpired())
            if (start->waitForReadyRead(100)) said += start->readAll();
        QVERIFY(said.contains(lock));
        QVERIFY(!start->waitForFinished(kRunningMs));  // the player reads the box
        QCOMPARE(lockHolder(config.path()), lockDeleted ? 0 : QCoreApplication::applicationPid());
        start->kill();
        QVERIFY(start->waitForFinished(kEndMs));
    }

    void runningGameIsAskedToRaiseItsWindow_data() {
        QTest::addColumn<bool>("sameFolder");
        QTest::addColumn<int>("lockAgeHours");
        QTest::addColumn<bool>("handsOver");
        QTest::newRow("same settings folder") << true << 0 << true;
        QTest::newRow("a game running for hours") << true << 5 << true;
        QTest::newRow("another settings folder") << false << 0 << false;
    }

    void runningGameIsAskedToRaiseItsWindow() {
        QFETCH(bool, sameFolder);
        QFETCH(int, lockAgeHours);
        QFETCH(bool, handsOver);
        QTemporaryDir running;
        QTemporaryDir other;
        SingleInstance game(folderOf(running.path()));
        int raised = 0;
        game.onRaise = [&raised] {
            ++raised;
            return true;
        };
        QVERIFY(game.claim());
        if (lockAgeHours > 0) {
            QFile lock(SingleInstance::lockFileName(folderOf(running.path())));
            QVERIFY(lock.open(QIODevice::Append));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * lockAgeHours),
                                     QFileDevice::FileModificationTime));
        }

        auto start = startGame(sameFolder ? running.path() : other.path());
        if (handsOver) {
            QVERIFY(endsByItself(*start));
            QCOMPARE(start->exitCode(), 0);
            QCOMPARE(raised, 1);
        } else {
            QVERIFY(keepsRunning(*start));
            QCOMPARE(raised, 0);
            QVERIFY(endGame(*start));
        }
        QCOMPARE(lockHolder(running.path()), QCoreApplication::applicationPid());
    }

    void answersOnlyARaiseRequest_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<int>("raised");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("a later start")
            << QByteArray("raise\n") << true << 1 << QByteArray("raised\n");
        QTest::newRow("a later start, no window open")
            << QByteArray("raise\n") << false << 1 << QByteArray("no window\n");
        QTest::newRow("another line") << QByteArray("raise me\n") << true << 0 << QByteArray();
        QTest::newRow("a line without end") << QByteArray(40, 'r') << true << 0 << QByteArray();
    }

    void answersOnlyARaiseRequest() {
        QFETCH(QByteArray, request);
        QFETCH(bool, windowOpen);
        QFETCH(int, raised);
        QFETCH(QByteArray, reply);
        QTemporaryDir config;
        SingleInstance game(folderOf(config.path()));
        int asked = 0;
        game.onRaise = [&asked, windowOpen] {
            ++asked;
            return windowOpen;
        };
        QVERIFY(game.claim());
        QLocalSocket client;
        client.connectToServer(SingleInstance::serverName(folderOf(config.path())));
        QVERIFY(client.waitForConnected(kEndMs));
        client.write(request);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, kEndMs);
        QCOMPARE(client.readAll(), reply);
        QCOMPARE(asked, raised);
    }

    void raisesNothingWhenNoWindowIsOpen() {
        FakeServices fakes;
        Application app(fakes.services());
        QVERIFY(!app.raiseActiveWindow());
    }

    void raisesTheWindowThePlayerWasUsing_data() {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("withBox");
        QTest::addColumn<bool>("training");
        QTest::newRow("title behind another window") << false << false << false;
        QTest::newRow("title minimised") << true << false << false;
        QTest::newRow("question box over the minimised title") << true << true << false;
        // Windows keeps the minimised main screen active, greyed out by its dialog.
        QTest::newRow("training over the minimised main screen") << true << false << true;
    }

    void raisesTheWindowThePlayerWasUsing() {
        QFETCH(bool, minimised);
        QFETCH(bool, withBox);
        QFETCH(bool, training);
        FakeServices fakes;
        Application app(fakes.services());
        app.start();
        if (training) {
            app.game().st.newGame({});
            app.dispatch([&app] {
                app.game().Unload(ScreenId::Title);
                app.game().Show(ScreenId::Main);
            });
            app.dispatch([&app] { app.game().find<Form2>()->N1_Click(); });
        }
        QWidget* screen = app.window(training ? ScreenId::Main : ScreenId::Title);
        QVERIFY(screen && screen->isVisible());
        // A question owned by the screen, as the game asks. It blocks only the screen here,
        // so that another window can take the focus away from it.
        QMessageBox box(QMessageBox::Question, QStringLiteral("ゼンタル"),
                        QStringLiteral("よろしいですか？"), QMessageBox::Yes | QMessageBox::No,
                        screen);
        if (withBox) {
            box.setWindowModality(Qt::WindowModal);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
        }
        // The player turns to another program: a window takes the focus, then goes.
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        elsewhere.hide();
        QTRY_COMPARE(QApplication::activeWindow(), nullptr);
        if (minimised) screen->showMinimized();
        QTRY_VERIFY(screen->isMinimized() == minimised);
        if (training) QApplication::setActiveWindow(screen);

        QVERIFY(app.raiseActiveWindow());
        QWidget* expected = withBox    ? static_cast<QWidget*>(&box)
                            : training ? app.window(ScreenId::Training)
                                       : screen;
        QTRY_COMPARE(QApplication::activeWindow(), expected);
        QVERIFY(!screen->isMinimized());
        QVERIFY(screen->isVisible());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
