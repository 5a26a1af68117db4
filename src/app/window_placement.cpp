#include "app/window_placement.h"

#include <algorithm>
#include <array>

namespace zentar {
namespace {

constexpr int kGap = 8;  // pixels between a dialog and its window

// A rectangle moved into the screen; one larger than the screen keeps its top left on it.
QRect kept(QRect r, const QRect& screen) {
    r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() + 1 - r.width())));
    r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() + 1 - r.height())));
    return r;
}

}  // namespace

QPoint centred(QSize frame, const QRect& screen) {
    return over(screen, frame, screen);
}

QPoint over(const QRect& anchor, QSize frame, const QRect& screen) {
    QRect r({0, 0}, frame);
    r.moveCenter(anchor.center());
    return kept(r, screen).topLeft();
}

QPoint centredWithRoom(QSize frame, QSize dialog, const QRect& screen) {
    const QSize pair(frame.width() + kGap + dialog.width(), frame.height());
    if (pair.width() > screen.width()) return centred(frame, screen);
    return centred(pair, screen);
}

QPoint beside(const QRect& anchor, QSize frame, const QRect& screen) {
    const QPoint above(anchor.left(), anchor.top() - kGap - frame.height());
    const std::array<QPoint, 4> sides = {
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - frame.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        above,
    };
    for (const QPoint& side : sides) {
        const QRect r(side, frame);
        if (screen.contains(r)) return side;
    }
    return kept(QRect(above, frame), screen).topLeft();
}

QPoint keptOn(const QRect& frame, const QRect& screen) {
    return kept(frame, screen).topLeft();
}

QSize within(QSize wanted, const QMargins& frame, const QRect& screen) {
    const QSize room = screen.size().shrunkBy(frame);
    return wanted.boundedTo(room);
}

}  // namespace zentar
