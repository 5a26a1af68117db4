// Linux and Windows: a nested event loop.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <algorithm>

#include "desktop/event_loop.h"

namespace zentar {

void waitForAnswer(QMessageBox& box) {
    box.exec();
}

void pauseFor(int milliseconds) {
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents,
                                        std::max(1, milliseconds - int(t.elapsed())));
        if (milliseconds > 0 && t.elapsed() < milliseconds) QThread::msleep(1);
    } while (t.elapsed() < milliseconds);
}

void routeKeyboard(Application&) {}  // the window system routes it

void endRun(int status) {
    QCoreApplication::exit(status);
}

}  // namespace zentar
