// The end of a run on Linux. Asked from outside by SIGTERM: the handler only writes a
// byte to a socket pair, and the event loop reads it.
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "platform/run.h"

namespace zentar {
namespace {

int signalPipe[2] = {-1, -1};

// Only writes a byte: the game itself is reached from the event loop, not from here.
void onTerm(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

// Owns the pipe and the handler while it lives; SIGTERM ends the process again after.
class TermWatcher : public QObject {
  public:
    TermWatcher(QObject* owner, std::function<void()> onEnd) : QObject(owner) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
        auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [onEnd = std::move(onEnd)] {
            char byte = 0;
            [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
            onEnd();
        });
        struct sigaction action {};
        action.sa_handler = onTerm;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
    }

    ~TermWatcher() override {
        signal(SIGTERM, SIG_DFL);
        for (int& fd : signalPipe)
            if (fd >= 0) ::close(fd), fd = -1;
    }
};

}  // namespace

void useStartingConsole() {}

void watchEndSignal(QObject* owner, std::function<void()> onEnd) {
    new TermWatcher(owner, std::move(onEnd));
}

void endRun(int status) {
    QCoreApplication::exit(status);
}

}  // namespace zentar
