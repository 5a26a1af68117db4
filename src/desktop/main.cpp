// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include "desktop/application.h"
#include "desktop/qt_services.h"
#include "desktop/single_instance.h"
#include "desktop/strike_sound.h"
#include "desktop/termination.h"

// A game that holds the lock but never answers may be stuck, or its lock may be one the
// player has to remove: the player learns where it is.
static void tellNoAnswer(const QString& lock) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ゼンタル"),
                    QStringLiteral("ほかのゼンタルが動いているようですが、応答がありません。\n"
                                   "動いていないときは、次のファイルを消してから"
                                   "起動し直してください。\n%1")
                        .arg(QDir::toNativeSeparators(lock)),
                    QMessageBox::Ok);
    box.exec();
}

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setOrganizationName(QLatin1String(zentar::kGameName));
    QApplication::setApplicationName(QLatin1String(zentar::kGameName));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zentar.Zentar"));
    // A second start hands over to the running game and ends: it opens and saves nothing.
    const QString folder = zentar::SingleInstance::settingsFolder();
    zentar::SingleInstance instance(folder);
    if (!instance.claim()) {
        if (instance.unanswered()) tellNoAnswer(zentar::SingleInstance::lockFileName(folder));
        return instance.raised() ? 0 : 1;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    // The services outlive the windows: closing the sound stream pumps the event loop, and
    // by then no game timer may run.
    zentar::QtRandom random;
    zentar::StrikeSound sound;
    zentar::QtClock clock;
    zentar::QtStore store;
    zentar::Application app({random, sound, clock, store});
    zentar::Termination termination(app);
    instance.onRaise = [&app] { return app.raiseActiveWindow(); };
    app.start();
    return QApplication::exec();
}
