// The keyboard's way to the game's windows.
#pragma once

#include <functional>

class QObject;

namespace zentar {

// Routes the keyboard as a desktop's window system does, while `owner` lives: back to the
// window the player was using when another closes or when a box waiting for its answer is
// clicked past (`raiseActiveWindow` brings it forward), and text composed with an input
// method (kana to kanji, for a name) to the focused text box. The desktop's Qt has all
// this from the system; the browser's sees only the keys.
void routeKeyboard(QObject* owner, std::function<bool()> raiseActiveWindow);

}  // namespace zentar
