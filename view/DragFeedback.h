#pragma once

#include <QList>
#include <QPolygon>
#include <QRect>

class QPainter;

// The outlines drags draw as feedback: black dashes on white, which show
// on any picture (inverting a mid-grey picture would leave them unseen).
// Each drag repaints the old and new places of its outline, so the
// feedback leaves no trace when it moves or ends.
namespace DragFeedback {

// Drawn over what the view painted (the view's feedback painter inverts
// by default; these draw as they are).
void rect(QPainter& painter, const QRect& r);
void ellipse(QPainter& painter, const QRect& r);
void polyline(QPainter& painter, const QPolygon& points);
// The two 13-pixel strokes that mark a circle's centre.
void cross(QPainter& painter, QPoint centre);
// The window rectangle an outline of r covers, with room for the pen.
QRect covering(const QRect& r);
QRect covering(const QPolygon& points);
// The four strips a rectangle's outline of r covers: all a moving
// rectangle needs repainted, however large it is.
QList<QRect> strips(const QRect& r);

constexpr int kCrossArm = 6;

} // namespace DragFeedback
