// One game at a time for each saved game: the first start holds a lock in the settings
// folder and listens on a local socket; a later start asks it to raise its window and
// ends, so two copies can never save over each other. The desktops share the class; the
// lock test and the socket's place are each desktop's own; the page has a class of its own.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace zentar {

class SingleInstance : public QObject {
  public:
    // Guards the saved game kept in `settingsFolder`.
    explicit SingleInstance(const QString& settingsFolder);
    ~SingleInstance() override;

    // True when this start is the game: it holds the lock now (a lock that no running
    // game holds is taken over, whatever is in it) and answers later starts. False when a
    // running game holds it; that game has then been asked to raise its window, unless
    // `raise` is false (a start that opens no window, only asks).
    bool claim(bool raise = true);
    // After a refused claim: whether the running game brought a window forward, and
    // whether it did not answer at all.
    bool raised() const { return raised_; }
    bool unanswered() const { return unanswered_; }
    // After a claim that plays on without its lock: what is wrong with the folder or the
    // lock, with its path, for the player to read once; "" when nothing is.
    const QString& problem() const { return problem_; }

    // Called in the running game when a later start asks it to come forward; says
    // whether a window came forward.
    std::function<bool()> onRaise;

    // Where the game of `settingsFolder` listens: in the user's own runtime folder, one
    // name for each settings folder.
    static QString serverName(const QString& settingsFolder);
    static QString lockFileName(const QString& settingsFolder);

  private:
    enum class Reply { Answered, Silent, Nobody };  // Silent: connected, but no answer
    Reply askRunningGame();
    bool removeStaleLock();
    bool makingNow();
    bool forgotten();
    bool heldByAnotherProgram();
    QString folderProblem() const;
    QString lockProblem() const;
    QString otherProgramProblem() const;
    void listen();
    void accept();
    void answer(QLocalSocket* socket);

    QString folder_;
    QString name_;
    QByteArray request_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    bool raised_ = false;
    bool unanswered_ = false;
    QString problem_;
};

// Whether a running program holds the lock file at `path` open and locked.
bool lockHeld(const QString& path);

// Whether the process `pid` runs.
bool processRunning(qint64 pid);

// Where a local socket named `name` lives: one of the user's own, never another user's.
QString localSocketName(const QString& name);

}  // namespace zentar
