// The view's spatial index of area boxes: hit tests look only at the areas
// it names, so it must name every area a hit test over all of them finds,
// at every zoom and after every kind of change to the map.
#include "ViewTestSupport.h"

#include "support/TestPictures.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace ViewTest;

namespace {

void addRandomArea(CImageMapDoc& doc, QRandomGenerator& random) {
    const int x = int(random.bounded(780)), y = int(random.bounded(580));
    const int w = 1 + int(random.bounded(random.bounded(8) == 0 ? 500 : 40));
    const int h = 1 + int(random.bounded(random.bounded(8) == 0 ? 400 : 40));
    switch (random.bounded(4)) {
    case 0:
        addRect(doc, {x, y, x + w, y + h}, AreaShape::Circle);
        break;
    case 1: {
        QList<QPoint> points;
        const int n = 3 + int(random.bounded(random.bounded(10) == 0 ? 300 : 8));
        for (int k = 0; k < n; ++k)
            points << QPoint(x + int(random.bounded(w + 1)), y + int(random.bounded(h + 1)));
        addPolygon(doc, points);
        break;
    }
    case 2: // on one line: no region, its vertices still reachable
        addPolygon(doc, {{x, y}, {x + w, y}, {x + 2 * w, y}});
        break;
    default:
        addRect(doc, {x, y, x + w, y + h});
    }
}

} // namespace

TEST(HitIndex, NamesEveryAreaAHitTestOverAllFinds) {
    resetSettings();
    StubPictures pictures;
    auto doc = documentWith(pictures, TestPictures::rgb(800, 600));
    QRandomGenerator random(3);
    for (int i = 0; i < 400; ++i)
        addRandomArea(*doc, random);
    CImageMapView view(doc.get());
    showAt(view, 500, 400);
    const ZoomLevel zooms[] = {ZoomLevel::in(1), ZoomLevel::out(4), ZoomLevel::in(4)};
    for (int round = 0; round < 24; ++round) {
        // A change of each kind the view follows: an area moved, one added
        // at the end, one removed from the middle or the end, one moved in
        // the list, a new zoom and scroll position.
        switch (round % 6) {
        case 0:
            doc->changeArea(int(random.bounded(doc->areaCount())),
                            [&](MapArea& a) { a.setPicture(a.picture().translated(37, -21)); });
            break;
        case 1:
            addRandomArea(*doc, random);
            break;
        case 2:
            doc->deleteArea(int(random.bounded(doc->areaCount())));
            break;
        case 3:
            doc->deleteArea(doc->areaCount() - 1);
            break;
        case 4:
            doc->moveArea(int(random.bounded(doc->areaCount())), 0);
            break;
        default:
            view.setZoom(zooms[(round / 6) % 3]);
            view.setScrollPosition({int(random.bounded(400)), int(random.bounded(300))});
        }
        for (int probe = 0; probe < 300; ++probe) {
            const QPoint at(int(random.bounded(500)), int(random.bounded(400)));
            const std::vector<int> near = view.areasNear(at);
            ASSERT_TRUE(std::is_sorted(near.begin(), near.end()));
            for (int i = 0; i < doc->areaCount(); ++i) {
                if (view.hitArea(i, at).code == AreaHit::Miss)
                    continue;
                ASSERT_TRUE(std::binary_search(near.begin(), near.end(), i))
                    << "round " << round << " area " << i << " at " << at.x() << "," << at.y();
            }
        }
    }
}

// Far out a long outline's points fall on few window pixels, and the view
// fills and strokes its solid line without the repeats: they must give the
// very pixels of the whole ring, at every zoom out and in. (The dots do
// not: their pattern restarts at every edge, so they take the whole ring.)
TEST(PaintRing, GivesThePixelsOfTheWholeRing) {
    resetSettings();
    const AreaStyle& style = AreaStyle::shared();
    QRandomGenerator random(17);
    const ZoomLevel zooms[] = {ZoomLevel::out(16), ZoomLevel::out(6), ZoomLevel::out(3),
                               ZoomLevel::in(1), ZoomLevel::in(3)};
    for (int trial = 0; trial < 60; ++trial) {
        MapArea area(AreaShape::Polygon);
        const int n = 3 + int(random.bounded(300));
        const double r = 10 + random.bounded(200);
        for (int k = 0; k < n; ++k) {
            const double t = 2 * M_PI * k / n, rk = r * (k % 2 ? 0.8 : 1.0);
            area.addVertex(400 + int(rk * std::cos(t)), 300 + int(rk * std::sin(t)));
        }
        for (const ZoomLevel zoom : zooms) {
            const AreaGeometry g(area, {zoom, {0, 0}}, 5);
            // part 0: the hatch fill, 1: the solid line under the dots
            const auto paint = [&](const QPolygon& ring, int part) {
                QImage image(1300, 1000, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter p(&image);
                if (part == 0) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(style.hatch());
                    p.drawPolygon(ring, Qt::OddEvenFill);
                } else {
                    const AreaStyle::StatePens& pens = style.state(AreaDrawState::Selected);
                    p.setPen(part == 1 ? pens.solidBack : pens.dotted);
                    p.drawPolyline(ring);
                }
                return image;
            };
            ASSERT_LE(g.paintRing().size(), g.ring().size());
            for (int part = 0; part < 2; ++part)
                EXPECT_EQ(paint(g.paintRing(), part) == paint(g.ring(), part), true)
                    << "trial " << trial << " zoom " << zoom.num() << ":" << zoom.den() << " part "
                    << part;
        }
    }
}
