#include "view/WindowPlacement.h"

#include <algorithm>
#include <array>

namespace {

// A little air between the window and what it keeps in sight.
constexpr int kGap = 8;

QPoint within(QPoint at, QSize size, const QRect& room) {
    const int x =
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y =
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

qint64 WindowPlacement::covered(const QRect& frame, const QRect& avoid) {
    const QRect both = frame.intersected(avoid);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

QPoint WindowPlacement::beside(QSize size, const QRect& avoid, const QRect& room) {
    const std::array<QPoint, 4> sides = {
        QPoint(avoid.right() + 1 + kGap, avoid.top()),
        QPoint(avoid.left() - kGap - size.width(), avoid.top()),
        QPoint(avoid.left(), avoid.bottom() + 1 + kGap),
        QPoint(avoid.left(), avoid.top() - kGap - size.height()),
    };
    QPoint best;
    qint64 least = -1;
    for (const QPoint& side : sides) {
        const QPoint at = within(side, size, room);
        const qint64 over = covered(QRect(at, size), avoid);
        if (least < 0 || over < least) {
            best = at;
            least = over;
        }
        if (over == 0)
            break;
    }
    return best;
}
