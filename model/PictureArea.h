#pragma once

#include "model/AreaTexts.h"
#include "model/MapArea.h"
#include "model/PixelRect.h"

#include <QPolygon>

// One area as the map holds it in picture pixels: shape, texts and geometry,
// whatever zoom and scroll position a view expresses it at. Undo steps keep
// areas in this form, so that a step undone at another zoom than the one it
// was made at puts the area back exactly (MapArea::picture, setPicture).
struct PictureArea {
    AreaShape shape = AreaShape::Rectangle;
    AreaTexts texts;
    // A rectangle or circle: its (bounding) rectangle, normalised.
    PixelRect rect;
    // A polygon: its vertices, not closed.
    QPolygon points;

    // The box the area occupies: the rectangle, or that of the vertices
    // (right and bottom one past the last vertex's pixel).
    PixelRect bounds() const;
    // The same area moved by (dx, dy) picture pixels.
    PictureArea translated(int dx, int dy) const;

    friend bool operator==(const PictureArea&, const PictureArea&) = default;
};
