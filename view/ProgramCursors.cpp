#include "view/ProgramCursors.h"

#include <QHash>
#include <QPixmap>

namespace ProgramCursors {

namespace {

struct Picture {
    int id;
    const char* path;
    QPoint hotSpot;
};

// The grid cursors are 32 x 32 with the line they stand for through the
// centre.
constexpr Picture kPictures[] = {
    {GridBoth, ":/cursors/grid-both.png", {15, 15}},
    {GridVertical, ":/cursors/grid-vertical.png", {15, 15}},
    {GridHorizontal, ":/cursors/grid-horizontal.png", {15, 15}},
};

QCursor make(int id) {
    for (const Picture& p : kPictures) {
        if (p.id != id)
            continue;
        const QPixmap picture(QString::fromLatin1(p.path));
        if (!picture.isNull())
            return QCursor(picture, p.hotSpot.x(), p.hotSpot.y());
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace

// Asked on every mouse move with Ctrl held: each picture is decoded once.
QCursor cursor(int id) {
    static QHash<int, QCursor> made;
    auto it = made.constFind(id);
    if (it == made.constEnd())
        it = made.insert(id, make(id));
    return *it;
}

} // namespace ProgramCursors
