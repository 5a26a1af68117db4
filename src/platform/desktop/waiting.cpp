// Waiting on Linux and Windows: a nested event loop.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <algorithm>

#include "platform/waiting.h"

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

}  // namespace zentar
