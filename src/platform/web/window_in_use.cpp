// The page around the game's windows: it fits them to the screen by the screen window the
// player uses, and shows the keys of the window with the keyboard as on-screen keys, which
// send the game those keys as the keyboard would. Its check finds the controls to tap here.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMainWindow>
#include <QWidget>
#include <string>

#include "platform/window_in_use.h"

namespace zentar {
namespace {

// clang-format off
EM_JS(void, tellPage, (const char* json), {
    window.zentarGame = Module;  // the page calls the game through it
    if (window.zentarWindowInUse) zentarWindowInUse(JSON.parse(UTF8ToString(json)));
});
// clang-format on

// The key as the browser names it in a key event: its value, its code and its number.
QJsonObject webKey(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        const QString name = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
        return {{"key", name}, {"code", name}, {"keyCode", 112 + (key - Qt::Key_F1)}};
    }
    if (key == Qt::Key_Escape) return {{"key", "Escape"}, {"code", "Escape"}, {"keyCode", 27}};
    return {{"key", "Enter"}, {"code", "Enter"}, {"keyCode", 13}};
}

QJsonObject onScreenKey(const OnScreenKey& key) {
    const QKeyCombination combination = key.key[0];
    QJsonObject web = webKey(combination.key());
    const bool ctrl = combination.keyboardModifiers() & Qt::ControlModifier;
    web.insert("ctrl", ctrl);
    web.insert("action", key.action);
    web.insert("label", (ctrl ? QStringLiteral("Ctrl+") : QString()) +
                            (combination.key() == Qt::Key_Escape ? QStringLiteral("Esc")
                                                                 : web["key"].toString()));
    return web;
}

// Where a window's content begins on the screen: below a main window's menu bar.
QJsonObject contentRect(const QWidget* w) {
    const auto* main = qobject_cast<const QMainWindow*>(w);
    const QWidget* content = main && main->centralWidget() ? main->centralWidget() : w;
    const QPoint at = content->mapToGlobal(QPoint());
    const QRect frame = w->frameGeometry();
    return {{"x", at.x()},
            {"y", at.y()},
            {"frameX", frame.x()},
            {"frameY", frame.y()},
            {"width", frame.width()},
            {"height", frame.height()}};
}

// Where the page's automated check taps, as a player's finger would: the middle of a
// control shown in a window that takes input, by its name, or of an entry of a named
// drop-down list; in the canvas's pixels, before the page's scale; none when not shown.
emscripten::val middle(const QWidget* w, QRect r) {
    const QPoint at = w->mapToGlobal(r.topLeft());
    emscripten::val found = emscripten::val::object();
    found.set("x", at.x() + r.width() / 2);
    found.set("y", at.y() + r.height() / 2);
    return found;
}

// The middle of control `name`, or of entry `entry` of its open list when the control is a
// drop-down list and `entry` is not negative.
emscripten::val controlAt(const std::string& name, int entry) {
    QWidget* control = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (QWidget* w = window->findChild<QWidget*>(QString::fromStdString(name));
            w && w->isVisible() && w->window()->isEnabled())
            control = w;
    if (!control) return emscripten::val::null();
    const auto* list = qobject_cast<QComboBox*>(control);
    if (entry < 0 || !list) return middle(control, control->rect());
    const QAbstractItemView* view = list->view();
    if (!view->isVisible() || entry >= list->count()) return emscripten::val::null();
    return middle(view->viewport(), view->visualRect(list->model()->index(entry, 0)));
}

EMSCRIPTEN_BINDINGS(zentar_page_check) {
    emscripten::function("zentarControlAt", &controlAt);
}

}  // namespace

void showWindowInUse(QWidget* fitted, const QList<OnScreenKey>& keys) {
    QJsonArray list;
    for (const OnScreenKey& key : keys) list.append(onScreenKey(key));
    QJsonObject use{{"keys", list}};
    if (fitted) use.insert("fitted", contentRect(fitted));
    if (QWidget* keyed = QApplication::activeWindow()) use.insert("keyed", contentRect(keyed));
    tellPage(QJsonDocument(use).toJson(QJsonDocument::Compact).constData());
}

}  // namespace zentar
