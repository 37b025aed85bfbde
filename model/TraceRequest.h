#pragma once

#include "model/MapArea.h"

#include <QList>
#include <QPoint>

// What a trace is asked for: the clicked pixels (the first click, then each
// Shift+click), the colour tolerance and the precision of the outline, and
// the most vertices the resulting polygon may have. The bounds and defaults
// are those of the settings the map toolbar edits.
struct TraceRequest {
    static constexpr int kMinTolerance = 0;
    static constexpr int kMaxTolerance = 255;
    static constexpr int kDefaultTolerance = 32;
    static constexpr double kMinPrecision = 0.5;
    static constexpr double kMaxPrecision = 10.0;
    static constexpr double kDefaultPrecision = 1.5;

    // Pixels in picture coordinates; the selection is the union of their
    // regions, each grown from its own pixel's colour.
    QList<QPoint> seeds;
    // Largest difference of any colour channel from the clicked pixel's, 0 to 255.
    int tolerance = kDefaultTolerance;
    // Largest distance of the region's boundary from the polygon, in picture pixels.
    double precision = kDefaultPrecision;
    // The most vertices the polygon may have (the map model's limit).
    int vertexLimit = MapArea::kMaxVertices;
};
