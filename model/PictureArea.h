#pragma once

#include "model/AreaTexts.h"
#include "model/KeptSource.h"
#include "model/PixelRect.h"

#include <QByteArrayView>
#include <QPolygon>

struct SourceTag;

// The kind of an area; the numbers are those of map files and the clipboard.
enum class AreaShape : qint32 { Rectangle = 0, Circle = 1, Polygon = 2 };

// A shape's HTML keyword in lower case ("rect", "circle", "poly"), as the
// JSON forms of areas name it; and back, false for any other text.
const char* shapeKeyword(AreaShape shape);
bool shapeFromKeyword(QByteArrayView keyword, AreaShape& shape);

// The centre and radius a circle area is written with, in picture pixels.
struct CircleGeometry {
    int x = 0;
    int y = 0;
    int radius = 0;
    friend bool operator==(const CircleGeometry&, const CircleGeometry&) = default;
};

// One area as the map holds it, in picture pixels: shape, texts and
// geometry. MapArea keeps its geometry in this form, and undo steps keep
// whole areas so.
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

    // The page tag it was read from (model/SourceTag.h); none for an area
    // made in the editor.
    KeptSource<SourceTag> source{};

    friend bool operator==(const PictureArea&, const PictureArea&) = default;
};
