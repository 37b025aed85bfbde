#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a tool window goes so that it leaves a part of the screen in sight:
// beside it on the right, else on the left, below or above, always inside
// the room the screen gives. Where no side has room, the side that covers
// the least of it.
class WindowPlacement {
public:
    // The top left of a window of frame size `size` placed beside `avoid`
    // within `room` (screen coordinates).
    static QPoint beside(QSize size, const QRect& avoid, const QRect& room);
    // How much of `avoid` a window at `frame` covers, in pixels.
    static qint64 covered(const QRect& frame, const QRect& avoid);
};
