// The real windows, offscreen: a new game started through the title's menu.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "country/main_screen.h"

using namespace zentar;

namespace {

// Presses the button with the given text in the next message box that opens.
void answerNextBox(const QString& button) {
    QTimer::singleShot(0, [button] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == button) return b->click();
        answerNextBox(button);  // not open yet: look again on the next turn of the loop
    });
}

QAction* menuAction(QMainWindow* w, const QString& text) {
    for (QAction* top : w->menuBar()->actions()) {
        if (top->text() == text) return top;
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text() == text) return a;
    }
    return nullptr;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void newGameThroughTheTitleMenu() {
        Application app;
        app.start();
        auto* title = qobject_cast<QMainWindow*>(app.window(ScreenId::Title));
        QVERIFY(title);
        QVERIFY(title->isVisible());
        QCOMPARE(title->windowTitle(), QStringLiteral("ゼンタル"));
        QCOMPARE(title->centralWidget()->size(), QSize(450, 338));
        auto* name = title->findChild<QLineEdit*>();
        QTest::keyClicks(name, QStringLiteral("Zentar"));
        name->insert(QStringLiteral("ゼンタル大帝国の民よ"));  // would pass 20 bytes: refused
        QCOMPARE(name->text(), QStringLiteral("Zentar"));
        QAction* n1 = menuAction(title, QStringLiteral("はじめから"));
        QVERIFY(n1);
        QCOMPARE(n1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
        answerNextBox(QStringLiteral("はい"));
        n1->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!app.game().loaded(ScreenId::Title));
        QTRY_VERIFY(app.window(ScreenId::Title) == nullptr);
        auto* main = qobject_cast<QMainWindow*>(app.window(ScreenId::Main));
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->centralWidget()->size(), QSize(415, 233));
        QCOMPARE(app.game().st.country[0].name, QStringLiteral("Zentar"));
        auto* status = main->findChild<QPlainTextEdit*>();
        QTRY_VERIFY(status->toPlainText().startsWith(QStringLiteral("国名－－Zentar国\n兵士11人")));
        QVERIFY(menuAction(main, QStringLiteral("育成中断")));
        QCOMPARE(menuAction(main, QStringLiteral("決戦"))->shortcut(), QKeySequence(Qt::Key_F3));
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
