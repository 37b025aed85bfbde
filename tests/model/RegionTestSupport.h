#pragma once

#include "model/PixelRegion.h"

#include <QList>
#include <QRect>
#include <QRegion>

#include <algorithm>

// The pixels of a platform region as a PixelRegion, to compare the two.
inline PixelRegion pixelsOf(const QRegion& region) {
    PixelRegion out;
    if (region.isEmpty())
        return out;
    const QRect box = region.boundingRect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QList<QRect> row;
        for (const QRect& r : region) {
            if (r.top() <= y && y <= r.bottom())
                row << r;
        }
        std::sort(row.begin(), row.end(),
                  [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        out.startRow(y);
        for (const QRect& r : row)
            out.addSpan(r.left(), r.right() + 1);
    }
    out.finish();
    return out;
}
