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

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

}  // namespace

QPoint centred(QSize frame, const QRect& screen) {
    QRect r({0, 0}, frame);
    r.moveCenter(screen.center());
    return kept(r, screen).topLeft();
}

QPoint beside(const QRect& anchor, QSize frame, const QRect& screen) {
    const std::array<QPoint, 4> sides = {
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - frame.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        QPoint(anchor.left(), anchor.top() - kGap - frame.height()),
    };
    QRect best;
    qint64 bestCover = -1;
    for (const QPoint& side : sides) {
        const QRect r = kept(QRect(side, frame), screen);
        const qint64 cover = area(r.intersected(anchor));
        if (bestCover < 0 || cover < bestCover) {
            best = r;
            bestCover = cover;
        }
        if (cover == 0) break;
    }
    return best.topLeft();
}

QSize within(QSize wanted, const QMargins& frame, const QRect& screen) {
    const QSize room = screen.size().shrunkBy(frame);
    return wanted.boundedTo(room);
}

}  // namespace zentar
