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

// One coordinate of a paste: snapped while snapping, then moved back so that
// a copy of the given extent ends inside the picture (on the grid while
// snapping, where the grid leaves room), and never before its start. A copy
// larger than the picture starts at 0; the paste cuts it to the picture.
int placeAlong(int v, int extent, int picture, bool snapping, int size, int offset) {
    if (snapping)
        v = snap(v, size, offset);
    const qint64 last = qint64(picture) - extent; // the last start that fits
    if (v > last) {
        v = int(std::max<qint64>(last, 0));
        if (snapping && snap(v, size, offset) <= v)
            v = snap(v, size, offset);
    }
    if (v < 0) // a copy from a scrolled view, or a grid offset before the picture
        v = snapping && offset >= 0 && offset <= last ? offset : 0;
    return v;
}

} // namespace

void PastePosition::setFromCopy(const PixelRect& imageRect, QPoint scroll) {
    point = {imageRect.left - scroll.x() + kCascade, imageRect.top - scroll.y() + kCascade};
}

QPoint PastePosition::placeFor(const PixelRect& recordRect, const GridSettings& grid,
                               int pictureWidth, int pictureHeight) const {
    return {
        placeAlong(point.x(), recordRect.right, pictureWidth, grid.enabled, grid.sizeX, grid.offX),
        placeAlong(point.y(), recordRect.bottom, pictureHeight, grid.enabled, grid.sizeY,
                   grid.offY)};
}

void PastePosition::advanceFrom(QPoint placed, const GridSettings& grid) {
    point = grid.enabled ? placed + QPoint(step(grid.sizeX), step(grid.sizeY))
                         : placed + QPoint(kCascade, kCascade);
}
