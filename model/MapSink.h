#pragma once

#include "model/AreaTexts.h"
#include "model/PictureArea.h"

#include <memory>

struct SourceTag;

// Where map readers hand the areas they read, in file order. Coordinates are
// image pixels; rectangles are left, top, right, bottom as read (not yet
// normalised). The document's form builds MapArea records (AreaCollector);
// the wizards' preview consumer draws the shapes instead.
class MapSink {
public:
    virtual ~MapSink() = default;

    // False once further areas would be dropped, so that a reader can stop
    // working on area lines (map-information lines still count).
    virtual bool acceptsAreas() const { return true; }
    virtual void rectangle(const AreaTexts& texts, int left, int top, int right, int bottom) = 0;
    // A circle (or ellipse) given by its bounding rectangle.
    virtual void circle(const AreaTexts& texts, int left, int top, int right, int bottom) = 0;
    // A polygon: begin, one call per vertex in order, end with its texts.
    // Vertices are passed on as read; keeping the polygon only when it has
    // more than 2 distinct successive vertices is the sink's rule.
    virtual void beginPolygon() = 0;
    virtual void vertex(int x, int y) = 0;
    virtual void endPolygon(const AreaTexts& texts) = 0;
    // A whole polygon at once, its vertices as read, for readers that hold
    // them together; the same as begin, a vertex call for each, end.
    virtual void polygon(const AreaTexts& texts, const QPolygon& points) {
        beginPolygon();
        for (const QPoint& p : points)
            vertex(p.x(), p.y());
        endPolygon(texts);
    }
    // The same of points in which no point repeats the one before it and
    // the last is not the first (as a reader that has made them so hands
    // them over), which a sink need not look through again.
    virtual void distinctPolygon(const AreaTexts& texts, const QPolygon& points) {
        polygon(texts, points);
    }
    // An area a browser gives no shape (model/SourceTag.h): shape and texts
    // as read, the polygon's points as read (fewer than three), no box.
    // Sinks that draw shapes have nothing to draw.
    virtual void unclickable(const PictureArea& area) { (void)area; }
    // The page tag the area just handed over was read from (its read
    // member not yet filled); sinks that keep areas keep it with that area,
    // taking its texts over rather than copying them (10,000 tags a map).
    virtual void source(SourceTag&& tag) { (void)tag; }
};
