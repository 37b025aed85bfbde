#pragma once

#include <QSize>

// The main frame's first size on a screen whose available room is given in
// device-independent pixels (what QScreen reports at any scale factor): a
// share of it, but on a small room (a high scale factor) enough to show a
// map beside its list, up to all of the room.
inline QSize firstFrameSize(QSize room) {
    const QSize share = room * 3 / 4;
    const QSize least = QSize(960, 640).boundedTo(room);
    return share.expandedTo(least);
}

// The size the frame opens at: the one it was left at (in the same
// device-independent pixels), kept within the room and large enough to
// use, else the first size.
inline QSize openingFrameSize(QSize room, QSize remembered) {
    if (remembered.width() <= 0 || remembered.height() <= 0)
        return firstFrameSize(room);
    return remembered.expandedTo(QSize(320, 240)).boundedTo(room);
}
