#pragma once

#include "model/MapArea.h"
#include "model/PixelRegion.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <unordered_map>
#include <vector>

// What a visitor's click on a map's picture follows: the first area, in map
// order, whose region holds the picture pixel (a rectangle without its
// right and bottom edge, a circle as the ellipse inscribed in its box, a
// polygon by its winding fill: the regions MapArea::makeRegion gives), else
// the map's default URL; outside the picture nothing.
//
// It keeps copies of the areas' shapes and URLs in picture pixels, taken
// when they are added: the areas themselves are neither kept nor changed,
// whatever zoom and scroll position their view geometry is held at. Handles
// and the margins of the editing hit test play no part.
class ClickTargets {
public:
    // Targets that are not an area's index.
    static constexpr int kOutsidePicture = -1;
    static constexpr int kNoArea = -2;

    ClickTargets(QSize picture, QByteArray defaultUrl);

    // Appends a copy of area's shape and URL, in picture pixels.
    void add(const MapArea& area);
    int count() const { return int(m_shapes.size()); }
    QSize pictureSize() const { return m_picture; }

    // The target of a click at picture pixel p: the first area whose region
    // holds it, kNoArea on the picture outside every area, kOutsidePicture
    // off the picture.
    int targetAt(QPoint p) const;
    // The URL a target follows: the area's, the default URL for kNoArea (none
    // while it is only the lead), nothing off the picture.
    QByteArray urlOf(int target) const;

private:
    struct Shape {
        AreaShape shape = AreaShape::Rectangle;
        PixelRect box; // empty when the shape holds no pixel
        std::vector<QPoint> ring;
        QByteArray url;
    };

    bool holds(int index, QPoint p) const;
    const PixelRegion& ellipse(int index) const;

    // Ellipses are kept once built while their rows stay within this
    // budget; past it the cache starts again.
    static constexpr int kCachedRows = 1 << 18;

    QSize m_picture;
    QByteArray m_defaultUrl;
    std::vector<Shape> m_shapes;
    mutable std::unordered_map<int, PixelRegion> m_ellipses;
    mutable int m_cachedRows = 0;
};
