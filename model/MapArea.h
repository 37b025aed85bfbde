#pragma once

#include "model/AreaTexts.h"
#include "model/PixelRect.h"

#include <QByteArray>
#include <QPoint>
#include <QPolygon>

#include <array>

class QRegion;
struct PictureArea;

// The kind of an area; the numbers are those of map files and the clipboard.
enum class AreaShape : qint32 { Rectangle = 0, Circle = 1, Polygon = 2 };

// A shape's HTML keyword in lower case ("rect", "circle", "poly"), as the
// JSON forms of areas name it; and back, false for any other text.
const char* shapeKeyword(AreaShape shape);
bool shapeFromKeyword(QByteArrayView keyword, AreaShape& shape);

// What a hit test found: a resize handle 0 to 7, the body, a polygon vertex
// (its index is the area's hotVertex), or nothing.
namespace AreaHit {
enum : int {
    Miss = -1,
    TopLeft = 0,
    TopRight = 1,
    BottomRight = 2,
    BottomLeft = 3,
    Top = 4,
    Right = 5,
    Bottom = 6,
    Left = 7,
    Body = 8,
    Vertex = 9,
};
} // namespace AreaHit

// The centre and radius a circle area is written with, in image pixels.
struct CircleGeometry {
    int x = 0;
    int y = 0;
    int radius = 0;
    friend bool operator==(const CircleGeometry&, const CircleGeometry&) = default;
};

// One clickable area of a map: shape, texts and geometry.
//
// The geometry is held in view pixels at `scale` (the view's zoom) relative
// to `origin` (the view's scroll position); image pixels are derived by
// truncating division: image = (view + origin) / scale. Everything written
// to files uses image pixels. Areas the document creates start at scale 1
// and origin (0, 0), where view and image pixels coincide; views re-express
// them with rescale and setOrigin.
//
// A circle is kept as its bounding rectangle (the ellipse inscribed in it).
// A polygon has at most 63 vertices and is closed implicitly; the slot after
// the last vertex always repeats vertex 0, so the ring can be handed on
// closed.
class MapArea {
public:
    static constexpr int kMaxVertices = 63;
    // Areas of one map: a document holds no more, and readers keep no more.
    static constexpr int kMaxAreas = 1024;
    static constexpr PixelRect kDefaultLimit{0, 0, 32000, 32000};

    // An empty area of the given shape at scale 1 with handles of
    // handleSize view pixels at scale 1 (5, or 9 for double-sized handles).
    explicit MapArea(AreaShape shape = AreaShape::Rectangle, int handleSize = 5);
    virtual ~MapArea() = default;

    AreaShape shape() const { return m_shape; }
    void setShape(AreaShape shape) { m_shape = shape; }

    const QByteArray& url() const { return m_url; }
    const QByteArray& target() const { return m_target; }
    const QByteArray& comment() const { return m_comment; }
    const QByteArray& title() const { return m_title; }
    const TagAttributes& attributes() const { return m_attributes; }
    AreaTexts texts() const { return {m_url, m_target, m_comment, m_title, m_attributes}; }
    void setTexts(const AreaTexts& texts);
    void setUrl(const QByteArray& url) { m_url = url; }

    // Written only by the map check: the area lies wholly under earlier ones.
    bool obscured() const { return m_obscured; }
    void setObscured(bool obscured) { m_obscured = obscured; }

    // --- geometry in view pixels -------------------------------------------
    int scale() const { return m_scale; }
    QPoint origin() const { return m_origin; }
    int handleSize() const { return m_handleSize; }
    // Bounds interactive dragging; (0, 0, 32000, 32000) until a view narrows it.
    const PixelRect& limitRect() const { return m_limit; }
    void setLimitRect(const PixelRect& limit) { m_limit = limit; }

    // Bounding rectangle in view pixels (a polygon: the box of its region).
    const PixelRect& viewRect() const { return m_viewRect; }
    // Cheap first hit test: encloses every handle of a rectangle or circle;
    // a polygon's region box (its vertex squares reach handleSize x scale
    // beyond it).
    const PixelRect& hitRect() const { return m_hitRect; }
    // Everything this area paints, handles and vertex squares included.
    PixelRect extent() const;
    // Handle h (0 to 7) of a rectangle or circle as an a x a square, a =
    // handleSize x scale.
    const PixelRect& handle(int h) const { return m_handles[h]; }
    // Whether handle h is offered: the corners always, the middles of the
    // top and bottom edges only when the area is wider than handleSize view
    // pixels, those of the sides only when it is higher.
    bool handleUsable(int h) const;

    // Sets the rectangle of a rectangle or circle in view pixels: normalised,
    // a zero width or height becomes 1; handles are rebuilt.
    void setRect(int left, int top, int right, int bottom);
    void setRect(const PixelRect& r) { setRect(r.left, r.top, r.right, r.bottom); }
    // The bounding rectangle in image pixels, normalised.
    PixelRect imageRect() const;
    // Centre and radius of a circle area in image pixels.
    CircleGeometry circle() const;

    // Hit test at a view point: AreaHit code; sets hotVertex (-1 unless a
    // vertex was hit).
    int hitTest(int x, int y);
    // Miss unless the point lies in hitRect, else hitTest.
    int hitTestWithBounds(int x, int y);
    int hotVertex() const { return m_hotVertex; }

    // --- polygon vertices ----------------------------------------------------
    int vertexCount() const { return m_vertexCount; }
    // Appends a vertex (view pixels) unless 63 are held or it equals the
    // last one; returns whether it was added.
    bool addVertex(int x, int y);
    // Closes the ring and takes viewRect and hitRect from the polygon's region.
    void finishPolygon();
    // Image point of vertex i; (0, 0) outside 0 .. vertexCount - 1.
    QPoint vertex(int i) const;
    QPoint viewPoint(int i) const { return m_viewPoints[i]; }
    const PixelRect& vertexHandle(int i) const { return m_vertexHandles[i]; }
    // The closed ring (vertexCount + 1 points) in view or image pixels.
    QPolygon viewRing() const;
    QPolygon imageRing() const;
    // The edge (vertex i to i + 1, the last closing to vertex 0) under a view
    // point, -1 when none.
    int findEdge(int x, int y) const;
    // Inserts a vertex after index a; refused (false) when a is outside
    // 0 .. vertexCount - 1 or 63 vertices are held.
    bool insertVertex(int a, int x, int y);
    // Moves vertex i to a view point and takes the box from the region
    // again; false for an index outside the range.
    bool setVertex(int i, int x, int y);
    // Removes vertex i; nothing for an index outside the range. The caller
    // decides what becomes of a polygon left with three vertices or fewer.
    bool deleteVertex(int i);

    // --- re-expressing and bounding ------------------------------------------
    // Moves the view geometry by the change of origin; nothing when all four
    // values are unchanged (c and d are kept beside the origin and compared).
    void setOrigin(int x, int y, int c = 0, int d = 0);
    // Re-expresses the view geometry at scale s (1 to 8) from the image
    // geometry.
    void rescale(int s);
    // Rebuilds every handle and vertex square with a new handle size.
    void refreshHandles(int handleSize);
    // Whether the image rectangle lies within bounds (image pixels).
    bool isInside(const PixelRect& bounds) const;
    // Clamps the image geometry into bounds (image pixels), keeping at least
    // one pixel of a rectangle or circle inside them.
    void clampTo(const PixelRect& bounds);
    // The area's region in image pixels: the rectangle, the ellipse
    // inscribed in it, or the polygon with winding fill. False (and out
    // untouched) when there is none: a polygon of fewer than 3 vertices, or
    // a region with an empty bounding box.
    bool makeRegion(QRegion& out) const;

    // --- in picture pixels (MapAreaPicture.cpp) ------------------------------
    // Shape, texts and picture geometry, independent of scale and origin.
    PictureArea picture() const;
    // Takes shape, texts and picture geometry, expressed at this area's
    // scale and origin; picture() then gives back exactly p.
    void setPicture(const PictureArea& p);

private:
    static constexpr int kSlots = kMaxVertices + 1;

    int toImage(int view, int origin) const;
    QPoint toImage(QPoint view) const;
    QPoint toView(QPoint image) const;
    void rebuildHandles();
    void setVertexSquare(int i);
    void closeRing();
    void takeBoundsFromRegion();
    void deriveAllVertices();
    // Lays the view geometry out from the picture geometry (image, or the
    // picture vertices held) at this area's scale and origin.
    void layOutFrom(const PixelRect& image);
    int hitTestFrame(int x, int y) const;
    int hitTestPolygon(int x, int y);

    AreaShape m_shape;
    QByteArray m_url;
    QByteArray m_target;
    QByteArray m_comment;
    QByteArray m_title;
    TagAttributes m_attributes;
    bool m_obscured = false;
    int m_scale = 1;
    QPoint m_origin;
    QPoint m_originCompanion;
    PixelRect m_limit = kDefaultLimit;
    std::array<PixelRect, 8> m_handles{};
    PixelRect m_hitRect;
    PixelRect m_viewRect;
    int m_handleSize;
    int m_hotVertex = -1;
    int m_vertexCount = 0;
    std::array<QPoint, kSlots> m_viewPoints{};
    std::array<QPoint, kSlots> m_imagePoints{};
    std::array<PixelRect, kSlots> m_vertexHandles{};
};
