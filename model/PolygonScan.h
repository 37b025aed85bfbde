#pragma once

#include "model/PixelRect.h"

#include <QPoint>
#include <Qt>

class PixelRegion;

// Scan conversion of a closed polygon with the winding rule, pixel for pixel
// as the platform's polygon regions do it (QRegion(polygon, Qt::WindingFill)),
// without building the region: a region of a large self-crossing polygon
// holds a rectangle per span and takes milliseconds to build, while these
// walk each pixel row once.
//
// Pixel rows are sampled at whole y: an edge from (x1, y1) to (x2, y2), taken
// top to bottom, covers rows y1 <= y < y2 at x = x1 + ceil((y - y1) * dx / dy);
// horizontal edges count for nothing. In a row, a span runs from the edge
// where the winding number leaves 0 to the edge where it returns to 0, the
// left pixel included and the right one not.
namespace PolygonScan {

// The bounding box of the polygon's pixels; empty when it covers none.
// points are the vertices in order (the ring closes from the last to the
// first by itself). A polygon more than 32,768 rows tall, far beyond any
// picture, has the box of its vertices instead, which is found at once.
PixelRect bounds(const QPoint* points, int count);
// Whether pixel (x, y) belongs to the polygon.
bool contains(const QPoint* points, int count, int x, int y);
// Replaces out with the polygon's pixels under the given fill rule (with
// the odd-even rule a row's spans run between the first and second
// crossing, the third and fourth, and so on). Any number of points; the
// caller keeps coordinates within PixelRegion::kLimit.
void fill(const QPoint* points, int count, Qt::FillRule rule, PixelRegion& out);

} // namespace PolygonScan
