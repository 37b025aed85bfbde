#include "view/ProgramCursors.h"

#include <QHash>
#include <QPainter>
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

// A 32 x 32 cross hair with its hot spot at (8, 8) and the tool's shape
// below and right of it, black on a white halo so it shows on any picture.
QCursor drawn(int id) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const auto draw = [&](const QColor& color, int width) {
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(8, 1, 8, 15);
        painter.drawLine(1, 8, 15, 8);
        switch (id) {
        case CircleTool:
            painter.drawEllipse(QRect(16, 16, 12, 12));
            break;
        case RectangleTool:
            painter.drawRect(QRect(16, 17, 13, 10));
            break;
        case PolygonTool:
            painter.drawPolygon(
                QPolygon({QPoint(16, 27), QPoint(20, 16), QPoint(29, 20), QPoint(25, 28)}));
            break;
        case TraceTool: // a shape's outline with the clicked point inside
            painter.drawPolygon(QPolygon({QPoint(17, 19), QPoint(22, 15), QPoint(29, 18),
                                          QPoint(27, 24), QPoint(30, 29), QPoint(20, 28)}));
            painter.drawPoint(23, 22);
            break;
        default: // a vertex: a small square on the cross
            painter.drawRect(QRect(5, 5, 6, 6));
            break;
        }
    };
    draw(Qt::white, 3);
    draw(Qt::black, 1);
    painter.end();
    return QCursor(picture, 8, 8);
}

QCursor make(int id) {
    if (id >= standard(Qt::ArrowCursor) && id <= standard(Qt::LastCursor))
        return QCursor(Qt::CursorShape(id - standard(Qt::ArrowCursor)));
    if (id >= CircleTool && id <= TraceTool)
        return drawn(id);
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
