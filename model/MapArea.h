#pragma once

#include "model/AreaTexts.h"
#include "model/PictureArea.h"
#include "model/PixelRect.h"

#include <QByteArray>
#include <QPoint>
#include <QPolygon>

#include <optional>

class QRegion;

// One clickable area of a map: shape, texts and geometry, in picture
// pixels. The geometry is the area's PictureArea (a rectangle or circle's
// box, or a polygon's vertices); whatever zoom and scroll position a view
// shows it at is the view's business (view/AreaGeometry), never the area's.
//
// A circle is kept as its bounding rectangle (the ellipse inscribed in it).
// A polygon is closed implicitly and holds at most kMaxVertices vertices.
class MapArea {
public:
    // Limits of a map, each checked in one place: vertices of one polygon
    // (roomForVertex), areas of one map (roomForArea). They bound memory,
    // not design: maps of countries hold polygons of hundreds of points,
    // and a map beyond them opens read-only.
    static constexpr int kMaxVertices = 100000;
    static constexpr int kMaxAreas = 100000;
    static constexpr PixelRect kDefaultLimit{0, 0, 32000, 32000};

    // Whether a polygon of count vertices may take one more.
    static constexpr bool roomForVertex(int count) { return count < kMaxVertices; }
    // Whether a map of count areas may take one more.
    static constexpr bool roomForArea(int count) { return count < kMaxAreas; }

    explicit MapArea(AreaShape shape = AreaShape::Rectangle);
    virtual ~MapArea() = default;

    AreaShape shape() const { return m_picture.shape; }
    void setShape(AreaShape shape) {
        m_picture.shape = shape;
        m_box.reset();
    }

    const QByteArray& url() const { return m_picture.texts.url; }
    const QByteArray& target() const { return m_picture.texts.target; }
    const QByteArray& comment() const { return m_picture.texts.comment; }
    const QByteArray& title() const { return m_picture.texts.title; }
    const TagAttributes& attributes() const { return m_picture.texts.attributes; }
    const AreaTexts& texts() const { return m_picture.texts; }
    void setTexts(const AreaTexts& texts) { m_picture.texts = texts; }
    void setUrl(const QByteArray& url) { m_picture.texts.url = url; }

    // Written only by the map check: the area lies wholly under earlier ones.
    bool obscured() const { return m_obscured; }
    void setObscured(bool obscured) { m_obscured = obscured; }

    // --- rectangles and circles ------------------------------------------------
    // Sets the rectangle of a rectangle or circle: normalised, a zero width
    // or height becomes 1.
    void setRect(int left, int top, int right, int bottom);
    void setRect(const PixelRect& r) { setRect(r.left, r.top, r.right, r.bottom); }
    // The bounding rectangle, normalised; a polygon's is the box of its
    // region (of its vertices when the region covers no pixel).
    PixelRect imageRect() const;
    // Centre and radius of a circle area.
    CircleGeometry circle() const;
    // Whether picture pixel p lies on the area: in the box of a rectangle or
    // circle, in the winding fill of a polygon.
    bool contains(QPoint p) const;

    // --- polygon vertices ----------------------------------------------------
    int vertexCount() const { return int(m_picture.points.size()); }
    // Appends a vertex unless the polygon is full or it equals the last
    // one; returns whether it was added.
    bool addVertex(int x, int y);
    // The vertex i; (0, 0) outside 0 .. vertexCount - 1.
    QPoint vertex(int i) const;
    const QPolygon& vertices() const { return m_picture.points; }
    // The closed ring (vertexCount + 1 points).
    QPolygon imageRing() const;
    // Inserts a vertex after index a; refused (false) when a is outside
    // 0 .. vertexCount - 1 or the polygon is full.
    bool insertVertex(int a, int x, int y);
    // Moves vertex i; false for an index outside the range.
    bool setVertex(int i, int x, int y);
    // Removes vertex i; nothing for an index outside the range. The caller
    // decides what becomes of a polygon left with three vertices or fewer.
    bool deleteVertex(int i);

    // --- bounding ------------------------------------------------------------
    // Whether the rectangle lies within bounds.
    bool isInside(const PixelRect& bounds) const;
    // Clamps the geometry into bounds, keeping at least one pixel of a
    // rectangle or circle inside them.
    void clampTo(const PixelRect& bounds);
    // The area's region: the rectangle, the ellipse inscribed in it, or the
    // polygon with winding fill. False (and out untouched) when there is
    // none: a polygon of fewer than 3 vertices, or a region with an empty
    // bounding box.
    bool makeRegion(QRegion& out) const;

    // --- as a value ------------------------------------------------------------
    const PictureArea& picture() const { return m_picture; }
    // Takes shape, texts and geometry; a polygon keeps its first
    // kMaxVertices vertices.
    void setPicture(const PictureArea& p);
    void setPicture(PictureArea&& p);

    // --- as read from a page (model/SourceTag.h) -----------------------------
    const SourceTag* source() const { return m_picture.source.get(); }
    void setSource(std::shared_ptr<const SourceTag> source) {
        m_picture.source.kept = std::move(source);
    }
    // Whether a browser gives the area a shape; one made here always has one.
    bool clickable() const;
    // Whether the area is still exactly as its page tag gave it.
    bool asRead() const;

private:
    PictureArea m_picture;
    // imageRect() of a polygon, worked out once per change of its vertices:
    // painting, hit tests and the spatial index ask for it all the time.
    mutable std::optional<PixelRect> m_box;
    bool m_obscured = false;
};
