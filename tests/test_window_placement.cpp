// Where the windows open, run once for each scale factor (QT_SCALE_FACTOR) on a
// 1280 × 1024 screen: every window on the screen, the main screen back in its place,
// the item chooser beside the battle without hiding its field or panel, and the help
// window within reach of Escape, read end to end by keys.
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>

#include "battle/battle.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "widgets/widgets.h"
#include "window_support.h"

using namespace zentar;

namespace {

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The battle's field and panel, below the banner, in the screen's coordinates.
QRect battleBelowBanner(QWidget* battle, const Form3& f) {
    const QRect client = battle->geometry();
    return client.adjusted(0, px(f.Image1[0].Top + f.Image1[0].Height), 0, 0);
}

QTextBrowser* openHelp() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<QTextBrowser*>(w); help && help->isVisible()) return help;
    return nullptr;
}

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowOpensOnTheScreen() {
        const QScreen* desk = QGuiApplication::primaryScreen();
        const QSizeF pixels = QSizeF(desk->geometry().size()) * desk->devicePixelRatio();
        QVERIFY(qAbs(pixels.width() - 1280) <= 1 && qAbs(pixels.height() - 1024) <= 1);
        WindowSession s;
        s.app.start();
        QStringList off;
        const auto check = [&](ScreenId id) {
            QWidget* w = s.window(id);
            if (!w || !w->isVisible()) return off << w->windowTitle() + " not shown";
            if (!screenArea().contains(w->frameGeometry())) off << w->windowTitle();
            return off;
        };
        check(ScreenId::Title);
        s.newGameOnMain();
        check(ScreenId::Main);
        s.app.dispatch([&] { s.game().find<Form2>()->N1_Click(); });
        check(ScreenId::Training);
        s.app.dispatch([&] {
            s.game().Unload(ScreenId::Training);
            s.game().SetEnabled(ScreenId::Main, true);
            s.game().find<Form2>()->N2_Click();
        });
        check(ScreenId::Shop);
        s.app.dispatch([&] {
            s.game().Unload(ScreenId::Shop);
            s.game().Show(ScreenId::Ending);
        });
        check(ScreenId::Ending);
        QCOMPARE(off, QStringList{});
    }

    // The main screen opens in the same place from the title and from every trip to
    // the shop, though the title had gone before it opened.
    void mainScreenReturnsToItsPlace() {
        WindowSession s;
        s.app.start();
        s.game().st.newGame({});
        s.app.dispatch([&] {
            s.game().Unload(ScreenId::Title);
            s.game().Show(ScreenId::Main);
        });
        const QRect first = s.window(ScreenId::Main)->frameGeometry();
        for (int trip = 1; trip <= 5; ++trip) {
            s.app.dispatch([&] { s.game().find<Form2>()->N2_Click(); });
            s.app.dispatch([&] { s.game().find<Shop>()->NO_Click(); });
            QVERIFY2(s.window(ScreenId::Main)->frameGeometry() == first,
                     qPrintable(QStringLiteral("trip %1").arg(trip)));
        }
    }

    void itemChooserOpensBesideTheBattle() {
        WindowSession s;
        s.newGameOnMain();
        Form3& paused = s.pausedBattle(1);
        s.app.dispatch([&] { paused.II_Click(); });
        QWidget* battle = s.window(ScreenId::Battle);
        QWidget* chooser = s.window(ScreenId::Chooser);
        QVERIFY(battle->isVisible() && chooser->isVisible());
        const QRect screen = screenArea(), b = battle->frameGeometry(),
                    c = chooser->frameGeometry();
        QVERIFY(screen.contains(b));
        QVERIFY(screen.contains(c));
        QVERIFY(!c.intersects(battleBelowBanner(battle, *s.game().find<Form3>())));
        QVERIFY(c.left() == b.left() || c.top() == b.top());  // lined up with the battle
        if (screen.width() >= b.width() + c.width() + 8) QVERIFY(!c.intersects(b));
    }

    void helpFitsTheScreenAndEscapeClosesIt() {
        WindowSession s;
        s.newGameOnMain();
        answerNextBox(QStringLiteral("OK"));
        s.app.dispatch([&] { s.game().find<Form2>()->Z1_Click(); });
        QTextBrowser* help = nullptr;
        QTRY_VERIFY((help = openHelp()));
        QVERIFY(screenArea().contains(help->frameGeometry()));
        QVERIFY(QTest::qWaitForWindowActive(help));
        QVERIFY(help->toPlainText().contains(QStringLiteral("ゼンタル")));
        // Ctrl+End and Ctrl+Home take the manual to its end and back to its head.
        const QScrollBar* lines = help->verticalScrollBar();
        QTest::keyClick(help, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(lines->value(), lines->maximum());
        QTest::keyClick(help, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(lines->value(), lines->minimum());
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!openHelp());
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "test_window_placement.moc"
