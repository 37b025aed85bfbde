#pragma once

#include "model/GridSettings.h"
#include "model/PixelRect.h"

#include <QPoint>

// Where the next paste puts its area, in image pixels. Copy sets it a
// little below and right of the copied area; each paste advances it, so
// repeated pastes cascade down and to the right; a copy that would leave
// the picture is moved back inside it, to end at its right or bottom edge
// (on the last grid line that leaves room while snapping to the grid).
class PastePosition {
public:
    QPoint point; // (0, 0) until the first copy

    // Copy: the copied area's image rectangle and the view's scroll position.
    void setFromCopy(const PixelRect& imageRect, QPoint scroll);
    // Where a copy whose rectangle is recordRect (left and top 0) goes on a
    // picture of the given size: the position, snapped to the grid while
    // snapping is on, moved back to end inside the picture and never left
    // of or above it.
    QPoint placeFor(const PixelRect& recordRect, const GridSettings& grid, int pictureWidth,
                    int pictureHeight) const;
    // After a paste at placed: the next position, (10, 10) further, or one
    // grid step while snapping.
    void advanceFrom(QPoint placed, const GridSettings& grid);

    static constexpr int kCascade = 10;
};
