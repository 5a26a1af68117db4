// ゼンタル: raise an army, then take revenge on thirteen rival countries.
#include <QApplication>
#include <QIcon>

#include "app/application.h"
#include "app/termination.h"
#include "platform/widgets.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentar"));
    QApplication::setDesktopFileName(QStringLiteral("zentar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zentar-256.png")));
    QApplication::setFont(zentar::gameFont(12));
    QApplication::setQuitOnLastWindowClosed(false);
    qt.setStyleSheet(
        QStringLiteral("QComboBox { combobox-popup: 0; }"));  // lists drop down and scroll
    zentar::Application app;
    zentar::Termination termination(app);
    app.start();
    return QApplication::exec();
}
