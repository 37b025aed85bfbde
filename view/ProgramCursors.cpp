#include "view/ProgramCursors.h"

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

} // namespace

QCursor cursor(int id) {
    for (const Picture& p : kPictures) {
        if (p.id != id)
            continue;
        const QPixmap picture(QString::fromLatin1(p.path));
        if (!picture.isNull())
            return QCursor(picture, p.hotSpot.x(), p.hotSpot.y());
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace ProgramCursors
