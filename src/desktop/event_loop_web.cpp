// The browser: the page gets its turn only while the game sleeps (asyncify suspends the
// program in emscripten_sleep), so a box is opened, not run, and every wait sleeps.
#include <emscripten.h>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>

#include "desktop/event_loop.h"

namespace zentar {
namespace {

constexpr int kFrameMs = 16;  // one frame of the page

// The page no longer shows a game: it says that the game has ended and offers a new one,
// and another tab may play now.
// clang-format off
EM_JS(void, showEnded, (), {
    if (Module.zentarReleaseTab) Module.zentarReleaseTab();
    if (window.zentarShowEnd) zentarShowEnd("ゼンタルを終了しました。", true);
});
// clang-format on

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

void endRun(int status) {
    QCoreApplication::exit(status);
    showEnded();
}

}  // namespace zentar
