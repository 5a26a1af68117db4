// Waiting in the browser: the page gets its turn only while the game sleeps (asyncify
// suspends the program in emscripten_sleep), so a box is opened, not run, and every wait
// sleeps.
#include <emscripten.h>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>

#include "platform/waiting.h"

namespace zentar {
namespace {

constexpr int kFrameMs = 16;  // one frame of the page

}  // namespace

void waitForAnswer(QMessageBox& box) {
    bool answered = false;
    QObject::connect(&box, &QDialog::finished, &box, [&answered] { answered = true; });
    const QPointer<QWidget> owner = QApplication::activeWindow();
    box.open();
    while (!answered) emscripten_sleep(kFrameMs);
    // The window the player was in takes the keyboard back, as a desktop gives it back.
    if (owner && owner->isVisible()) owner->activateWindow();
}

void pauseFor(int milliseconds) {
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const int left = milliseconds - static_cast<int>(t.elapsed());
        emscripten_sleep(static_cast<unsigned>(std::clamp(left, 1, kFrameMs)));
    } while (t.elapsed() < milliseconds);
}

}  // namespace zentar
