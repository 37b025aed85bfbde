#pragma once

#include <QPoint>
#include <QPolygon>

#include <atomic>

class TraceMask;

// The outer boundary of a selection and the simplified polygon along it.
// Points are pixel corners in picture coordinates: pixel (x, y) is the
// square from corner (x, y) to corner (x + 1, y + 1), so a polygon through
// them, scanned as areas are (PolygonScan), holds exactly the pixels inside.
namespace TraceOutline {

// The outer boundary of the 4-connected part of mask that holds its first
// pixel (TraceMask::firstPixel), holes left out: the ring of corners where
// the boundary turns, starting at that pixel's top-left corner and running
// clockwise on the screen (the selection on the right). Two selected pixels
// that meet only at a corner are not connected: the ring may touch itself
// at such a corner but never crosses itself. Where the selection meets the
// picture's edge the ring runs along the edge. Empty for an empty mask; false from cancel.
QPolygon outerBoundary(const TraceMask& mask, const std::atomic_bool* cancel = nullptr);

// Twice the signed area the ring encloses (positive for the clockwise
// rings above): for an outer boundary, twice the pixels of its part with
// the holes filled.
qint64 doubledArea(const QPolygon& ring);

// Whether the centre of pixel (x, y) lies inside the ring.
bool enclosesPixel(const QPolygon& ring, int x, int y);

// The ring simplified: a polygon through some of its corners, in the ring's
// order, such that every point of the ring's edges lies within
// precision of the polygon's edges. Each edge reaches as far along the ring
// as the tolerance allows (a cone of the directions every skipped corner
// permits, and no skipped corner farther from the edge's start than its
// end), which leaves few corners: on smooth outlines close to the fewest
// any polygon within precision needs. A ring that simplifies to fewer than
// three corners (a region no wider than the precision) gets the corners
// farthest out added, to make a triangle.
QPolygon simplify(const QPolygon& ring, double precision);

} // namespace TraceOutline
