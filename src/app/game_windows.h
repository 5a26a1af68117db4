// The game's windows: one Qt window for each loaded screen, made from the table of screens
// and placed on the screen as it opens, brought up to date after every handled event; the
// help window beside them; and Alt's way to their menu bars.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <memory>
#include <vector>

#include "core/screen.h"
#include "platform/window_in_use.h"
#include "widgets/view.h"

class QTextBrowser;
class QWidget;

namespace zentar {

class ScreenHost;

// Alt pressed alone takes the keyboard to the menu bar of the window in use. Qt's menu bar
// looks for a press that reports Alt held, as the desktops report it; a browser reports the
// key's own press the other way round, so such a press is read the desktops' way.
class AltKey : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class GameWindows {
  public:
    explicit GameWindows(ScreenHost& host);
    ~GameWindows();

    // The window of a screen, when it has one.
    QWidget* window(ScreenId id) const;
    // Makes, shows, hides and lets go the windows as the game's screens now are.
    void sync();
    // Hides every window once the game has ended.
    void closeAll();

    // The window a message box stays above: the one most in front that shows.
    QWidget* frontWindow() const;
    // Brings the window the player was using to the front: the open message box or
    // dialog, else the screen that takes input. False when no window is open.
    bool raiseActiveWindow();
    void openHelp();
    // Tells the platform which window the player uses and the keys it answers, when that
    // has changed.
    void tellWindowInUse();

  private:
    void placeNewWindow(ScreenId id, QWidget* w);
    // Moves every open window back into view once the screen has changed (a page made
    // smaller or turned).
    void keepInView();
    QWidget* screenInUse() const;
    QList<OnScreenKey> keysOf(QWidget* w) const;
    QWidget* ownerWindow(ScreenId id) const;
    QMargins frameMargins();
    void noteFrame(const QWidget* w);
    QRect availableScreen() const;

    ScreenHost& host_;
    std::array<std::unique_ptr<View>, kScreenCount> views_;
    std::vector<QPointer<QWidget>> leaving_;  // closed windows, deleted once no event runs
    QPointer<QTextBrowser> help_;
    QMargins frame_;  // the window manager's frame, as last seen round a shown window
    AltKey altKey_;
    QPointer<QWidget> fitted_, keyed_;   // the windows in use, as last told
    std::unique_ptr<QObject> watching_;  // the screen and the focus, while the windows live
};

}  // namespace zentar
