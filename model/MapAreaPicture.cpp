// PictureArea: the picture-pixel value an area is kept as.
#include "model/PictureArea.h"

PixelRect PictureArea::bounds() const {
    if (shape != AreaShape::Polygon)
        return rect;
    // QPolygon's box holds its last vertex's pixel; empty gives an empty box.
    return PixelRect::fromQRect(points.boundingRect());
}

PictureArea PictureArea::translated(int dx, int dy) const {
    PictureArea moved = *this;
    moved.rect = rect.translated(dx, dy);
    moved.points.translate(dx, dy);
    return moved;
}
