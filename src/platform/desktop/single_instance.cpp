#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace zentar {
namespace {

const QByteArray kRequest = QByteArrayLiteral("raise\n");
const QByteArray kCheck = QByteArrayLiteral("running?\n");  // from a start that shows nothing
const QByteArray kRaised = QByteArrayLiteral("raised\n");
const QByteArray kNoWindow = QByteArrayLiteral("no window\n");  // between two screens, say
const QByteArray kRunning = QByteArrayLiteral("running\n");
constexpr int kLongestLine = 16;
constexpr int kAnswerMs = 2000;    // how long a later start waits for the running game's reply
constexpr int kPatienceMs = 5000;  // a game that is just starting or ending gets this long
constexpr int kRetryMs = 100;
constexpr int kMakingMs = 1000;  // a lock younger than this may be one a game is writing

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFolder)
    : folder_(settingsFolder), lock_(lockFileName(settingsFolder)) {
    // A game may run for days: only a lock whose game is gone is stale, never an old one.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& settingsFolder) {
    QString folder = QFileInfo(settingsFolder).canonicalFilePath();
    if (folder.isEmpty()) folder = QFileInfo(settingsFolder).absoluteFilePath();
    const QByteArray key =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return localSocketName(QStringLiteral("zentar-") + QString::fromLatin1(key));
}

QString SingleInstance::lockFileName(const QString& settingsFolder) {
    return settingsFolder + QStringLiteral("/zentar.lock");
}

bool SingleInstance::claim(bool raise) {
    request_ = raise ? kRequest : kCheck;
    QDir().mkpath(folder_);
    name_ = serverName(folder_);  // once the folder exists, so its real path counts
    const QDeadlineTimer patience(kPatienceMs);
    do {
        // Whatever the state of the folder, a game that answers is the one that plays.
        const Reply reply = askRunningGame();
        if (reply == Reply::Answered) return false;
        // A game that holds its socket but does not answer may be ending and saving, or
        // stopped: whatever became of its lock, no second copy starts beside it.
        if (reply == Reply::Nobody) {
            if (lock_.tryLock(0)) {
                listen();
                return true;
            }
            const bool made = lock_.error() == QLockFile::LockFailedError;  // there is a lock
            if (made && removeStaleLock()) continue;
            // No game listens, so none runs: a lock that cannot be made or taken over
            // guards nothing, and the socket alone keeps later starts from a second game.
            if (!made || forgotten()) {
                problem_ = made ? lockProblem() : folderProblem();
                listen();
                return true;
            }
            // A game holds its lock naming itself: a lock held by another program is not
            // the game's, and guards nothing either.
            if (heldByAnotherProgram()) {
                problem_ = otherProgramProblem();
                listen();
                return true;
            }
        }
        QThread::msleep(kRetryMs);  // the holder is starting up, or ending and saving
    } while (!patience.hasExpired());
    // A live game holds its socket or its lock but does not answer: still no second copy.
    qWarning("zentar: the game already running does not answer (%s)",
             qPrintable(lockFileName(folder_)));
    unanswered_ = true;
    return false;
}

// A running game keeps its lock open, and an open lock cannot be removed: so a lock that
// can be removed names no running game, whatever it holds: nothing (a power cut while it
// was made), garbage, or the number of a process that is not the game. A folder in its
// place is no game's either, nor a lock that no program holds open, whatever it is: a
// link to nowhere, a file nobody may read or write.
bool SingleInstance::removeStaleLock() {
    if (makingNow()) return false;
    const QString name = lockFileName(folder_);
    if (QFileInfo(name).isDir()) return QDir().rmdir(name);
    if (lock_.removeStaleLockFile()) return true;
    if (lockHeld(name)) return false;
    QFile file(name);
    if (file.remove()) return true;
    // Windows keeps a read-only file from being removed until it may be written.
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) && file.remove();
}

bool SingleInstance::heldByAnotherProgram() {
    const QString name = lockFileName(folder_);
    qint64 pid = 0;
    return !makingNow() && lockHeld(name) &&
           !(lock_.getLockInfo(&pid, nullptr, nullptr) && processRunning(pid));
}

// A lock file that does not say whose it is yet may be one a game is writing this moment.
bool SingleInstance::makingNow() {
    const QFileInfo file(lockFileName(folder_));
    return file.isFile() && !lock_.getLockInfo(nullptr, nullptr, nullptr) &&
           qAbs(file.lastModified().msecsTo(QDateTime::currentDateTime())) < kMakingMs;
}

// A lock that stays although no game answers, no program holds it and none is making it.
bool SingleInstance::forgotten() {
    return !makingNow() && !lockHeld(lockFileName(folder_));
}

QString SingleInstance::folderProblem() const {
    return QStringLiteral(
               "セーブデータのフォルダーに書き込めません。\n%1\n"
               "このまま遊べますが、セーブには失敗するかもしれません。")
        .arg(QDir::toNativeSeparators(folder_));
}

QString SingleInstance::lockProblem() const {
    const QString name = lockFileName(folder_);
    const QFileInfo file(name);
    const QString why = file.isDir() ? QStringLiteral("中身のあるフォルダーです。")
                        : !QFileInfo(folder_).isWritable()
                            ? QStringLiteral("入っているフォルダーに書き込めません。")
                            : QStringLiteral("消そうとしましたが、消せませんでした。");
    return QStringLiteral(
               "ほかのゼンタルは動いていませんが、次のロックファイルを消せません。\n"
               "%1\n%2\nこのまま遊べます。")
        .arg(QDir::toNativeSeparators(name), why);
}

QString SingleInstance::otherProgramProblem() const {
    return QStringLiteral(
               "ゼンタルではないプログラムが、\n次のロックファイルを開いたままにしています。\n"
               "%1\nほかのゼンタルは動いていません。このまま遊べます。")
        .arg(QDir::toNativeSeparators(lockFileName(folder_)));
}

SingleInstance::Reply SingleInstance::askRunningGame() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerMs)) {
        const auto error = socket.error();
        return error == QLocalSocket::ServerNotFoundError ||
                       error == QLocalSocket::ConnectionRefusedError
                   ? Reply::Nobody
                   : Reply::Silent;
    }
    socket.write(request_);
    if (!socket.waitForBytesWritten(kAnswerMs)) return Reply::Silent;
    QByteArray reply;
    while (!reply.endsWith('\n') && reply.size() < kLongestLine &&
           socket.waitForReadyRead(kAnswerMs))
        reply += socket.readLine(kLongestLine - reply.size());
    raised_ = reply == kRaised;
    return raised_ || reply == kNoWindow || reply == kRunning ? Reply::Answered : Reply::Silent;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // With an access option Qt binds in a private folder and moves the socket into place,
    // over one that a game that crashed left behind.
    connect(server_, &QLocalServer::newConnection, this, [this] { accept(); });
    if (!server_->listen(name_))
        qWarning("zentar: cannot listen on %s: %s", qPrintable(name_),
                 qPrintable(server_->errorString()));
}

void SingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
    }
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= kLongestLine) socket->abort();  // not a game asking
        return;
    }
    const QByteArray request = socket->readLine(kLongestLine);
    if (request != kRequest && request != kCheck) {
        socket->abort();
        return;
    }
    if (request == kCheck)
        socket->write(kRunning);
    else
        socket->write(onRaise && onRaise() ? kRaised : kNoWindow);
    socket->flush();
    socket->disconnectFromServer();
}

}  // namespace zentar
