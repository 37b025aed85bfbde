#include "model/Tracer.h"
#include "model/TraceMask.h"
#include "model/TraceOutline.h"
#include "model/TracePicture.h"

#include "TraceTestSupport.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace tracetest;

namespace {

constexpr QRgb kInk = 0xff1e3c5a;
constexpr QRgb kPaper = 0xffe6dcc8;

// A drawn shape: the picture, the shape as it truly is (clipped to the
// picture), where to click, and the fewest vertices a polygon within the
// precision could have.
struct TracedShape {
    QImage picture;
    QPolygonF truth;
    QPoint click;
    int tolerance = 32;
    double fewest = 3;
};

TraceResult tracedFrom(const QImage& picture, QList<QPoint> seeds, int tolerance = 32,
                       double precision = 1.5, int limit = 10000) {
    TraceRequest request;
    request.seeds = seeds;
    request.tolerance = tolerance;
    request.precision = precision;
    request.vertexLimit = limit;
    TraceMask mask;
    return Tracer::trace(TracePicture::fromImage(picture), request, mask);
}

// Everything a proposal must keep: it covers the shape (IoU 0.97 at the
// default precision or finer), uses at
// most twice the fewest vertices (at the default or coarser), every vertex lies within the
// precision of the true outline, and the traced boundary lies within the precision of the polygon.
void expectFollows(const TracedShape& s, double precision = 1.5) {
    const int w = s.picture.width();
    const int h = s.picture.height();
    const TraceResult r = tracedFrom(s.picture, {s.click}, s.tolerance, precision);
    ASSERT_TRUE(r.isTraced()) << r.message().toStdString();
    // Finer than the default, a staircase of pixel edges along a slanted
    // outline is itself wider than the precision and needs its steps.
    if (precision <= 1.5) {
        EXPECT_GE(iou(centresInside(s.truth, w, h), areaPixels(r.polygon, w, h)), 0.97);
    }
    if (precision >= 1.5) {
        EXPECT_LE(r.vertexCount, 2 * std::ceil(s.fewest));
    }
    EXPECT_EQ(r.vertexCount, r.polygon.size());
    // Vertices are pixel corners, up to half a diagonal off the drawn outline.
    const double off = std::max(precision, std::numbers::sqrt2 / 2);
    for (const QPoint& v : r.polygon)
        EXPECT_LE(distanceToRing(v, s.truth), off) << v.x() << "," << v.y();

    TraceMask mask;
    TraceRequest request;
    request.seeds = {s.click};
    request.tolerance = s.tolerance;
    Tracer::trace(TracePicture::fromImage(s.picture), request, mask);
    const QPolygon ring = TraceOutline::outerBoundary(mask);
    EXPECT_LE(deviation(ring, r.polygon), precision + 1e-9);
    EXPECT_GT(TraceOutline::doubledArea(r.polygon), 0); // clockwise on the screen
}

QImage crisp(const QPolygonF& shape, int w, int h) {
    return paintGrid(centresInside(shape, w, h), kInk, kPaper);
}

} // namespace

TEST(Tracer, FollowsAStar) {
    TracedShape s;
    s.truth = star({160, 150}, 130, 55, 5);
    s.picture = crisp(s.truth, 320, 300);
    s.click = {160, 150};
    s.fewest = 10;
    expectFollows(s);
    // Coarser and finer outlines keep their own precision.
    expectFollows(s, 0.5);
    expectFollows(s, 4);
}

TEST(Tracer, FollowsTheOuterEdgeOfARingAndIgnoresItsHole) {
    TracedShape s;
    const QPolygonF outer = circle({150, 140}, 110);
    s.picture = paint(300, 280, [&](int x, int y) {
        const double r = std::hypot(x + 0.5 - 150, y + 0.5 - 140);
        return r < 110 && r >= 55 ? kInk : kPaper;
    });
    s.truth = outer;
    s.click = {150 + 80, 140};
    s.fewest = arcEdges(110, 2 * std::numbers::pi, 1.5);
    expectFollows(s);
    const TraceResult r = tracedFrom(s.picture, {s.click});
    EXPECT_LT(r.regionPixels, r.polygonArea * 4 / 5); // the hole is not selected
}

TEST(Tracer, FollowsThePictureEdgesItTouches) {
    TracedShape s;
    const QPolygonF disc = circle({40, 30}, 130);
    const int w = 320;
    const int h = 240;
    s.picture = crisp(disc, w, h);
    s.truth = disc.intersected(QPolygonF(QRectF(0, 0, w, h)));
    s.click = {60, 60};
    const double top = std::asin(-30.0 / 130);
    const double left = std::acos(-40.0 / 130);
    // The arc inside runs clockwise from the top edge round to the left
    // edge; the corner between the edges is one vertex more.
    s.fewest = arcEdges(130, left - top, 1.5) + 1;
    expectFollows(s);
    const TraceResult r = tracedFrom(s.picture, {s.click});
    EXPECT_TRUE(r.polygon.contains(QPoint(0, 0)));
}

TEST(Tracer, FollowsANoisyShapeWithABlurredEdge) {
    TracedShape s;
    QRandomGenerator random(33);
    const QPointF c(170, 140);
    const double radius = 115;
    const double sigma = 1.4; // the edge's blur in pixels
    s.picture = paint(340, 280, [&](int x, int y) {
        const double r = std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y());
        const double cover = 0.5 * std::erfc((r - radius) / (sigma * std::numbers::sqrt2));
        // Shading across the shape and grain everywhere, as in a photograph.
        const double shade = 12 * std::sin(x / 40.0) * std::cos(y / 55.0);
        auto channel = [&](double ink, double paper) {
            const double v = paper + (ink + shade - paper) * cover + random.bounded(17) - 8;
            return std::clamp(int(std::lround(v)), 0, 255);
        };
        return qRgb(channel(40, 215), channel(60, 225), channel(80, 235));
    });
    s.truth = circle(c, radius);
    s.click = c.toPoint();
    s.tolerance = 80;
    s.fewest = arcEdges(radius, 2 * std::numbers::pi, 1.5);
    expectFollows(s);
}
