// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "desktop/application.h"
#include "desktop/event_loop.h"
#include "desktop/qt_services.h"
#include "desktop/single_instance.h"
#include "desktop/strike_sound.h"
#include "desktop/termination.h"

// Tells the player, before any window opens, why this start does not go as usual.
static void tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ゼンタル"), text, QMessageBox::Ok);
    box.exec();
}

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setOrganizationName(QLatin1String(zentar::kGameName));
    QApplication::setApplicationName(QLatin1String(zentar::kGameName));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zentar.Zentar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    // A second start hands over to the running game and ends: it opens and saves nothing.
    const QString folder = zentar::SingleInstance::settingsFolder();
    zentar::SingleInstance instance(folder);
    if (!instance.claim()) {
        // A game that holds its socket or its lock but never answers is stopped or stuck:
        // a second copy would save over it, so the player is asked to end it.
        if (instance.unanswered())
            tell(
                QStringLiteral("ほかのゼンタルが動いていますが、応答がありません。\n"
                               "そのゼンタルを終わらせてから、起動し直してください。"));
        return instance.raised() ? 0 : 1;
    }
    if (!instance.problem().isEmpty()) tell(instance.problem());
    QApplication::setQuitOnLastWindowClosed(false);
    // The services outlive the windows: closing the sound stream pumps the event loop, and
    // by then no game timer may run.
    zentar::QtRandom random;
    zentar::StrikeSound sound;
    zentar::QtClock clock;
    zentar::QtStore store;
    zentar::Application app({random, sound, clock, store});
    zentar::Termination termination(app);
    zentar::routeKeyboard(app);
    instance.onRaise = [&app] { return app.raiseActiveWindow(); };
    app.start();
    return QApplication::exec();
}
