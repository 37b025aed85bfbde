#pragma once

#include "model/PixelRect.h"
#include "view/AreaGeometry.h"
#include "view/GridSnap.h"

#include <QPoint>

// Where a drag puts a rectangle or circle, in picture pixels: the rules of
// handle and body drags without the mouse and the window.
//
// Handle h moves its edges (0 top and left, 1 top and right, 2 bottom and
// right, 3 bottom and left, 4 top, 5 right, 6 bottom, 7 left, the body all
// four) by the mouse's travel in picture pixels; with the grid on each
// moved edge snaps to it (the body moves by the travel between the snapped
// press and mouse points). Edges stay inside the bounds (a moved body is
// pushed back whole) and inverted edges are swapped. A circle stays a
// circle: after a corner drag the shorter side takes the longer one's
// length with the opposite corner in place, after a side drag the other
// side takes the same length about the centre; a step that would leave the
// bounds is not taken. Shift on a rectangle's corner drag squares it to the
// shorter side, the opposite corner in place.
class FrameGeometry {
public:
    FrameGeometry(const PixelRect& start, int handle, AreaShape shape, const PixelRect& bounds,
                  const GridSnap& snap, QPoint press);

    // The rectangle with the mouse at picture point `at`; previous is where
    // the last step left it (kept when a circle could not be made).
    PixelRect at(QPoint at, bool shift, const PixelRect& previous) const;
    const PixelRect& start() const { return m_start; }
    // Whether Shift squares the rectangle: a rectangle's corner drag.
    bool squaresWithShift() const;
    int handle() const { return m_handle; }

private:
    PixelRect moveBody(QPoint at) const;
    PixelRect squared(const PixelRect& r, bool longer) const;
    PixelRect circleFromSide(const PixelRect& r) const;

    PixelRect m_start;
    int m_handle;
    AreaShape m_shape;
    PixelRect m_bounds;
    GridSnap m_snap;
    QPoint m_press;
};
