// Where the game's windows open on the screen, as frame rectangles in the screen's
// coordinates: a window opens in the middle of the screen, a dialog beside the window
// it belongs to, and no window opens with its title bar out of reach.
#pragma once

#include <QMargins>
#include <QRect>

namespace zentar {

// The top left of a window of frame size `frame` in the middle of `screen`.
QPoint centred(QSize frame, const QRect& screen);

// The top left of a window of frame size `frame` beside `anchor`: on the first of the
// right, the left, below and above where it fits on `screen`; where none has room, the
// one of them where it covers the least of `anchor`.
QPoint beside(const QRect& anchor, QSize frame, const QRect& screen);

// The size of a window that should be `wanted` but fits into `screen` with its frame.
QSize within(QSize wanted, const QMargins& frame, const QRect& screen);

}  // namespace zentar
