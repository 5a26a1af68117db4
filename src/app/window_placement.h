// Where the game's windows open on the screen, as frame rectangles in the screen's
// coordinates: a window opens in the middle of the screen, a dialog beside the window
// it belongs to, and no window opens with its title bar out of reach.
#pragma once

#include <QMargins>
#include <QRect>

namespace zentar {

// The top left of a window of frame size `frame` in the middle of `screen`.
QPoint centred(QSize frame, const QRect& screen);

// The top left of a dialog of frame size `frame` in the middle of `anchor`, kept on
// `screen`.
QPoint over(const QRect& anchor, QSize frame, const QRect& screen);

// The top left of a window of frame size `frame` that will have a dialog of frame size
// `dialog` at its right: the two side by side in the middle of `screen` when both fit
// across it, else the window alone in the middle.
QPoint centredWithRoom(QSize frame, QSize dialog, const QRect& screen);

// The top left of a dialog of frame size `frame` beside `anchor`: on the first of the
// right, the left, below and above where it fits on `screen`; where none has room,
// above it, kept on the screen, where it covers the least that matters of a window.
QPoint beside(const QRect& anchor, QSize frame, const QRect& screen);

// The top left of a window of frame rectangle `frame` moved back onto `screen`, as little as
// it takes; one larger than the screen keeps its top left on it.
QPoint keptOn(const QRect& frame, const QRect& screen);

// The size of a window that should be `wanted` but fits into `screen` with its frame.
QSize within(QSize wanted, const QMargins& frame, const QRect& screen);

}  // namespace zentar
