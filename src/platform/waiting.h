// Waiting in the middle of a handler, for a message box's answer or while an effect plays,
// without spinning: the desktop runs a nested event loop; the browser gets no turn from
// one, so there the game sleeps instead and the page keeps painting and delivering input.
#pragma once

class QMessageBox;

namespace zentar {

// Shows `box` over its window and returns once the player has answered it.
void waitForAnswer(QMessageBox& box);

// Lets the windows repaint for `milliseconds`; the player's input waits meanwhile.
void pauseFor(int milliseconds);

}  // namespace zentar
