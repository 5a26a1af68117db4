// What the platform shows around the game's windows for the window the player uses. The
// page fits the game's windows to the screen by the screen window in use, and offers the
// keys of the window that has the keyboard as large on-screen keys, for a player with no
// keyboard. The desktops have their own window system and keyboard: nothing there.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QWidget;

namespace zentar {

// A key the window that has the keyboard answers: what it does, and the key.
struct OnScreenKey {
    QString action;
    QKeySequence key;
};

// Tells the platform the screen window the player uses (`fitted`, none between screens)
// and the keys the window with the keyboard answers.
void showWindowInUse(QWidget* fitted, const QList<OnScreenKey>& keys);

}  // namespace zentar
