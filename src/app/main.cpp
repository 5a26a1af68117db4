// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "app/application.h"
#include "app/command_line.h"
#include "app/qt_services.h"
#include "app/termination.h"
#include "platform/keyboard.h"
#include "platform/save_transfer.h"
#include "platform/saved_game_store.h"
#include "platform/single_instance.h"
#include "platform/sound.h"

// Tells the player, before any window opens, why this start does not go as usual.
static void tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ゼンタル"), text, QMessageBox::Ok);
    box.exec();
}

int main(int argc, char** argv) {
    if (const std::optional<int> status = zentar::runCommand(argc, argv)) return *status;
    QApplication qt(argc, argv);
    QApplication::setOrganizationName(QLatin1String(zentar::kGameName));
    QApplication::setApplicationName(QLatin1String(zentar::kGameName));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zentar.Zentar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    // A second start hands over to the running game and ends: it opens and saves nothing.
    zentar::SingleInstance instance(zentar::settingsFolder());
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
    const std::unique_ptr<zentar::Sound> sound = zentar::makeGameSound();
    zentar::QtClock clock;
    zentar::QtTimerClock timerClock;
    const std::unique_ptr<zentar::Store> store = zentar::openSavedGame();
    zentar::Application app({random, *sound, clock, timerClock, *store});
    zentar::Termination termination(app);
    zentar::routeKeyboard(&app, [&app] { return app.raiseActiveWindow(); });
    instance.onRaise = [&app] { return app.raiseActiveWindow(); };
    zentar::offerSaveTransfer([&app] {
        const zentar::Game& game = app.game();
        return game.ended() ||
               (game.visible(zentar::ScreenId::Title) && game.enabled(zentar::ScreenId::Title));
    });
    app.start();
    return QApplication::exec();
}
