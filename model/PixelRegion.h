#pragma once

#include "model/PixelRect.h"

#include <QPoint>
#include <Qt>

#include <span>
#include <vector>

class MapArea;

// A set of pixels held row by row: for each row from top() to bottom() the
// row's spans [left, right), sorted, disjoint and not touching. Equal pixel
// sets compare equal (empty rows at the top and bottom are never kept).
//
// It holds exactly the pixels of the platform's regions (QRegion) for the
// shapes areas have: rectangles without their right and bottom edge,
// ellipses inscribed in a rectangle, polygons with either fill rule. The map
// check builds one per area per idle pass, so building reuses the memory of
// the previous shape.
class PixelRegion {
public:
    struct Span {
        int left;
        int right;
        friend bool operator==(const Span&, const Span&) = default;
    };

    // Rows and columns beyond which no region is built: an area reaching
    // further holds no region (a map file may hold any number, and a shape
    // millions of pixels high would stall the idle passes). Drawing limits
    // areas to 0 .. 32,000.
    static constexpr int kLimit = 1 << 16;

    void clear();
    bool isEmpty() const { return m_rowStart.size() < 2; }
    int top() const { return m_top; }
    int bottom() const { return m_top + rowCount(); }
    int rowCount() const { return isEmpty() ? 0 : int(m_rowStart.size()) - 1; }
    // The spans of row y; none outside top() .. bottom() - 1.
    std::span<const Span> row(int y) const;
    PixelRect boundingRect() const;
    bool contains(int x, int y) const;

    // Replace the set with one shape; false (and the set empty) when the
    // shape holds no pixel or reaches beyond kLimit.
    bool setRect(const PixelRect& r);
    // The ellipse inscribed in r, as QRegion(r, QRegion::Ellipse) has it.
    bool setEllipse(const PixelRect& r);
    // The polygon through count points (closed from the last to the first),
    // as QRegion(polygon, rule) has it.
    bool setPolygon(const QPoint* points, int count, Qt::FillRule rule);
    // The area's region in image pixels, as MapArea::makeRegion gives it.
    bool setArea(const MapArea& area);

    // Building row by row, top to bottom: startRow for every row from the
    // first on (rows may be left without spans), then addSpan with spans of
    // that row in increasing order (overlapping and touching ones merge).
    void startRow(int y);
    void addSpan(int left, int right);
    // Ends building: drops empty rows at the top and bottom.
    void finish();

    friend bool operator==(const PixelRegion& a, const PixelRegion& b);

private:
    int m_top = 0;
    std::vector<int> m_rowStart; // index of each row's first span, then the end
    std::vector<Span> m_spans;
};
