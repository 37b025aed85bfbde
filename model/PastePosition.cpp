#include "model/PastePosition.h"

#include <algorithm>

namespace {

// Grid spacing as snapping divides by it: never below one pixel.
int step(int size) {
    return std::max(size, 1);
}

int snap(int v, int size, int offset) {
    return ((v - offset) / step(size)) * step(size) + offset; // truncating division
}

} // namespace

void PastePosition::setFromCopy(const PixelRect& imageRect, QPoint scroll) {
    point = {imageRect.left - scroll.x() + kCascade, imageRect.top - scroll.y() + kCascade};
}

QPoint PastePosition::placeFor(const PixelRect& recordRect, const GridSettings& grid,
                               int pictureWidth, int pictureHeight) const {
    QPoint p = point;
    if (grid.enabled)
        p = {snap(p.x(), grid.sizeX, grid.offX), snap(p.y(), grid.sizeY, grid.offY)};
    const qint64 left = qint64(p.x()) + recordRect.left, top = qint64(p.y()) + recordRect.top;
    const qint64 right = qint64(p.x()) + recordRect.right;
    const qint64 bottom = qint64(p.y()) + recordRect.bottom;
    // Beyond the right or bottom edge the cascade starts again; a position
    // left of or above the picture (a copy from a scrolled view) would put
    // the copy where it cannot be reached, so it starts again too.
    if (right > pictureWidth || bottom > pictureHeight || left < 0 || top < 0)
        p = grid.enabled ? QPoint(grid.offX, grid.offY) : QPoint(0, 0);
    return p;
}

void PastePosition::advanceFrom(QPoint placed, const GridSettings& grid) {
    point = grid.enabled ? placed + QPoint(step(grid.sizeX), step(grid.sizeY))
                         : placed + QPoint(kCascade, kCascade);
}
