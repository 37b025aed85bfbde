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
