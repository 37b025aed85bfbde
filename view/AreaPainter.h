#pragma once

#include "model/PixelRect.h"
#include "view/AreaStyle.h"

#include <QImage>
#include <QPoint>

class AreaGeometry;
class QPainter;

// Draws areas at their window geometry (AreaGeometry) with the shared
// style: the optional hatch fill, the one-pixel dotted outline in the
// state's colour with its gaps in the state's background colour, then the
// handles. Leaves the painter's pen, brush, background and brush origin
// changed.
class AreaPainter {
public:
    // hatchOrigin: where the fill's hatch pattern is anchored, the same for
    // every area of a view so that neighbouring fills line up.
    AreaPainter(QPainter& painter, const AreaStyle& style, QPoint hatchOrigin);

    // hollowHandles: the handles as frames (a selected area that is not the
    // key area).
    void draw(const AreaGeometry& area, AreaDrawState state, bool hollowHandles = false);

private:
    void fill(const AreaGeometry& area);
    void outline(const AreaGeometry& area, const AreaStyle::StatePens& pens);
    void dottedFrame(const PixelRect& r, const AreaStyle::StatePens& pens);
    void handles(const AreaGeometry& area, bool hollow);
    void handle(const PixelRect& square, bool hollow);
    // The handle pattern from its origin, at least w x h.
    const QImage& handleTile(int w, int h);

    QPainter& m_painter;
    const AreaStyle& m_style;
    QPoint m_hatchOrigin;
    QImage m_handleTile;
    QImage m_hollowTile; // the frame of the last hollow handle's size
};
