// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QIcon>

#include "app/application.h"
#include "app/termination.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentar"));
    QApplication::setDesktopFileName(QStringLiteral("zentar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    zentar::Application app;
    zentar::Termination termination(app);
    app.start();
    return QApplication::exec();
}
