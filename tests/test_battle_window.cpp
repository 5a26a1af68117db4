// The battle's window as the player meets it: which keys pause the battle, the pause
// menu worked from the keyboard, the item chooser tied to the battle, and soldiers
// drawn without a box around them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "battle/battle.h"
#include "country/main_screen.h"
#include "widgets/widgets.h"
#include "window_support.h"

using namespace zentar;

namespace {

// A battle against rival 1 past its opening, with armies that cannot fall.
struct BattleWindow : WindowSession {
    QWidget* field = nullptr;
    bool active = false;  // the battle's window has the keyboard

    BattleWindow() {
        newGameOnMain();
        for (int c : {0, 1}) {
            game().st.country[c].hp = 1'000'000'000;
            game().st.country[c].heisi = 1;  // one soldier on the field, never beaten
        }
        app.dispatch([this] {
            Form2& main = *game().find<Form2>();
            main.hyouji = 1;
            main.N3_Click();
        });
        for (int i = 0; i < 10'000 && battle().Timer1.Enabled; ++i)
            app.dispatch([this] { battle().Timer1_Timer(); });
        field = window(ScreenId::Battle);
        field->activateWindow();
        field->setFocus();
        active = QTest::qWaitForWindowActive(field);
    }
    Form3& battle() { return *game().find<Form3>(); }
    bool menuOpen() { return battle().HANDAN.Visible; }
    QWidget* focus() { return field->focusWidget(); }
    template <typename W>
    W* menu(const char* name) {
        return control<W>(ScreenId::Battle, name);
    }
    void closeMenu() {
        if (menuOpen()) menu<QPushButton>("MG")->click();
    }
};

}  // namespace

class BattleWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void keysOnTheField_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("pauses");
        const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << true;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << true;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << true;
        QTest::newRow("keypad 0, num lock off") << int(Qt::Key_Insert) << keypad << true;
        QTest::newRow("0") << int(Qt::Key_0) << none << false;
        QTest::newRow("backquote") << int(Qt::Key_QuoteLeft) << none << false;
        QTest::newRow("percent") << int(Qt::Key_Percent) << none << false;
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << none << false;
        QTest::newRow("paren") << int(Qt::Key_ParenLeft) << none << false;
        QTest::newRow("a") << int(Qt::Key_A) << none << false;
        QTest::newRow("space") << int(Qt::Key_Space) << none << false;
        QTest::newRow("insert") << int(Qt::Key_Insert) << none << false;
        QTest::newRow("keypad 1") << int(Qt::Key_1) << keypad << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << false;
        QTest::newRow("down") << int(Qt::Key_Down) << none << false;
        QTest::newRow("ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
    }
    void keysOnTheField() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, pauses);
        BattleWindow w;
        QVERIFY(w.active);
        QVERIFY(!w.menuOpen());
        QTest::keyClick(w.field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.menuOpen(), pauses);
        QCOMPARE(w.battle().snk.Enabled, !pauses);
    }

    // The open menu has the keyboard: the strategy list first, Tab through the list, the
    // three buttons and the report, Enter or Space presses the button with the focus.
    void pauseMenuFromTheKeyboard() {
        BattleWindow w;
        QVERIFY(w.active);
        auto* senpo = w.menu<QComboBox>("SENPO");
        auto* ii = w.menu<QPushButton>("II");
        auto* momir = w.menu<QPushButton>("MOMIR");
        auto* mg = w.menu<QPushButton>("MG");
        auto* report = w.menu<QPlainTextEdit>("sinti");
        QTest::keyClick(w.field, Qt::Key_Return);
        QVERIFY(w.menuOpen());
        QCOMPARE(w.focus(), senpo);
        QTest::keyClick(senpo, Qt::Key_Down);
        QCOMPARE(w.battle().SENPO.Text(), QStringLiteral("あとは任せるよ"));
        QTest::keyClick(senpo, Qt::Key_Return);  // stays in the menu's list
        QCOMPARE(w.focus(), senpo);
        for (QWidget* next :
             {static_cast<QWidget*>(ii), static_cast<QWidget*>(momir), static_cast<QWidget*>(mg),
              static_cast<QWidget*>(report), static_cast<QWidget*>(senpo)}) {
            QTest::keyClick(w.focus(), Qt::Key_Tab);
            QCOMPARE(w.focus(), next);
        }
        // The report's lower lines, the soldiers', come into sight by keys.
        QScrollBar* lines = report->verticalScrollBar();
        QVERIFY(lines->maximum() > 0);
        QTest::keyClick(report, Qt::Key_End);
        QCOMPARE(lines->value(), lines->maximum());
        QTest::keyClick(report, Qt::Key_PageUp);
        QVERIFY(lines->value() < lines->maximum());
        QTest::keyClick(report, Qt::Key_Home);
        QCOMPARE(lines->value(), 0);
        QTest::keyClick(report, Qt::Key_Down);
        QCOMPARE(lines->value(), 1);
        QVERIFY(w.menuOpen());
        QTest::keyClick(senpo, Qt::Key_Tab);
        QTest::keyClick(ii, Qt::Key_Tab);
        QTest::keyClick(momir, Qt::Key_Return);
        QCOMPARE(w.battle().MOMIR.Caption, QStringLiteral("自分の国"));
        QVERIFY(w.menuOpen());
        QCOMPARE(w.focus(), momir);
        QTest::keyClick(momir, Qt::Key_Tab);
        QTest::keyClick(mg, Qt::Key_Space);
        QVERIFY(!w.menuOpen());
        QVERIFY(w.battle().snk.Enabled);
        QCOMPARE(w.focus(), w.field);
    }

    void enterOnCarryOutWithoutAStrategyAsksForOne() {
        BattleWindow w;
        QTest::keyClick(w.field, Qt::Key_Return);
        QTest::keyClick(w.focus(), Qt::Key_Tab);
        BoxWatcher boxes(QStringLiteral("OK"));
        QTest::keyClick(w.focus(), Qt::Key_Return);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("戦法を決めてください！")});
        QVERIFY(w.menuOpen());
    }

    // The open strategy list shows every entry whole, at the size of the window's text,
    // although the closed list may have shrunk its own to fit.
    void openStrategyListShowsEveryEntryWhole() {
        BattleWindow w;
        QTest::keyClick(w.field, Qt::Key_Return);
        auto* senpo = w.menu<QComboBox>("SENPO");
        senpo->showPopup();
        QAbstractItemView* list = senpo->view();
        QTRY_VERIFY(list->isVisible());
        const int lineHeight = QFontMetrics(w.field->font()).height();
        // the room the list leaves at either side of an entry's text
        const int margin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        for (int row = 0; row < senpo->count(); ++row) {
            const QModelIndex entry = list->model()->index(row, 0);
            const QSize needs = list->sizeHintForIndex(entry);  // as the list draws it
            QVERIFY(needs.height() >= lineHeight);
            const QFontMetrics font(entry.data(Qt::FontRole).value<QFont>());
            const int text = font.horizontalAdvance(entry.data().toString());
            const QRect shown = list->visualRect(entry) & list->viewport()->rect();
            QVERIFY2(text + 2 * margin <= shown.width(), qPrintable(entry.data().toString()));
        }
        senpo->hidePopup();
    }

    // A finger's tap lasts: the list it opens stays open when the finger lifts.
    void aStrategyListOpenedByALongPressStaysOpen() {
        BattleWindow w;
        QTest::keyClick(w.field, Qt::Key_Return);
        auto* senpo = w.menu<QComboBox>("SENPO");
        QTest::mousePress(senpo, Qt::LeftButton);
        QTRY_VERIFY(senpo->view()->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QWidget* list = senpo->view()->window();  // the open list takes the mouse
        QTest::mouseRelease(list, Qt::LeftButton, {},
                            list->mapFromGlobal(senpo->mapToGlobal(senpo->rect().center())));
        QVERIFY(senpo->view()->isVisible());
        senpo->hidePopup();
    }

    void theMenuShowsWhereTheFocusIs() {
        BattleWindow w;
        QVERIFY(w.active);
        QTest::keyClick(w.field, Qt::Key_Return);
        for (const char* name : {"SENPO", "II", "MOMIR", "MG", "sinti"})
            QVERIFY2(focusShows(w.menu<QWidget>(name)), name);
    }

    // The chooser stays above the battle it disabled, and the list takes the keyboard
    // again once it closes.
    void itemChooserBelongsToTheBattle() {
        BattleWindow w;
        QTest::keyClick(w.field, Qt::Key_Return);
        auto* senpo = w.menu<QComboBox>("SENPO");
        senpo->setCurrentIndex(2);
        emit senpo->activated(2);
        w.menu<QPushButton>("II")->click();
        QWidget* chooser = w.window(ScreenId::Chooser);
        QVERIFY(chooser && chooser->isVisible());
        QVERIFY(!w.field->isEnabled());
        QVERIFY(chooser->isEnabled());
        QCOMPARE(chooser->windowHandle()->transientParent(), w.field->windowHandle());
        QVERIFY(!(chooser->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!chooser->frameGeometry().intersects(w.field->frameGeometry()) ||
                chooser->frameGeometry().top() >= w.field->frameGeometry().top());
        w.control<QPushButton>(ScreenId::Chooser, "Command2")->click();
        QCOMPARE(w.window(ScreenId::Chooser), nullptr);
        QVERIFY(w.field->isEnabled());
        QCOMPARE(w.focus(), senpo);
    }

    // Soldiers are drawn without a box: over an effect, no pixel of a soldier's square
    // shows the field's green, and the effect shows between the soldier's outlines.
    void spritesAreDrawnWithoutABox() {
        BattleWindow w;
        w.app.game().surface().box(0, 0, Form3::Width, Form3::Height, {200, 0, 0});
        const QImage shot = w.field->grab().toImage();
        for (const Picture* soldier : {&w.battle().HEIM[0], &w.battle().HEIT[0]}) {
            const QRect r = pixelRect(*soldier);
            int effect = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    QVERIFY(c != QColor(0, 255, 0));
                    effect += c == QColor(200, 0, 0);
                }
            QVERIFY(effect > r.width());
        }
    }
};

QTEST_MAIN(BattleWindowTest)
#include "test_battle_window.moc"
