// The real windows on the offscreen platform: a game in its Qt windows on fakes, with the
// saved game in a scratch folder, and helpers to answer message boxes and find controls.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "battle/battle.h"
#include "country/main_screen.h"
#include "fake_platform.h"
#include "scratch_store.h"
#include "widgets/game_look.h"

namespace zentar {

// Fakes of the services the windows are handed: seeded draws, a beep that only counts and
// a fixed clock; the saved game goes to the store a test gives, else into memory.
struct FakeServices {
    FakeRandom random;
    FakeSound sound;
    FakeClock clock;
    FakeStore memory;

    FakeServices() { random.useSeed(1); }
    AppServices services(Store& store) { return {random, sound, clock, clock, store}; }
    AppServices services() { return services(memory); }
};

struct WindowSession : ScratchStore {
    FakeServices fakes;
    Application app{fakes.services(store)};

    WindowSession() { app.game().st.kaigyo = QStringLiteral("\r\n"); }

    Game& game() { return app.game(); }
    QWidget* window(ScreenId id) { return app.window(id); }

    // A control of a screen's window by its name.
    template <typename W>
    W* control(ScreenId id, const char* name) {
        QWidget* w = window(id);
        return w ? w->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    }

    // A new game with the main screen shown and its status up to date.
    QWidget* newGameOnMain() {
        game().st.newGame({});
        app.dispatch([this] { game().Show(ScreenId::Main); });
        QWidget* main = window(ScreenId::Main);
        main->activateWindow();
        QTest::qWait(60);  // the status refresh is a timer tick away
        return main;
    }

    // From the main screen, a battle against `rival` paused at once in its menu, with
    // "アイテム使わせろ！" chosen.
    Form3& pausedBattle(int rival) {
        app.dispatch([&] {
            Form2& main = *game().find<Form2>();
            main.hyouji = rival;
            main.N3_Click();
            Form3& battle = *game().find<Form3>();
            battle.Timer1.Enabled = false;
            battle.Form_KeyDown(13);
            battle.SENPO_Click(2);
        });
        return *game().find<Form3>();
    }
};

// How many pixels of a widget `act` changes into a colour that stands out from the one
// before: a mark the player sees against what was there.
inline int visibleChange(QWidget* w, const std::function<void()>& act) {
    const QImage before = w->grab().toImage();
    act();
    const QImage after = w->grab().toImage();
    int count = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            count += contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= kVisibleContrast;
    return count;
}

// Whether a widget's focus mark shows: a ring the player sees, there only while the
// widget has the keyboard.
inline bool focusShows(QWidget* w) {
    w->clearFocus();
    return visibleChange(w, [w] { w->setFocus(); }) >= w->width() + w->height() && w->hasFocus();
}

// The message box that is open, if any.
inline QMessageBox* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

// Once the next message box opens, runs `look` on it and presses `button` in it.
inline void answerNextBox(const QString& button, std::function<void(QMessageBox*)> look = nullptr) {
    QTimer::singleShot(0, [button, look] {
        QMessageBox* box = openBox();
        if (!box) return answerNextBox(button, look);  // not open yet: look again
        if (look) look(box);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) return b->click();
    });
}

// Answers every message box that opens while it lives, Yes/No boxes with `button` and
// the others with OK, and keeps the texts.
class BoxWatcher : public QObject {
  public:
    explicit BoxWatcher(QString button) : button_(std::move(button)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            QMessageBox* box = openBox();
            if (!box) return;
            texts << box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button_ || b->text() == QStringLiteral("OK")) return b->click();
        });
        poll_.start(5);
    }
    QStringList texts;

  private:
    QString button_;
    QTimer poll_;
};

inline QAction* menuAction(QWidget* window, const QString& text) {
    auto* w = qobject_cast<QMainWindow*>(window);
    if (!w) return nullptr;
    for (QAction* top : w->menuBar()->actions()) {
        if (top->text() == text) return top;
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text() == text) return a;
    }
    return nullptr;
}

}  // namespace zentar
