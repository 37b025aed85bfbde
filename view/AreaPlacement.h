#pragma once

#include "model/PixelRect.h"

#include <QPoint>

// Keeping a dragged area inside the picture, in picture pixels.
namespace AreaPlacement {

// The move, at most d, that keeps box (the area's picture rectangle)
// inside bounds; a box larger than bounds keeps its left and top on them.
QPoint keptInside(const PixelRect& box, QPoint d, const PixelRect& bounds);

} // namespace AreaPlacement
