// The maps the document and view benchmarks work on.
#pragma once

#include "document/ImageMapDoc.h"

#include <QRandomGenerator>
#include <QSize>

#include <cmath>
#include <memory>

// The size of map the benchmarks have always measured (the old limit of a
// map), kept so that their figures stay comparable; bench_scale measures
// maps ten times larger.
constexpr int kBenchAreas = 1024;

// Area i of a full map scattered over a 4000 x 3000 picture: rectangles,
// circles and 20-vertex polygons in turn, 20 to 200 pixels across.
inline std::unique_ptr<MapArea> scatteredArea(QRandomGenerator& random, int i) {
    const int l = int(random.bounded(3800)), t = int(random.bounded(2800));
    const int w = 20 + int(random.bounded(180)), h = 20 + int(random.bounded(180));
    std::unique_ptr<MapArea> a;
    if (i % 3 == 2) {
        a = std::make_unique<MapArea>(AreaShape::Polygon);
        for (int k = 0; k < 20; ++k) {
            const double angle = 2 * M_PI * k / 20;
            a->addVertex(l + w / 2 + int(w / 2 * std::cos(angle)),
                         t + h / 2 + int(h / 2 * std::sin(angle)));
        }
    } else {
        a = std::make_unique<MapArea>(AreaShape(i % 3));
        a->setRect(l, t, l + w, t + h);
    }
    return a;
}

// 32 x 32 areas in a grid over a picture of the given size, each cell's
// area inset by margin: rectangles, circles and 7-vertex polygons in turn.
inline void addGridAreas(CImageMapDoc& doc, QSize picture, int margin) {
    const int cellW = picture.width() / 32, cellH = picture.height() / 32;
    for (int i = 0; i < 1024; ++i) {
        const int left = (i % 32) * cellW + margin, top = (i / 32) * cellH + margin;
        const int right = left + cellW - 2 * margin, bottom = top + cellH - 2 * margin;
        const AreaShape shape = AreaShape(i % 3);
        auto area = std::make_unique<MapArea>(shape);
        if (shape == AreaShape::Polygon) {
            const int cx = (left + right) / 2, cy = (top + bottom) / 2;
            for (int k = 0; k < 7; ++k) {
                const double t = k * 2 * M_PI / 7;
                area->addVertex(cx + int((right - left) / 2 * std::cos(t)),
                                cy + int((bottom - top) / 2 * std::sin(t)));
            }
        } else {
            area->setRect(left, top, right, bottom);
        }
        doc.addArea(std::move(area));
    }
}
