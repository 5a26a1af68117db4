#include "desktop/termination.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

#include "desktop/application.h"

namespace zentar {
namespace {

int signalPipe[2] = {-1, -1};

// Only writes a byte: the game itself is reached from the event loop, not from here.
void onTerm(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

Termination::Termination(Application& app) : app_(app), notifier_(nullptr) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { onSignal(); });
        struct sigaction action {};
        action.sa_handler = onTerm;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
    }
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { app_.terminate(); });
}

Termination::~Termination() {
    signal(SIGTERM, SIG_DFL);
    for (int& fd : signalPipe)
        if (fd >= 0) ::close(fd), fd = -1;
}

void Termination::onSignal() {
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
    app_.terminate();
}

}  // namespace zentar
