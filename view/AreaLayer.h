#pragma once

#include <QImage>
#include <QRegion>

#include <functional>

class QPainter;

// The areas as the map view last drew them, kept between paints over a
// transparent ground the size of the window. A paint that exposes only
// what is kept (another window moved away, the feedback of a drag, the
// grid redrawn) costs one copy of the exposed pixels, however many areas
// and points the map holds; only what was marked changed is drawn again,
// with the areas that meet it.
//
// The view marks what changes: an area's extent when the area, its state
// or its place in the map order changes, everything when the zoom, the
// layout, the style or the window's size does. Scrolling moves what is
// kept with the window, so that only the uncovered strip is drawn.
class AreaLayer {
public:
    // Draws the areas that meet a region, in map order, into a painter
    // already clipped to it.
    using DrawAreas = std::function<void(QPainter& painter, const QRegion& region)>;

    // Everything is drawn again at the next paint.
    void invalidate();
    // What lies in rect (window pixels) is drawn again.
    void invalidate(const QRect& rect);
    // The window's content moved by dx, dy.
    void scroll(int dx, int dy);
    // Lets the pixels go (a hidden view keeps none).
    void release();

    // Paints the areas over exposed (window pixels) into target, drawing
    // into the layer first what is not kept there. window: the window's
    // size in pixels; ratio: device pixels per window pixel.
    void paint(QPainter& target, const QRegion& exposed, QSize window, qreal ratio,
               const DrawAreas& draw);

    // Kept and current, in window pixels (for tests).
    const QRegion& kept() const { return m_kept; }

private:
    static constexpr int kMostPieces = 512;

    void shiftPixels(int dx, int dy);

    QImage m_image;
    QRegion m_kept;
};
