// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QIcon>

#include "app/application.h"
#include "app/single_instance.h"
#include "app/termination.h"
#include "platform/qt_platform.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setOrganizationName(QLatin1String(zentar::kGameName));
    QApplication::setApplicationName(QLatin1String(zentar::kGameName));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zentar.Zentar"));
    // A second start hands over to the running game and ends: it opens and saves nothing.
    zentar::SingleInstance instance(zentar::SingleInstance::settingsFolder());
    if (!instance.claim()) return instance.raised() ? 0 : 1;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    zentar::Application app;
    zentar::Termination termination(app);
    instance.onRaise = [&app] { return app.raiseActiveWindow(); };
    app.start();
    return QApplication::exec();
}
