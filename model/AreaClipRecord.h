#pragma once

#include "model/AreaTexts.h"
#include "model/MapArea.h"
#include "model/PixelRect.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One area as it travels on the clipboard between maps and between running
// copies of the editor: a fixed record of 6,680 bytes, little-endian, every
// unused byte zero.
//
//   offset  size  field
//        0     4  shape (int32)
//        4  2048  url, NUL-terminated
//     2052  2048  target, NUL-terminated
//     4100  2048  comment, NUL-terminated
//     6148    16  the image rectangle moved so that left and top are 0 (int32 x 4)
//     6164     4  vertex count (int32)
//     6168   512  64 vertices (x, y int32): image vertex - (left + 3, top + 3)
//
// Coordinates are image pixels, so an area copied at one zoom pastes at
// another with the same shape. The bytes hold at most 63 vertices: a larger
// polygon is not offered in them (fits), so that a copy reading only the
// record never pastes a part of its outline.
// A record taken from AreaClipJson holds any number of vertices.
class QMimeData;

class AreaClipRecord {
public:
    static constexpr int kSize = 6680;
    static constexpr int kTextRoom = 2047; // bytes of a text field before its NUL
    static constexpr int kVertexSlots = 64;
    static constexpr int kMaxVertices = kVertexSlots - 1; // and the ring's closing one
    static constexpr int kVertexOffset = 3; // stored vertices sit this far up and left

    AreaShape shape = AreaShape::Rectangle;
    // Cut to 2,047 bytes, without title or attributes, in the record's
    // bytes; whole in a record taken from AreaClipJson.
    AreaTexts texts;
    PixelRect rect; // left and top are 0
    int vertexCount = 0;
    std::vector<QPoint> vertices; // vertexCount of them, relative to the rectangle

    // Whether the bytes hold area's geometry whole: a polygon of at most 63
    // vertices. (Texts they hold cut to 2,047 bytes, and never a title or
    // the attributes kept from its page, as they always have.)
    static bool fits(const MapArea& area);
    // ToClipRecord: the record of area (texts cut to 2,047 bytes).
    static AreaClipRecord of(const MapArea& area);
    // The 6,680 bytes of the record (of an area that fits).
    QByteArray toBytes() const;
    // A record read from the clipboard; nullopt when the bytes are not one
    // (too short, an unknown shape, or coordinates, a width or a height
    // beyond any picture). A text without its NUL is cut to 2,047 bytes; a
    // vertex count beyond 63 takes the first 63 vertices.
    static std::optional<AreaClipRecord> fromBytes(const QByteArray& bytes);
    // FromClipRecord: a new area with the record's shape and texts, its
    // rectangle moved by at and its vertices put back in their place in
    // that rectangle.
    std::unique_ptr<MapArea> makeArea(QPoint at) const;

    // The MIME type of the clipboard format registered as "JQ-Tangled".
    static QString mimeType();
    // Puts the record's bytes into data under that type (Copy).
    void putInto(QMimeData& data) const;
    // The record data holds under that type, if any (Paste).
    static std::optional<AreaClipRecord> fromMimeData(const QMimeData& data);
};
