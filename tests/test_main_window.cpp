// The main screen's window as the player meets it: keys by the key pressed, the focus
// order of the status text and the two scroll bars, the marks of the focus and of the menu
// the keyboard selects in the menu bar, the trough, and the pause question.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "country/main_screen.h"
#include "window_support.h"

using namespace zentar;

namespace {

struct MainWindow : WindowSession {
    QWidget* main = newGameOnMain();
    QPlainTextEdit* st = control<QPlainTextEdit>(ScreenId::Main, "ST");
    QScrollBar* kkaze = control<QScrollBar>(ScreenId::Main, "KKAze");
    QScrollBar* msp = control<QScrollBar>(ScreenId::Main, "MSP");
    int shown() { return game().find<Form2>()->hyouji; }
    QWidget* focus() { return main->focusWidget(); }
};

// A point in the trough of a scroll bar, between the slider and the right arrow.
QPoint troughRight(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddPage, bar)
        .center();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Every sign, letter and digit steps the country, as any key but an arrow does:
    // none of them arrives as an arrow key.
    void everyPrintableCharacterShowsTheNextCountry() {
        MainWindow w;
        for (char c = '!'; c <= '~'; ++c) {
            const int before = w.shown();
            QTest::keyClick(w.st, c);
            QVERIFY2(w.shown() == (before + 1) % 13, qPrintable(QStringLiteral("key %1").arg(c)));
        }
    }

    void keysOnTheStatusText_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("steps");
        const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("left") << int(Qt::Key_Left) << none << false;
        QTest::newRow("up") << int(Qt::Key_Up) << none << false;
        QTest::newRow("right") << int(Qt::Key_Right) << none << false;
        QTest::newRow("down") << int(Qt::Key_Down) << none << false;
        QTest::newRow("space") << int(Qt::Key_Space) << none << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << true;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << true;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << true;
        QTest::newRow("F5") << int(Qt::Key_F5) << none << true;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << true;
        QTest::newRow("yen sign") << int(Qt::Key_yen) << none << true;
        QTest::newRow("a with umlaut") << int(Qt::Key_Adiaeresis) << none << true;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
        QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false;
        QTest::newRow("meta alone") << int(Qt::Key_Meta) << int(Qt::MetaModifier) << false;
        QTest::newRow("caps lock") << int(Qt::Key_CapsLock) << none << false;
    }
    void keysOnTheStatusText() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, steps);
        MainWindow w;
        w.game().st.nissu = 3;  // a running order: a game key asks the pause question
        BoxWatcher boxes(QStringLiteral("いいえ"));
        QTest::keyClick(w.st, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.shown(), steps ? 1 : 0);
        const QStringList asked = steps || key <= int(Qt::Key_Down)
                                      ? QStringList{QStringLiteral("時間を止めますか？")}
                                      : QStringList{};
        QCOMPARE(boxes.texts, asked);
    }

    void tabGoesRoundStatusThenBothBars() {
        MainWindow w;
        QCOMPARE(w.focus(), w.st);
        for (QWidget* next : {static_cast<QWidget*>(w.kkaze), static_cast<QWidget*>(w.msp),
                              static_cast<QWidget*>(w.st)}) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            QCOMPARE(w.focus(), next);
        }
        QTest::keyClick(w.focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focus(), w.msp);
        QCOMPARE(w.shown(), 0);  // Tab is no game key
        QVERIFY(focusShows(w.st));
        QVERIFY(focusShows(w.kkaze));
        QVERIFY(focusShows(w.msp));
        // Alt selects the menu bar's first menu, and it shows.
        auto* bar = w.main->findChild<QMenuBar*>();
        const auto alt = [&w] { QTest::keyClick(w.focus(), Qt::Key_Alt, Qt::AltModifier); };
        QVERIFY(visibleChange(bar, alt) >= bar->height());
        QVERIFY(bar->hasFocus());
    }

    void arrowsMoveTheFocusedBarByOne() {
        MainWindow w;
        w.kkaze->setFocus();
        QTest::keyClick(w.kkaze, Qt::Key_Right);
        QTest::keyClick(w.kkaze, Qt::Key_Right);
        QTest::keyClick(w.kkaze, Qt::Key_Left);
        QCOMPARE(w.shown(), 1);
        QTRY_VERIFY(w.st->toPlainText().startsWith(QStringLiteral("国名－－") +
                                                   w.game().st.country[1].name));
        const int speed = w.msp->value();
        w.msp->setFocus();
        QTest::keyClick(w.msp, Qt::Key_Right);
        QCOMPARE(w.game().find<Form2>()->MSP.Value, speed + 1);
        QTest::keyClick(w.msp, Qt::Key_Left);
        QTest::keyClick(w.msp, Qt::Key_Left);
        QCOMPARE(w.game().find<Form2>()->MSP.Value, speed - 1);
        QCOMPARE(w.shown(), 1);
    }

    // A click in the trough moves a bar by one, as an arrow does, and gives it the focus.
    void troughClickStepsByOne() {
        MainWindow w;
        for (QScrollBar* bar : {w.kkaze, w.msp}) {
            const int before = bar->value();
            QTest::mouseClick(bar, Qt::LeftButton, {}, troughRight(bar));
            QCOMPARE(bar->value(), before + 1);
            QCOMPARE(w.focus(), bar);
        }
        QCOMPARE(w.shown(), 1);
        QCOMPARE(w.game().find<Form2>()->MSP.Value, w.msp->value());
    }

    // While an order runs, a key asks the pause question on the status text, the
    // country bar and the bare window, never on the speed bar.
    void pauseQuestionFromEachFocus_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("asks");
        QTest::newRow("status text") << "ST" << int(Qt::Key_Down) << true;
        QTest::newRow("country bar") << "KKAze" << int(Qt::Key_Down) << true;
        QTest::newRow("window") << "" << int(Qt::Key_Down) << true;
        QTest::newRow("speed bar") << "MSP" << int(Qt::Key_Down) << false;
        QTest::newRow("speed bar, a letter") << "MSP" << int(Qt::Key_A) << false;
        QTest::newRow("speed bar, enter") << "MSP" << int(Qt::Key_Return) << false;
    }
    void pauseQuestionFromEachFocus() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, asks);
        MainWindow w;
        w.game().st.nissu = 7;
        QWidget* target = w.main;
        if (focus.isEmpty())
            w.focus()->clearFocus();
        else
            target = w.main->findChild<QWidget*>(focus);
        target->setFocus();
        BoxWatcher boxes(QStringLiteral("はい"));
        QTest::keyClick(target, Qt::Key(key));
        const QStringList expected = {QStringLiteral("時間を止めますか？"),
                                      QStringLiteral("時間を止めました")};
        QCOMPARE(boxes.texts, asks ? expected : QStringList{});
        QCOMPARE(w.game().st.nissu, asks ? 0 : 7);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
