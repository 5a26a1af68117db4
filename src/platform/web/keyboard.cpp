// The keyboard in the browser, which has no window system to route it.
//
// The window the player was using takes the keyboard back when another closes, and a box
// waiting for its answer keeps it when the player clicks the window behind.
//
// Names typed with an input method: the game draws on a canvas, and a browser composes
// text only in an editable field, so while a text box of the game has the focus, the
// keyboard goes to a field of the page kept out of sight beside it. What the player
// composes there reaches the text box as the desktop's input method would send it, and
// every other key goes on to the game as if typed on the canvas. Alt alone is the game's.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QStyleHints>
#include <QTextCharFormat>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <string>

#include "platform/keyboard.h"

namespace zentar {
namespace {

// The text being composed, underlined with the cursor at its end; then the text chosen.
void composed(bool done, const std::string& utf8) {
    QObject* box = QGuiApplication::focusObject();
    if (!box) return;
    const QString text = QString::fromStdString(utf8);
    QList<QInputMethodEvent::Attribute> look;
    if (!done) {
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        const int length = int(text.size());
        look = {{QInputMethodEvent::TextFormat, 0, length, underlined},
                {QInputMethodEvent::Cursor, length, 1, {}}};
    }
    QInputMethodEvent event(done ? QString() : text, look);
    if (done) event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

void followFocus();

EMSCRIPTEN_BINDINGS(zentar_input_method) {
    emscripten::function("zentarComposed", &composed);
    emscripten::function("zentarFollowFocus", &followFocus);
}

// clang-format off
EM_JS(void, makeTextField, (), {
    const canvas = Module.qtContainerElements[0];
    const field = document.createElement("input");
    field.type = "text";
    field.autocomplete = "off";
    field.spellcheck = false;
    field.setAttribute("aria-hidden", "true");
    field.style.cssText = "position: absolute; width: 1px; height: 1px; padding: 0; " +
                          "border: 0; opacity: 0; pointer-events: none";
    canvas.parentElement.appendChild(field);
    Module.zentarTextField = field;
    // A key outside a composition is the game's; the browser acts on it only where the
    // game leaves it, as on the canvas.
    const forward = (event) => {
        if (event.isComposing || event.keyCode === 229) return;
        if (!canvas.dispatchEvent(new KeyboardEvent(event.type, event))) event.preventDefault();
    };
    field.addEventListener("keydown", forward);
    field.addEventListener("keyup", forward);
    field.addEventListener("compositionupdate", (event) => Module.zentarComposed(false, event.data));
    field.addEventListener("compositionend", (event) => {
        Module.zentarComposed(true, event.data);
        field.value = "";
    });
    // Text put in whole, pasted or from a phone's keyboard, is chosen text as well.
    field.addEventListener("input", (event) => {
        if (event.isComposing) return;
        if (field.value) Module.zentarComposed(true, field.value);
        field.value = "";
    });
    // A click on the canvas takes the keyboard there; a text box keeps it in the field.
    canvas.addEventListener("focus", () => {
        if (field.dataset.wanted) setTimeout(() => field.focus({preventScroll: true}));
    });
});

// The field takes the keyboard only once the player has touched, clicked or typed: a phone
// raises its keyboard for a field focused in a gesture, and only then.
EM_JS(void, useTextField, (bool wanted, int x, int y, int height, bool numeric), {
    const field = Module.zentarTextField;
    const canvas = Module.qtContainerElements[0];
    if (wanted) {
        field.dataset.wanted = "1";
        field.inputMode = numeric ? "numeric" : "text";
        // At the text box's cursor, where the input method shows its candidates.
        const scale = window.zentarPageScale || 1;
        field.style.left = (canvas.offsetLeft + x * scale) + "px";
        field.style.top = (canvas.offsetTop + y * scale) + "px";
        field.style.height = (height * scale) + "px";
        if (window.zentarGestured) field.focus({preventScroll: true});
    } else {
        delete field.dataset.wanted;
        if (document.activeElement === field) canvas.focus({preventScroll: true});
    }
});

// Alt pressed alone is the game's way to its menu bars: the browser takes no step of its own
// on it, which would keep the arrow keys that follow from the game.
EM_JS(void, keepAlt, (), {
    const keep = (event) => { if (event.key === "Alt") event.preventDefault(); };
    Module.qtContainerElements[0].addEventListener("keydown", keep);
    Module.qtContainerElements[0].addEventListener("keyup", keep);
});
// clang-format on

// Whether the focus is on a box the player types into; a read-only text, such as the
// main screen's report, keeps the keyboard on the canvas, where the page stays idle.
bool takesText(QObject* focus) {
    if (!focus) return false;
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImReadOnly);
    QCoreApplication::sendEvent(focus, &query);
    return query.value(Qt::ImEnabled).toBool() && !query.value(Qt::ImReadOnly).toBool();
}

// Whether the box takes numbers: the phone then offers its number keys.
bool takesNumbers(QObject* focus) {
    QInputMethodQueryEvent query(Qt::ImHints);
    QCoreApplication::sendEvent(focus, &query);
    return query.value(Qt::ImHints).toInt() & Qt::ImhPreferNumbers;
}

// Called as the focus moves, and by the page after every tap, so that a tap on the box that
// has the focus raises the phone's keyboard as well.
void followFocus() {
    QObject* focus = QGuiApplication::focusObject();
    const QWindow* window = QGuiApplication::focusWindow();
    if (!takesText(focus) || !window) {
        useTextField(false, 0, 0, 0, false);
        return;
    }
    const QRect cursor = QGuiApplication::inputMethod()->cursorRectangle().toRect();
    const QPoint at = window->geometry().topLeft() + cursor.topLeft();
    useTextField(true, at.x(), at.y(), cursor.height(), takesNumbers(focus));
}

// Gives the keyboard back to the window the player was using when no window shown has it,
// or one that a box waiting for its answer stands over: once the window that had it has
// gone, or the click that took it has ended.
class KeyboardKeeper : public QObject {
  public:
    KeyboardKeeper(QObject* owner, std::function<bool()> raiseActiveWindow)
        : QObject(owner), raise_(std::move(raiseActiveWindow)) {}

    void giveBack() {
        QTimer::singleShot(0, this, [this] {
            const QWindow* focus = QGuiApplication::focusWindow();
            const QWidget* box = QApplication::activeModalWidget();
            if (!focus || !focus->isVisible() || (box && focus != box->windowHandle())) raise_();
        });
    }

    // Sees every window that hides, which the page's Qt does not report as a change of focus.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            giveBack();
        return false;
    }

  private:
    std::function<bool()> raise_;
};

}  // namespace

void routeKeyboard(QObject* owner, std::function<bool()> raiseActiveWindow) {
    auto* keeper = new KeyboardKeeper(owner, std::move(raiseActiveWindow));
    qApp->installEventFilter(keeper);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, keeper,
                     [keeper] { keeper->giveBack(); });
    makeTextField();
    keepAlt();
    // The caret stands still in the page: each blink would draw a frame of the whole page,
    // twice a second while the player only watches the main screen.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QObject::connect(qApp, &QGuiApplication::focusObjectChanged, keeper, &followFocus);
    QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::cursorRectangleChanged, keeper,
                     &followFocus);
}

}  // namespace zentar
