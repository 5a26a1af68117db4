// The event loop's waits, its keyboard and its end. Waiting in the middle of a handler,
// for a message box's answer or while an effect plays: the desktop runs a nested event
// loop; the browser gets no turn from one, so there the game sleeps instead and the page
// keeps painting and delivering input. A file each, and the browser's keyboard one more.
#pragma once

class QMessageBox;

namespace zentar {

class Application;

// Shows `box` over its window and returns once the player has answered it.
void waitForAnswer(QMessageBox& box);

// Lets the windows repaint for `milliseconds`; the player's input waits meanwhile.
void pauseFor(int milliseconds);

// Routes the keyboard as a desktop's window system does: back to the window the player
// was using when another closes or when a box waiting for its answer is clicked past, and
// text composed with an input method (kana to kanji, for a name) to the focused text box.
// The desktop's Qt has all this from the system; the browser's sees only the keys.
void routeKeyboard(Application& app);

// Ends the run of the program with `status` once the game has ended. The browser's event
// loop never returns, so there the page is told as well.
void endRun(int status);

}  // namespace zentar
