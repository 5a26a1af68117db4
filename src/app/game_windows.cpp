#include "app/game_windows.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include "app/screen_table.h"
#include "app/window_placement.h"
#include "battle/item_chooser.h"
#include "core/controls.h"
#include "platform/fonts.h"
#include "platform/hidden_dialogs.h"
#include "widgets/screen_host.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

constexpr int kAttentionMs = 300;  // time for the window manager to grant the focus

// The window a dialog or message box stands over, if any.
QWidget* ownerOf(const QWidget* w) {
    const QWindow* own = w->windowHandle();
    const QWindow* owner = own ? own->transientParent() : nullptr;
    if (!owner) return nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (candidate->windowHandle() == owner) return candidate;
    return nullptr;
}

// The manual in a window of the game, in the game's font.
QTextBrowser* makeHelpWindow() {
    auto* help = new QTextBrowser;
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->setWindowTitle(QStringLiteral("ゼンタル　お助けヘルプ"));
    help->setOpenExternalLinks(false);
    QFile css(QStringLiteral(":/help/style.css"));  // rich text takes no linked sheets
    // The text and the key names in the game's font, which differs by platform.
    const QString font = QStringLiteral("body, kbd { font-family: \"%1\"; }")
                             .arg(gameFontFamilies().join(QStringLiteral("\", \"")));
    if (css.open(QIODevice::ReadOnly))
        help->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()) + font);
    help->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), help);
    QObject::connect(escape, &QShortcut::activated, help, &QWidget::close);
    // The head and the end of the manual by the platform's keys (Ctrl+Home, Ctrl+End): a
    // text the player only reads has no cursor to take them.
    const auto scrollBy = [help](QKeySequence::StandardKey keys, QAbstractSlider::SliderAction to) {
        auto* shortcut = new QShortcut(keys, help);
        QObject::connect(shortcut, &QShortcut::activated, help,
                         [help, to] { help->verticalScrollBar()->triggerAction(to); });
    };
    scrollBy(QKeySequence::MoveToStartOfDocument, QAbstractSlider::SliderToMinimum);
    scrollBy(QKeySequence::MoveToEndOfDocument, QAbstractSlider::SliderToMaximum);
    return help;
}

}  // namespace

bool AltKey::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt && key->QInputEvent::modifiers() == Qt::AltModifier)
            key->setModifiers(Qt::NoModifier);  // which QKeyEvent reports as Alt held
    }
    return false;
}

GameWindows::GameWindows(ScreenHost& host) : host_(host), watching_(std::make_unique<QObject>()) {
    qApp->installEventFilter(&altKey_);
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::availableGeometryChanged,
                     watching_.get(), [this] { keepInView(); });
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, watching_.get(),
                     [this] { tellWindowInUse(); });
}

GameWindows::~GameWindows() {
    watching_.reset();  // windows going are no change of the window in use
    for (auto& view : views_) view.reset();
    for (QWidget* w : leaving_) delete w;  // windows whose turn to go had not come yet
    delete help_;
}

QWidget* GameWindows::window(ScreenId id) const {
    const auto& view = views_[static_cast<int>(id)];
    return view ? view->widget() : nullptr;
}

void GameWindows::sync() {
    const Game& game = host_.game();
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        std::unique_ptr<View>& view = views_[i];
        if (!game.loaded(id)) {
            // A window goes only once no handler runs, and never inside its own event.
            if (view && !game.handling()) {
                QWidget* w = view.release()->widget();
                noteFrame(w);  // the window that opens next is placed by its frame
                w->hide();
                w->deleteLater();
                leaving_.emplace_back(w);
                // The window a dialog belonged to takes the keyboard back.
                if (QWidget* owner = ownerWindow(id); owner && owner->isVisible())
                    owner->activateWindow();
            }
            continue;
        }
        if (!view) {
            view = screenWindow(id).make(host_);
            QWidget* w = view->widget();
            if (w->minimumSize() != w->maximumSize()) {  // windows with a menu bar
                w->adjustSize();
                w->setFixedSize(w->size());
            }
            if (QWidget* owner = ownerWindow(id)) keepAbove(w, owner);
            placeNewWindow(id, w);
        }
        QWidget* w = view->widget();
        if (w->isEnabled() != game.enabled(id)) w->setEnabled(game.enabled(id));
        view->sync();
        if (game.visible(id) && !w->isVisible()) {
            // Shown at its own size where placed: show() would fill a browser's page.
            w->setVisible(true);
            w->raise();
            w->activateWindow();
        } else if (!game.visible(id) && w->isVisible()) {
            w->hide();
        }
    }
    tellWindowInUse();
}

void GameWindows::closeAll() {
    for (auto& view : views_)
        if (view) view->widget()->hide();
    if (help_) help_->close();
}

QWidget* GameWindows::frontWindow() const {
    for (const ScreenWindowKind& kind : screenWindows()) {
        QWidget* w = window(kind.id);
        if (w && w->isVisible()) return w;
    }
    return nullptr;
}

bool GameWindows::raiseActiveWindow() {
    QWidget* w = QApplication::activeModalWidget();
    // Windows keeps a minimised window active, the main screen too while the dialog that
    // disabled it is hidden with it: the player was using the dialog then.
    if (!w && QApplication::activeWindow() && QApplication::activeWindow()->isEnabled())
        w = QApplication::activeWindow();
    for (const ScreenWindowKind& kind : screenWindows()) {  // dialogs before their owners
        if (w) break;
        if (QWidget* screen = window(kind.id); screen && screen->isVisible() && screen->isEnabled())
            w = screen;
    }
    if (!w) return false;
    std::vector<QWidget*> owners;  // the window, then the windows it stands over
    for (QWidget* o = w; o; o = ownerOf(o)) owners.push_back(o);
    for (auto o = owners.rbegin(); o != owners.rend(); ++o) {
        (*o)->setWindowState((*o)->windowState() & ~Qt::WindowMinimized);
        showHiddenDialogs(*o);
        (*o)->raise();
    }
    w->activateWindow();
    // A window manager may refuse a background program the focus: then ask for attention.
    QTimer::singleShot(kAttentionMs, w, [w] { QApplication::alert(w); });
    return true;
}

void GameWindows::openHelp() {
    if (!help_) {
        help_ = makeHelpWindow();
        const QRect screen = availableScreen();
        const QMargins frame = frameMargins();
        help_->resize(within(QSize(640, 560), frame, screen));
        help_->move(centred(help_->size().grownBy(frame), screen));
    }
    help_->setVisible(true);
    help_->raise();
    help_->activateWindow();
}

void GameWindows::keepInView() {
    std::vector<QWidget*> open{help_};
    for (const auto& view : views_)
        if (view) open.push_back(view->widget());
    for (QWidget* w : open)
        if (w && w->isVisible()) w->move(keptOn(w->frameGeometry(), availableScreen()));
}

// The screen window the player uses: the one most in front that is no dialog.
QWidget* GameWindows::screenInUse() const {
    for (const ScreenWindowKind& kind : screenWindows())
        if (QWidget* w = window(kind.id); w && w->isVisible() && !kind.owner) return w;
    return nullptr;
}

// The keys a window answers: its menus' shortcuts and the key of its kind; a message box
// takes its default answer with Enter, and it and the help close with Escape.
QList<OnScreenKey> GameWindows::keysOf(QWidget* w) const {
    if (!w) return {};
    for (const ScreenWindowKind& kind : screenWindows()) {
        if (window(kind.id) != w) continue;
        QList<OnScreenKey> keys;
        for (const QAction* action : w->findChildren<QAction*>())
            if (!action->shortcut().isEmpty()) keys.append({action->text(), action->shortcut()});
        if (kind.key.action)
            keys.append({QString::fromUtf16(kind.key.action), QKeySequence(kind.key.key)});
        return keys;
    }
    const OnScreenKey close{QString::fromUtf16(kCloseKey.action), QKeySequence(kCloseKey.key)};
    if (!qobject_cast<QMessageBox*>(w)) return {close};
    return {{QStringLiteral("決定"), QKeySequence(Qt::Key_Return)}, close};
}

void GameWindows::tellWindowInUse() {
    QWidget* fitted = screenInUse();
    QWidget* keyed = QApplication::activeWindow();
    // The page's Qt may leave a drop-down list's closed list active: its window is in use.
    if (keyed && keyed->windowType() == Qt::Popup && keyed->parentWidget())
        keyed = keyed->parentWidget()->window();
    if (fitted == fitted_ && keyed == keyed_) return;
    fitted_ = fitted;
    keyed_ = keyed;
    showWindowInUse(fitted, keysOf(keyed));
}

// New windows open in the middle of the screen, the training dialog over the main
// screen, the item chooser beside the battle; the battle leaves room at its right for
// the chooser where the screen is wide enough.
void GameWindows::placeNewWindow(ScreenId id, QWidget* w) {
    const QRect screen = availableScreen();
    const QMargins margins = frameMargins();
    const QSize frame = w->size().grownBy(margins);
    const QWidget* owner = ownerWindow(id);
    if (id == ScreenId::Chooser && owner) {
        w->move(beside(owner->frameGeometry(), frame, screen));
    } else if (owner) {
        w->move(over(owner->frameGeometry(), frame, screen));
    } else if (id == ScreenId::Battle) {
        const QSize chooser = QSize(px(Form7::Width), px(Form7::Height)).grownBy(margins);
        w->move(centredWithRoom(frame, chooser, screen));
    } else {
        w->move(centred(frame, screen));
    }
}

// The frame the window manager puts around the game's windows, as last seen round one
// that showed: also while a window that went was the only one open.
QMargins GameWindows::frameMargins() {
    for (const auto& view : views_)
        if (view) noteFrame(view->widget());
    return frame_;
}

// Remembers the frame round a shown window, once the window manager has told it.
void GameWindows::noteFrame(const QWidget* w) {
    if (!w->isVisible()) return;
    const QRect frame = w->frameGeometry(), client = w->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (!margins.isNull()) frame_ = margins;
}

QRect GameWindows::availableScreen() const {
    for (const auto& view : views_)
        if (view && view->widget()->isVisible())
            return view->widget()->screen()->availableGeometry();
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The dialogs stay with the window that opens them.
QWidget* GameWindows::ownerWindow(ScreenId id) const {
    const std::optional<ScreenId> owner = screenWindow(id).owner;
    return owner ? window(*owner) : nullptr;
}

}  // namespace zentar
