#pragma once

#include "model/MapArea.h"
#include "model/PixelRect.h"

#include <QPoint>

// Placing an area in picture pixels whatever zoom and scroll position its
// view geometry is held at: view = picture x scale - origin, which the
// area's own truncating division turns back into the same picture pixels.
// The tools compute in picture pixels and write through these, so that an
// area lands exactly on the pixels its feedback showed.
namespace AreaPlacement {

QPoint toView(const MapArea& area, QPoint picture);
// A rectangle or circle takes the picture rectangle.
void setPictureRect(MapArea& area, const PixelRect& picture);
// Polygon vertex i moves to a picture point.
void setPictureVertex(MapArea& area, int i, QPoint picture);
// The move, at most d, that keeps box (the area's picture rectangle)
// inside bounds; a box larger than bounds keeps its left and top on them.
QPoint keptInside(const PixelRect& box, QPoint d, const PixelRect& bounds);

} // namespace AreaPlacement
