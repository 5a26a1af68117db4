#include "desktop/application.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QWindow>

#include "battle/battle_view.h"
#include "battle/item_chooser.h"
#include "battle/item_chooser_view.h"
#include "core/controls.h"
#include "country/main_screen_view.h"
#include "country/shop_view.h"
#include "country/training_view.h"
#include "desktop/event_loop.h"
#include "desktop/hidden_dialogs.h"
#include "desktop/window_placement.h"
#include "ending/ending_view.h"
#include "screens/screens.h"
#include "title/title_view.h"
#include "widgets/game_look.h"
#include "widgets/widgets.h"

// The pictures and the manual are compiled into the view library.
static void loadResources() {
    Q_INIT_RESOURCE(assets);
}

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

}  // namespace

// The QTimer of one of a screen's timers: the record says whether it runs and how often.
class GameTimer : public QTimer {
  public:
    GameTimer(QObject* parent, ScreenId id, const Screen* screen, TimerHook hook)
        : QTimer(parent), id(id), screen(screen), hook(std::move(hook)) {
        setTimerType(Qt::PreciseTimer);
    }
    const ScreenId id;
    const Screen* const screen;
    const TimerHook hook;
    bool held = false;  // its handler is running
};

Application::Application(const DesktopServices& services)
    : game_({services.random, dialogues_, services.sound, services.clock, services.store},
            makeScreen) {
    loadResources();
    applyGameLook();
}

// The timers stop first: no handler may run into a game that is half torn down.
Application::~Application() {
    for (const ScreenTimers& screen : timers_)
        for (QTimer* t : screen.timers) t->stop();
    for (auto& view : views_) view.reset();
    for (QWidget* w : leaving_) delete w;  // windows whose turn to go had not come yet
    delete help_;
}

void Application::start() {
    dispatch([this] { game_.start(); });
}

void Application::terminate() {
    closing_ = true;
    dispatch([this] {
        game_.Unload(ScreenId::Main);
        game_.End();
    });
}

bool Application::raiseActiveWindow() {
    QWidget* w = QApplication::activeModalWidget();
    // Windows keeps a minimised window active, the main screen too while the dialog that
    // disabled it is hidden with it: the player was using the dialog then.
    if (!w && QApplication::activeWindow() && QApplication::activeWindow()->isEnabled())
        w = QApplication::activeWindow();
    for (int i = kScreenCount - 1; !w && i >= 0; --i)  // dialogs come after their owners
        if (QWidget* screen = window(static_cast<ScreenId>(i));
            screen && screen->isVisible() && screen->isEnabled())
            w = screen;
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

QWidget* Application::window(ScreenId id) const {
    const auto& view = views_[static_cast<int>(id)];
    return view ? view->widget() : nullptr;
}

const QTimer* Application::timer(const Timer& record) const {
    for (const ScreenTimers& screen : timers_)
        for (const GameTimer* t : screen.timers)
            if (t->hook.timer == &record) return t;
    return nullptr;
}

std::unique_ptr<View> Application::makeView(ScreenId id) {
    switch (id) {
        case ScreenId::Title:
            return std::make_unique<TitleView>(*this);
        case ScreenId::Main:
            return std::make_unique<MainScreenView>(*this);
        case ScreenId::Training:
            return std::make_unique<TrainingView>(*this);
        case ScreenId::Shop:
            return std::make_unique<ShopView>(*this);
        case ScreenId::Battle:
            return std::make_unique<BattleView>(*this);
        case ScreenId::Chooser:
            return std::make_unique<ItemChooserView>(*this);
        case ScreenId::Ending:
            return std::make_unique<EndingView>(*this);
    }
    return nullptr;
}

void Application::refresh() {
    syncWindows();
    syncTimers();
    if (game_.ended()) {
        for (auto& view : views_)
            if (view) view->widget()->hide();
        if (help_) help_->close();
        endRun(exitStatus());
    }
}

void Application::syncWindows() {
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        std::unique_ptr<View>& view = views_[i];
        if (!game_.loaded(id)) {
            // A window goes only once no handler runs, and never inside its own event.
            if (view && !game_.handling()) {
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
            view = makeView(id);
            QWidget* w = view->widget();
            if (w->minimumSize() != w->maximumSize()) {  // windows with a menu bar
                w->adjustSize();
                w->setFixedSize(w->size());
            }
            if (QWidget* owner = ownerWindow(id)) keepAbove(w, owner);
            placeNewWindow(id, w);
        }
        QWidget* w = view->widget();
        if (w->isEnabled() != game_.enabled(id)) w->setEnabled(game_.enabled(id));
        view->sync();
        if (game_.visible(id) && !w->isVisible()) {
            // Shown at its own size where placed: show() would fill a browser's page.
            w->setVisible(true);
            w->raise();
            w->activateWindow();
        } else if (!game_.visible(id) && w->isVisible()) {
            w->hide();
        }
    }
}

// New windows open in the middle of the screen, the training dialog over the main
// screen, the item chooser beside the battle; the battle leaves room at its right for
// the chooser where the screen is wide enough.
void Application::placeNewWindow(ScreenId id, QWidget* w) {
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
QMargins Application::frameMargins() {
    for (const auto& view : views_)
        if (view) noteFrame(view->widget());
    return frame_;
}

// Remembers the frame round a shown window, once the window manager has told it.
void Application::noteFrame(const QWidget* w) {
    if (!w->isVisible()) return;
    const QRect frame = w->frameGeometry(), client = w->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (!margins.isNull()) frame_ = margins;
}

QRect Application::availableScreen() const {
    for (const auto& view : views_)
        if (view && view->widget()->isVisible())
            return view->widget()->screen()->availableGeometry();
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The dialogs stay with the window that opens them.
QWidget* Application::ownerWindow(ScreenId id) const {
    if (id == ScreenId::Training) return window(ScreenId::Main);
    if (id == ScreenId::Chooser) return window(ScreenId::Battle);
    return nullptr;
}

QWidget* Application::frontWindow() const {
    for (ScreenId id : {ScreenId::Chooser, ScreenId::Training, ScreenId::Battle, ScreenId::Shop,
                        ScreenId::Main, ScreenId::Ending, ScreenId::Title}) {
        QWidget* w = window(id);
        if (w && w->isVisible()) return w;
    }
    return nullptr;
}

// A timer runs every `Interval` ms, or on the platform's tick when it is designed to run
// as often as the platform allows. A screen's timers are read once, when it has loaded;
// those of a screen that left go with it.
void Application::syncTimers() {
    for (int i = 0; i < kScreenCount; ++i) {
        const auto id = static_cast<ScreenId>(i);
        Screen* screen = game_.ended() ? nullptr : game_.screen(id);
        const ScreenTimers& timed = timers_[i];
        if (timed.screen != screen) retime(id, screen);
        for (GameTimer* t : timed.timers) {
            if (!t->hook.timer->Enabled) {
                t->stop();
                continue;
            }
            const int period = t->hook.pace == Pace::Tick ? kTickMs : t->hook.timer->Interval;
            if (!t->isActive() || t->interval() != period) t->start(period);
        }
    }
}

// Puts the timers of the screen now in a slot in place of those of the one before.
void Application::retime(ScreenId id, Screen* screen) {
    ScreenTimers& timed = timers_[static_cast<int>(id)];
    for (GameTimer* t : timed.timers) {
        t->stop();
        t->deleteLater();  // its handler may be running
    }
    timed.timers.clear();
    timed.screen = screen;
    if (!screen) return;
    for (const TimerHook& hook : screen->timers()) {
        auto* t = new GameTimer(this, id, screen, hook);
        connect(t, &QTimer::timeout, this, [this, t] { fire(t); });
        timed.timers.push_back(t);
    }
}

// A timer's handler runs once at a time: while it waits for a message box, the same
// timer does not call it again.
void Application::fire(GameTimer* t) {
    if (animating_ || game_.ended() || t->held || game_.screen(t->id) != t->screen ||
        !t->hook.timer->Enabled)
        return;
    const QPointer<GameTimer> alive(t);  // the screen may leave while the handler runs
    const std::function<void()> handler = t->hook.fire;
    t->held = true;
    dispatch(handler);
    if (alive) alive->held = false;
}

void Application::deliver(ScreenId id, const std::function<void()>& handler) {
    dispatch([&] {
        if (game_.loaded(id) && game_.enabled(id) && !animating_) handler();
    });
}

void Application::animate(int milliseconds) {
    animating_ = true;
    syncWindows();
    pauseFor(milliseconds);
    animating_ = false;
}

void Application::openHelp() {
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setWindowTitle(QStringLiteral("ゼンタル　お助けヘルプ"));
        help_->setOpenExternalLinks(false);
        QFile css(QStringLiteral(":/help/style.css"));  // rich text takes no linked sheets
        // The text and the key names in the game's font, which differs by platform.
        const QString font = QStringLiteral("body, kbd { font-family: \"%1\"; }")
                                 .arg(gameFontFamilies().join(QStringLiteral("\", \"")));
        if (css.open(QIODevice::ReadOnly))
            help_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()) + font);
        help_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), help_);
        connect(escape, &QShortcut::activated, help_, &QWidget::close);
        const QRect screen = availableScreen();
        const QMargins frame = frameMargins();
        help_->resize(within(QSize(640, 560), frame, screen));
        help_->move(centred(help_->size().grownBy(frame), screen));
    }
    help_->setVisible(true);
    help_->raise();
    help_->activateWindow();
}

}  // namespace zentar
