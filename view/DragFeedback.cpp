#include "view/DragFeedback.h"

#include <QPainter>

namespace DragFeedback {

namespace {

// Draws shape twice: solid white, then black dashes over it.
template <typename Draw>
void twoTone(QPainter& painter, Draw draw) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    draw();
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    draw();
    painter.restore();
}

} // namespace

// Outlines run along the inside of the pixels they enclose: a rectangle
// of w x h pixels is drawn from its first to its last pixel.
void rect(QPainter& painter, const QRect& r) {
    twoTone(painter, [&] { painter.drawRect(r.adjusted(0, 0, -1, -1)); });
}

void ellipse(QPainter& painter, const QRect& r) {
    twoTone(painter, [&] { painter.drawEllipse(r.adjusted(0, 0, -1, -1)); });
}

void polyline(QPainter& painter, const QPolygon& points) {
    twoTone(painter, [&] { painter.drawPolyline(points); });
}

void cross(QPainter& painter, QPoint c) {
    twoTone(painter, [&] {
        painter.drawLine(c.x() - kCrossArm, c.y(), c.x() + kCrossArm, c.y());
        painter.drawLine(c.x(), c.y() - kCrossArm, c.x(), c.y() + kCrossArm);
    });
}

QRect covering(const QRect& r) {
    return r.normalized().adjusted(-2, -2, 2, 2);
}

QRect covering(const QPolygon& points) {
    return covering(points.boundingRect());
}

} // namespace DragFeedback

namespace DragFeedback {

QList<QRect> strips(const QRect& r) {
    const QRect c = covering(r);
    constexpr int kThick = 5; // the pen and the two pixels around it, each side
    if (c.width() <= 2 * kThick || c.height() <= 2 * kThick)
        return {c};
    return {QRect(c.left(), c.top(), c.width(), kThick),
            QRect(c.left(), c.bottom() - kThick + 1, c.width(), kThick),
            QRect(c.left(), c.top() + kThick, kThick, c.height() - 2 * kThick),
            QRect(c.right() - kThick + 1, c.top() + kThick, kThick, c.height() - 2 * kThick)};
}

} // namespace DragFeedback
