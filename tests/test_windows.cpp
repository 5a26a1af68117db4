// The real windows, offscreen: the title's menu and name box, the training dialog tied
// to the main screen, the dialogs' keys, the number boxes, the shop's total while its
// message is up, and every text of every window shown whole.
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "app/qt_services.h"
#include "battle/battle.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "country/training.h"
#include "ending/ending.h"
#include "title/title.h"
#include "window_support.h"

using namespace zentar;

namespace {

// The text of a widget when it is cut short: a button's caption keeps half a character
// clear on either side, a closed list shows its longest entry, a text box and a label
// all of their text.
QString cutText(QWidget* w) {
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        const QFontMetrics fm(b->font());
        if (fm.horizontalAdvance(b->text()) + QFontInfo(b->font()).pixelSize() > b->width() - 4)
            return b->text();
    }
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->sizeHint().width() > c->width())
        return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->end(false);  // a text too long for the box scrolls its head out of sight
        e->grab();
        if (e->cursorPositionAt(QPoint(4, e->height() / 2)) > 0) return e->text();
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
        const bool cut = l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                                       : l->sizeHint().width() > l->width();
        if (cut) return l->text();
    }
    return {};
}

// The texts of a window that are cut short.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window))
            if (const QString t = cutText(w); !t.isEmpty()) cut << w->objectName() + ": " + t;
    return cut;
}

QLineEdit* nameBox(WindowSession& s) {
    s.app.start();
    QWidget* title = s.window(ScreenId::Title);
    title->activateWindow();
    if (!QTest::qWaitForWindowActive(title)) return nullptr;
    return s.control<QLineEdit>(ScreenId::Title, "NAM");
}

// Text as the input method hands it over: a composition, then its commit.
void commit(QWidget* w, const QString& text) {
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(w, &composing);
    QInputMethodEvent done;
    done.setCommitString(text);
    QApplication::sendEvent(w, &done);
}

// The dialog `id` open over a new game: the training dialog and the shop from the main
// screen, the item chooser from a paused battle.
QWidget* openDialog(WindowSession& s, ScreenId id) {
    s.newGameOnMain();
    s.app.dispatch([&] {
        Form2& main = *s.game().find<Form2>();
        if (id == ScreenId::Training) main.N1_Click();
        if (id == ScreenId::Shop) main.N2_Click();
    });
    if (id == ScreenId::Chooser) {
        Form3& battle = s.pausedBattle(13);
        s.app.dispatch([&] { battle.II_Click(); });
    }
    return s.window(id);
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void newGameThroughTheTitleMenu() {
        WindowSession s;
        QLineEdit* name = nameBox(s);
        QVERIFY(name);
        QWidget* title = s.window(ScreenId::Title);
        QVERIFY(title->isVisible());
        QCOMPARE(title->windowTitle(), QStringLiteral("ゼンタル"));
        QTest::keyClicks(name, QStringLiteral("Zentar"));
        QAction* n1 = menuAction(title, QStringLiteral("はじめから"));
        QCOMPARE(n1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
        answerNextBox(QStringLiteral("はい"));
        const QPointer<QWidget> closed = title;
        QTest::keyClick(name, Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(!s.game().loaded(ScreenId::Title));
        QVERIFY(closed && !closed->isVisible());  // gone from sight, not yet from memory:
        QTRY_VERIFY(!closed);                     // it goes once its own event is over
        QWidget* main = s.window(ScreenId::Main);
        QVERIFY(main && main->isVisible());
        QCOMPARE(s.game().st.country[0].name, QStringLiteral("Zentar"));
        auto* status = s.control<QPlainTextEdit>(ScreenId::Main, "ST");
        QTRY_VERIFY(status->toPlainText().startsWith(QStringLiteral("国名－－Zentar国\n兵士11人")));
        QCOMPARE(menuAction(main, QStringLiteral("決戦"))->shortcut(), QKeySequence(Qt::Key_F3));
        // The game saves into the tests' own store; the player's saved game stays as it was.
        const auto playersGame = [] {
            const QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                                  QLatin1String(kGameName), QLatin1String(kGameName));
            QStringList values;
            for (const QString& key : store.allKeys())
                values << key + QLatin1Char('=') + store.value(key).toString();
            return values;
        };
        const QStringList before = playersGame();
        s.app.dispatch([&] { s.game().save(); });
        QCOMPARE(QSettings().value(QStringLiteral("velmora/name0")).toString(),
                 QStringLiteral("Zentar"));
        QCOMPARE(playersGame(), before);
    }

    // Alt alone as a browser sends it (its press holds Alt), then Right: もうやめる, last.
    void quitIsReachedByKeys() {
        WindowSession s;
        QWindow* title = nameBox(s)->window()->windowHandle();
        qt_handleKeyEvent(title, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        qt_handleKeyEvent(title, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QTest::keyClick(title, Qt::Key_Right);
        const QMenuBar* bar = s.window(ScreenId::Title)->findChild<QMenuBar*>();
        QCOMPARE(bar->activeAction(), bar->actions().last());
    }

    // The name keeps what fits of 20 bytes, whether typed, pasted or committed by the
    // input method, and the box shows it whole.
    void nameBoxKeepsWhatFits_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("kept");
        QTest::newRow("typed") << "type"
                               << "ゼンタル大帝国"
                               << "ABCDEFGH"
                               << "ゼンタル大帝国ABCDEF";
        QTest::newRow("typed into the middle") << "middle"
                                               << "ABCDEFGHIJKLMNOPQR"
                                               << "xyz"
                                               << "ABCDEFGHIxyJKLMNOPQR";
        QTest::newRow("committed") << "commit"
                                   << "Zentar"
                                   << "ゼンタル大帝国の民よ"
                                   << "Zentarゼンタル大帝国";
        QTest::newRow("committed, odd byte left") << "commit"
                                                  << "Zentarx"
                                                  << "ゼンタル大帝国"
                                                  << "Zentarxゼンタル大帝";
        QTest::newRow("pasted") << "paste"
                                << ""
                                << "あいうえおかきくけこさしす"
                                << "あいうえおかきくけこ";
        QTest::newRow("an emoji, which no platform's font shows") << "paste"
                                                                  << "王"
                                                                  << "😀国\u2764\uFE0F"
                                                                  << "王国";
        QTest::newRow("twenty letters") << "type"
                                        << ""
                                        << "WWWWWWWWWWWWWWWWWWWWW"
                                        << "WWWWWWWWWWWWWWWWWWWW";
        QTest::newRow("ten full-width") << "commit"
                                        << ""
                                        << "ＷＷＷＷＷＷＷＷＷＷＷ"
                                        << "ＷＷＷＷＷＷＷＷＷＷ";
    }
    void nameBoxKeepsWhatFits() {
        QFETCH(QString, how);
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(QString, kept);
        WindowSession s;
        QLineEdit* name = nameBox(s);
        QVERIFY(name);
        commit(name, first);
        if (how == "middle") name->setCursorPosition(9);
        if (how == "paste") {
            QGuiApplication::clipboard()->setText(then);
            QTest::keySequence(name, QKeySequence::Paste);
        } else if (then.toLatin1() == then.toUtf8()) {
            QTest::keyClicks(name, then);
        } else {
            commit(name, then);
        }
        QCOMPARE(name->text(), kept);
        QCOMPARE(s.game().find<Form1>()->NAM.Text, kept);
        QCOMPARE(cutTexts(s.window(ScreenId::Title)), QStringList{});
    }

    // The training dialog stays with the main screen it disabled; its close box cancels.
    void trainingDialogBelongsToTheMainScreen() {
        WindowSession s;
        QWidget* main = s.newGameOnMain();
        QTest::keyClick(main->focusWidget(), Qt::Key_F1);
        QWidget* dialog = s.window(ScreenId::Training);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("育成内容"));
        QCOMPARE(dialog->windowHandle()->transientParent(), main->windowHandle());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));  // a fixed size
        QVERIFY(!main->isEnabled());
        QVERIFY(dialog->isEnabled());
        QCOMPARE(cutTexts(dialog), QStringList{});
        dialog->close();
        QVERIFY(!s.game().loaded(ScreenId::Training));
        QVERIFY(main->isEnabled());
    }

    // The dialogs' keys: Enter presses the focused button, in the training dialog 実施
    // wherever else the focus is; Escape does what the close box does, but in the shop.
    void dialogKeys_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("pressed");  // the button the key presses, if any
        QTest::addColumn<bool>("closes");
        const int training = int(ScreenId::Training), shop = int(ScreenId::Shop),
                  chooser = int(ScreenId::Chooser);
        const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        const int enter = Qt::Key_Return, padEnter = Qt::Key_Enter, escape = Qt::Key_Escape;
        QTest::newRow("training, enter in the days box")
            << training << "Text1" << enter << none << "OK" << false;
        QTest::newRow("training, keypad enter in the list")
            << training << "NAIYO" << padEnter << keypad << "OK" << false;
        QTest::newRow("training, enter on cancel")
            << training << "NO" << enter << none << "NO" << true;
        QTest::newRow("training, escape") << training << "Text1" << escape << none << "" << true;
        QTest::newRow("shop, enter on leave") << shop << "NO" << enter << none << "NO" << true;
        QTest::newRow("chooser, keypad enter on cancel")
            << chooser << "Command2" << padEnter << keypad << "Command2" << true;
        QTest::newRow("chooser, escape") << chooser << "AITEM" << escape << none << "" << true;
    }
    void dialogKeys() {
        QFETCH(int, screen);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, pressed);
        QFETCH(bool, closes);
        WindowSession s;
        const ScreenId id = static_cast<ScreenId>(screen);
        QWidget* dialog = openDialog(s, id);
        QVERIFY(dialog);
        QStringList clicked;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            connect(b, &QPushButton::clicked, [&clicked, b] { clicked << b->objectName(); });
        QWidget* target = dialog->findChild<QWidget*>(focus);
        target->setFocus();
        BoxWatcher boxes(QStringLiteral("OK"));
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked, pressed.isEmpty() ? QStringList{} : QStringList{pressed});
        QCOMPARE(s.game().loaded(id), !closes);
    }

    // The number boxes take full-width digits, signs, points and letters as their
    // half-width forms, whether typed, pasted or committed by the input method.
    void numberBoxesTakeHalfWidth_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        const int training = int(ScreenId::Training), shop = int(ScreenId::Shop);
        QTest::newRow("days, committed") << training << "Text1"
                                         << "commit"
                                         << "－１２"
                                         << "-12";
        QTest::newRow("days, typed") << training << "Text1"
                                     << "type"
                                     << "３"
                                     << "3";
        QTest::newRow("quantity, committed") << shop << "Text1"
                                             << "commit"
                                             << "２"
                                             << "2";
        QTest::newRow("quantity, pasted") << shop << "Text1"
                                          << "paste"
                                          << "１．５"
                                          << "1.5";
        QTest::newRow("strength, typed") << shop << "Text2"
                                         << "type"
                                         << "３"
                                         << "3";
        QTest::newRow("strength, a letter") << shop << "Text2"
                                            << "commit"
                                            << "ｘ"
                                            << "x";
    }
    void numberBoxesTakeHalfWidth() {
        QFETCH(int, screen);
        QFETCH(QString, box);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        WindowSession s;
        const ScreenId id = static_cast<ScreenId>(screen);
        QWidget* dialog = openDialog(s, id);
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(box);
        const auto hints = Qt::InputMethodHints(edit->inputMethodQuery(Qt::ImHints).toInt());
        QVERIFY(hints.testFlag(Qt::ImhPreferLatin));
        edit->setFocus();
        edit->selectAll();
        if (how == "paste") {
            QGuiApplication::clipboard()->setText(text);
            QTest::keySequence(edit, QKeySequence::Paste);
        } else if (how == "type") {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
        } else {
            commit(edit, text);
        }
        QCOMPARE(edit->text(), kept);
        const TextBox& read = id == ScreenId::Training ? s.game().find<Form4>()->Text1
                              : box == "Text1"         ? s.game().find<Shop>()->Text1
                                                       : s.game().find<Shop>()->Text2;
        QCOMPARE(read.Text, kept);
    }

    // While the shop says the money is short, over the shop, its total shows the price it
    // refused; then the order it reset is typed over.
    void shopShowsTheRefusedPriceWithItsMessage() {
        WindowSession s;
        s.newGameOnMain();
        s.game().st.country[0].gold = 100;
        s.app.dispatch([&] { s.game().find<Form2>()->N2_Click(); });
        auto* goods = s.control<QComboBox>(ScreenId::Shop, "NAIYO");
        auto* total = s.control<QLineEdit>(ScreenId::Shop, "Text3");
        goods->setCurrentIndex(0);
        emit goods->activated(0);
        QString message, shown, reached;
        QWindow* owner = nullptr;
        answerNextBox(QStringLiteral("OK"), [&](QMessageBox* box) {
            message = box->text();
            owner = box->windowHandle()->transientParent();
            shown = total->text();
            reached = s.game().find<Shop>()->Text3.Text;
        });
        auto* count = s.control<QLineEdit>(ScreenId::Shop, "Text1");
        QTest::keyClicks(count, QStringLiteral("9"));
        QTRY_COMPARE(message, QStringLiteral("おい、金足りねえぞ！！"));
        QCOMPARE(owner, s.window(ScreenId::Shop)->windowHandle());  // the box stays above the shop
        QCOMPARE(shown, reached);
        QVERIFY(shown != QStringLiteral("0￥"));
        QTest::keyClicks(count, QStringLiteral("7"));
        QCOMPARE(count->text(), QStringLiteral("7"));
    }

    // No caption, entry or text of any window is cut short, nor any open list.
    void everyTextIsShownWhole() {
        WindowSession s;
        s.app.start();
        QCOMPARE(cutTexts(s.window(ScreenId::Title)), QStringList{});
        QWidget* main = s.newGameOnMain();
        s.game().st.country[0].gold = std::numeric_limits<std::int32_t>::min();
        QTest::qWait(80);
        QCOMPARE(cutTexts(main), QStringList{});
        s.app.dispatch([&] { s.game().find<Form2>()->N2_Click(); });
        QWidget* shop = s.window(ScreenId::Shop);
        QTRY_VERIFY(s.control<QLineEdit>(ScreenId::Shop, "Text4")->text().startsWith('-'));
        QCOMPARE(cutTexts(shop), QStringList{});
        for (const char* box : {"Text1", "Text2"})  // a number that fits is not shrunk
            QCOMPARE(QFontInfo(s.control<QLineEdit>(ScreenId::Shop, box)->font()).pixelSize(),
                     QFontInfo(shop->font()).pixelSize());
        s.app.dispatch([&] { s.game().find<Shop>()->NO_Click(); });
        Form3& battle = s.pausedBattle(13);
        QTest::qWait(300);  // the panel glides in
        QCOMPARE(cutTexts(s.window(ScreenId::Battle)), QStringList{});
        s.app.dispatch([&] { battle.II_Click(); });
        QCOMPARE(cutTexts(s.window(ScreenId::Chooser)), QStringList{});
        s.app.dispatch([&] {
            s.game().Unload(ScreenId::Chooser);
            s.game().Unload(ScreenId::Battle);
            s.game().Show(ScreenId::Ending);
            Form8& ending = *s.game().find<Form8>();
            for (int i = 0; i < 400; ++i) ending.Timer1_Timer();
        });
        QCOMPARE(cutTexts(s.window(ScreenId::Ending)), QStringList{});
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
