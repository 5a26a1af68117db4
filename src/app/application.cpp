#include "app/application.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

#include "battle/battle_view.h"
#include "battle/item_chooser_view.h"
#include "country/main_screen_view.h"
#include "country/shop_view.h"
#include "country/training_view.h"
#include "ending/ending_view.h"
#include "platform/controls.h"
#include "title/title_view.h"

// The pictures and the manual are compiled into the view library.
static void loadResources() {
    Q_INIT_RESOURCE(assets);
}

namespace zentar {

Application::Application() : game_(platform_) {
    loadResources();
    platform_.onHelp = [this] { openHelp(); };
    platform_.onPump = [this] { syncWindows(); };
}

// The timers stop first: closing the sound stream pumps the event loop, and no handler
// may run into a game that is half torn down.
Application::~Application() {
    for (const auto& qtimers : timers_)
        for (QTimer* t : qtimers) t->stop();
    for (auto& view : views_) view.reset();
    delete help_;
}

void Application::start() {
    dispatch([this] { game_.start(); });
}

void Application::terminate() {
    platform_.closing = true;
    dispatch([this] {
        game_.Unload(ScreenId::Main);
        game_.End();
    });
}

QWidget* Application::window(ScreenId id) const {
    const auto& view = views_[static_cast<int>(id)];
    return view ? view->widget() : nullptr;
}

const QTimer* Application::timer(ScreenId id, int index) const {
    const std::vector<QTimer*>& qtimers = timers_[static_cast<int>(id)];
    return index >= 0 && index < static_cast<int>(qtimers.size()) ? qtimers[index] : nullptr;
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
        QCoreApplication::exit(0);
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
                w->hide();
                w->deleteLater();
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
            placeNewWindow(id, w);
        }
        QWidget* w = view->widget();
        view->sync();
        if (w->isEnabled() != game_.enabled(id)) w->setEnabled(game_.enabled(id));
        if (game_.visible(id) && !w->isVisible()) {
            w->show();
            w->raise();
            w->activateWindow();
        } else if (!game_.visible(id) && w->isVisible()) {
            w->hide();
        }
    }
}

// New windows open in the middle of the screen; the item chooser opens beside the battle.
void Application::placeNewWindow(ScreenId id, QWidget* w) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QPoint at = screen.center() - w->rect().center();
    if (QWidget* battle = window(ScreenId::Battle); id == ScreenId::Chooser && battle) {
        const QRect b = battle->frameGeometry();
        at = QPoint(b.right() + 8, b.top());
        if (at.x() + w->frameGeometry().width() > screen.right())
            at = QPoint(b.left(), b.bottom() + 8);
        if (at.y() + w->frameGeometry().height() > screen.bottom()) at = screen.topLeft();
    }
    w->move(at);
}

// A timer runs every `Interval` ms, or on the platform's tick when it is designed to run
// as often as the platform allows.
void Application::syncTimers() {
    for (int i = 0; i < kScreenCount; ++i) {
        Screen* screen = game_.screen(static_cast<ScreenId>(i));
        const std::vector<TimerHook> hooks =
            screen && !game_.ended() ? screen->timers() : std::vector<TimerHook>{};
        std::vector<QTimer*>& qtimers = timers_[i];
        while (qtimers.size() < hooks.size()) {
            auto* t = new QTimer(this);
            t->setTimerType(Qt::PreciseTimer);
            const int index = static_cast<int>(qtimers.size());
            connect(t, &QTimer::timeout, this,
                    [this, i, index] { fire(static_cast<ScreenId>(i), index); });
            qtimers.push_back(t);
        }
        for (std::size_t k = 0; k < qtimers.size(); ++k) {
            QTimer* t = qtimers[k];
            if (k >= hooks.size() || !hooks[k].timer->Enabled) {
                t->stop();
                continue;
            }
            const int period = hooks[k].pace == Pace::Tick ? kTickMs : hooks[k].timer->Interval;
            if (!t->isActive() || t->interval() != period) t->start(period);
        }
    }
}

// A timer's handler runs once at a time: while it waits for a message box, the same
// timer does not call it again.
void Application::fire(ScreenId id, int index) {
    const std::pair<int, int> key{static_cast<int>(id), index};
    if (platform_.animating() || game_.ended() || held_.count(key)) return;
    Screen* screen = game_.screen(id);
    if (!screen) return;
    std::vector<TimerHook> hooks = screen->timers();
    if (index >= static_cast<int>(hooks.size()) || !hooks[index].timer->Enabled) return;
    held_.insert(key);
    dispatch(hooks[index].fire);
    held_.erase(key);
}

void Application::openHelp() {
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setWindowTitle(QStringLiteral("ゼンタル　お助けヘルプ"));
        help_->setOpenExternalLinks(false);
        QFile css(QStringLiteral(":/help/style.css"));  // rich text takes no linked sheets
        if (css.open(QIODevice::ReadOnly))
            help_->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
        help_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
        help_->resize(640, 560);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

}  // namespace zentar
