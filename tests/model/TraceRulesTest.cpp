#include "model/LoadedImage.h"
#include "model/Strings.h"
#include "model/TraceFill.h"
#include "model/TraceMask.h"
#include "model/TraceOutline.h"
#include "model/TracePicture.h"
#include "model/Tracer.h"

#include "TraceTestSupport.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <deque>

#include <gtest/gtest.h>

using namespace tracetest;

namespace {

constexpr QRgb kBlack = 0xff000000;

TraceResult traceOf(const QImage& picture, QList<QPoint> seeds, int tolerance = 0,
                    double precision = 1.5, int limit = 63) {
    TraceRequest request;
    request.seeds = seeds;
    request.tolerance = tolerance;
    request.precision = precision;
    request.vertexLimit = limit;
    TraceMask mask;
    return Tracer::trace(TracePicture::fromImage(picture), request, mask);
}

QImage blocks(int w, int h, QRgb background, QList<std::pair<QRect, QRgb>> rects) {
    return paint(w, h, [&](int x, int y) {
        QRgb c = background;
        for (const auto& [r, colour] : rects) {
            if (r.contains(x, y))
                c = colour;
        }
        return c;
    });
}

QPolygon ring(QList<QPoint> points) {
    return QPolygon(points);
}

} // namespace

// Tolerance 0 takes exactly the clicked colour, and an outline of straight
// runs comes back corner for corner, starting at the top-left corner; one
// step of tolerance takes in the colour one level off.
TEST(TraceRules, ToleranceZeroGivesExactlyTheColoursRegion) {
    const QRgb a = qRgb(100, 100, 100);
    const QRgb nearA = qRgb(101, 100, 100);
    const QImage picture = blocks(
        60, 50, kBlack,
        {{QRect(10, 5, 30, 10), a}, {QRect(10, 15, 10, 30), a}, {QRect(20, 15, 20, 10), nearA}});
    const QPolygon l = ring({{10, 5}, {40, 5}, {40, 15}, {20, 15}, {20, 45}, {10, 45}});
    for (double precision : {0.5, 1.5, 3.0}) {
        const TraceResult r = traceOf(picture, {{12, 40}}, 0, precision);
        ASSERT_TRUE(r.isTraced());
        EXPECT_EQ(r.polygon, l) << precision;
        EXPECT_EQ(r.regionPixels, 30 * 10 + 10 * 30);
        EXPECT_EQ(r.polygonArea, r.regionPixels);
    }
    const TraceResult wider = traceOf(picture, {{12, 40}}, 1);
    EXPECT_EQ(wider.polygon, ring({{10, 5}, {40, 5}, {40, 25}, {20, 25}, {20, 45}, {10, 45}}));
}

// Each clicked region grows from its own colour, also across pixels an
// earlier region took: the second click here reaches its far block only
// through the strip the first click's region holds.
TEST(TraceRules, SeveralClicksTraceTheUnionOfTheirRegions) {
    const QRgb a = qRgb(100, 100, 100);
    const QRgb b = qRgb(130, 130, 130);
    const QRgb c = qRgb(160, 160, 160);
    const QImage picture = blocks(80, 40, kBlack,
                                  {{QRect(30, 5, 20, 10), a},
                                   {QRect(10, 15, 20, 10), c},
                                   {QRect(30, 15, 20, 10), b},
                                   {QRect(50, 15, 20, 10), c}});
    const TraceResult first = traceOf(picture, {{40, 8}}, 40);
    EXPECT_EQ(first.polygon, ring({{30, 5}, {50, 5}, {50, 25}, {30, 25}}));
    const TraceResult both = traceOf(picture, {{40, 8}, {12, 20}}, 40);
    EXPECT_EQ(both.polygon,
              ring({{30, 5}, {50, 5}, {50, 15}, {70, 15}, {70, 25}, {10, 25}, {10, 15}, {30, 15}}));
    EXPECT_EQ(both.regionPixels, 20 * 10 + 60 * 10);
    // The order of the clicks does not matter.
    EXPECT_EQ(traceOf(picture, {{12, 20}, {40, 8}}, 40).polygon, both.polygon);
}

// Regions that do not touch would need two polygons: refused. A region in
// another's hole lies inside its outline and is taken in.
TEST(TraceRules, RegionsApartAreRefusedAndOneInAHoleIsTakenIn) {
    const QRgb ink = qRgb(20, 40, 60);
    const QImage apart =
        blocks(60, 30, kBlack, {{QRect(5, 5, 10, 10), ink}, {QRect(30, 5, 10, 10), ink}});
    const TraceResult r = traceOf(apart, {{7, 7}, {32, 7}});
    EXPECT_EQ(r.outcome, TraceOutcome::Disjoint);
    EXPECT_FALSE(r.message().isEmpty());
    // Corners meeting diagonally do not join 4-connected regions either.
    const QImage diagonal =
        blocks(40, 40, kBlack, {{QRect(5, 5, 10, 10), ink}, {QRect(15, 15, 10, 10), ink}});
    EXPECT_EQ(traceOf(diagonal, {{7, 7}, {20, 20}}).outcome, TraceOutcome::Disjoint);
    EXPECT_EQ(traceOf(diagonal, {{7, 7}}).polygon, ring({{5, 5}, {15, 5}, {15, 15}, {5, 15}}));

    const QImage nested = blocks(60, 60, kBlack,
                                 {{QRect(5, 5, 50, 50), ink},
                                  {QRect(15, 15, 30, 30), qRgb(255, 255, 255)},
                                  {QRect(25, 25, 10, 10), ink}});
    const TraceResult inHole = traceOf(nested, {{27, 27}, {7, 7}});
    ASSERT_TRUE(inHole.isTraced());
    EXPECT_EQ(inHole.polygon, ring({{5, 5}, {55, 5}, {55, 55}, {5, 55}}));
}

// A click on a flat picture, or on the background all round the shapes,
// would give the picture's frame: refused.
TEST(TraceRules, ThePictureItselfIsRefused) {
    const QImage flat = blocks(30, 20, qRgb(9, 9, 9), {});
    const TraceResult r = traceOf(flat, {{3, 3}});
    EXPECT_EQ(r.outcome, TraceOutcome::WholePicture);
    EXPECT_TRUE(r.polygon.isEmpty());
    EXPECT_EQ(r.message(), Strings::text(Str::TraceRefusedWhole));
    const QImage shapes = blocks(30, 20, kBlack, {{QRect(10, 5, 5, 5), qRgb(200, 0, 0)}});
    EXPECT_EQ(traceOf(shapes, {{0, 0}}).outcome, TraceOutcome::WholePicture);
    // A shape reaching three edges leaves the fourth: traced.
    const QImage strip = blocks(30, 20, kBlack, {{QRect(0, 0, 30, 12), qRgb(200, 0, 0)}});
    EXPECT_EQ(traceOf(strip, {{5, 5}}).polygon, ring({{0, 0}, {30, 0}, {30, 12}, {0, 12}}));
}

TEST(TraceRules, RefusalsSayWhy) {
    QImage disc = paint(200, 200, [](int x, int y) {
        return std::hypot(x - 100, y - 100) < 90 ? qRgb(200, 0, 0) : kBlack;
    });
    const TraceResult many = traceOf(disc, {{100, 100}}, 0, 0.5, 8);
    EXPECT_EQ(many.outcome, TraceOutcome::TooManyVertices);
    EXPECT_GT(many.vertexCount, 8);
    EXPECT_TRUE(many.polygon.isEmpty());
    EXPECT_TRUE(many.message().contains(QString::number(many.vertexCount)));
    EXPECT_TRUE(many.message().contains(QStringLiteral(" 8 ")));
    // A coarser outline fits.
    const TraceResult coarse = traceOf(disc, {{100, 100}}, 0, 10, 63);
    ASSERT_TRUE(coarse.isTraced());
    EXPECT_LE(coarse.vertexCount, 63);
    EXPECT_TRUE(coarse.message().contains(QString::number(coarse.vertexCount)));

    EXPECT_EQ(traceOf(disc, {{200, 5}}).outcome, TraceOutcome::OutsidePicture);
    EXPECT_EQ(traceOf(disc, {{5, -1}}).outcome, TraceOutcome::OutsidePicture);
    EXPECT_EQ(traceOf(disc, {}).outcome, TraceOutcome::NoPicture);
    EXPECT_EQ(traceOf(QImage(), {{0, 0}}).outcome, TraceOutcome::NoPicture);
    EXPECT_EQ(traceOf(QImage(4, 4, QImage::Format_RGB16), {{0, 0}}).outcome,
              TraceOutcome::NoPicture);
}

// A set cancel flag ends a trace at its first look, at any stage.
TEST(TraceRules, ACancelledTraceReturnsNothing) {
    const QImage picture = blocks(400, 300, kBlack, {{QRect(20, 20, 300, 200), qRgb(100, 2, 3)}});
    std::atomic_bool cancel = true;
    TraceRequest request;
    request.seeds = {{50, 50}};
    TraceMask mask;
    const TraceResult r = Tracer::trace(TracePicture::fromImage(picture), request, mask, &cancel);
    EXPECT_EQ(r.outcome, TraceOutcome::Cancelled);
    EXPECT_TRUE(r.message().isEmpty());
    cancel = false;
    EXPECT_TRUE(Tracer::trace(TracePicture::fromImage(picture), request, mask, &cancel).isTraced());
    cancel = true;
    EXPECT_TRUE(TraceOutline::outerBoundary(mask, &cancel).isEmpty());
}

namespace {

// A packed bitmap of the picture's indexed (1, 4, 8 bits) or direct (24,
// 32 bits) pixels, bottom-up, as the raster component hands pictures out.
QByteArray packedDibOf(const QImage& indexed, int bits) {
    const int w = indexed.width();
    const int h = indexed.height();
    const int entries = bits <= 8 ? 1 << bits : 0;
    const int stride = ((w * bits + 31) / 32) * 4;
    QByteArray dib(40 + 4 * entries + stride * h, '\0');
    uchar* d = reinterpret_cast<uchar*>(dib.data());
    qToLittleEndian<qint32>(40, d);
    qToLittleEndian<qint32>(w, d + 4);
    qToLittleEndian<qint32>(h, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(quint16(bits), d + 14);
    for (int i = 0; i < entries && i < indexed.colorCount(); ++i) {
        const QRgb c = indexed.color(i);
        d[40 + 4 * i] = uchar(qBlue(c));
        d[40 + 4 * i + 1] = uchar(qGreen(c));
        d[40 + 4 * i + 2] = uchar(qRed(c));
    }
    uchar* pixels = d + 40 + 4 * entries;
    for (int y = 0; y < h; ++y) {
        uchar* row = pixels + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const int i = indexed.pixelIndex(x, y);
            const QRgb c = indexed.color(i);
            if (bits == 1)
                row[x / 8] |= uchar(i << (7 - x % 8));
            else if (bits == 4)
                row[x / 2] |= uchar(i << (x % 2 ? 0 : 4));
            else if (bits == 8)
                row[x] = uchar(i);
            else {
                uchar* p = row + x * (bits / 8);
                p[0] = uchar(qBlue(c));
                p[1] = uchar(qGreen(c));
                p[2] = uchar(qRed(c));
            }
        }
    }
    return dib;
}

} // namespace

// Every layout the picture may come in reads the picture's own colours and
// traces the same outline: indexed pictures of 1, 4 and 8 bits, grey, RGB32,
// ARGB32 (also premultiplied, half transparent), and packed bitmaps.
TEST(TraceRules, EveryPictureLayoutTracesTheSameOutline) {
    const int w = 70;
    const int h = 50;
    QImage indexed(w, h, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(250, 250, 250), qRgb(10, 20, 30)});
    const QPolygonF shape = star({35, 25}, 24, 11, 5);
    const Grid inside = centresInside(shape, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            indexed.setPixel(x, y, uint(inside.at(x, y)));
    const QImage rgb = indexed.convertToFormat(QImage::Format_RGB32);
    QImage grey(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grey.scanLine(y)[x] = inside.at(x, y) ? 20 : 250;
    QImage argb = rgb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            argb.setPixel(x, y, (argb.pixel(x, y) & 0xffffff) | 0x80000000u);
    auto bitPlane = [&](QImage::Format format) {
        QImage mono(w, h, format);
        mono.setColorTable(indexed.colorTable());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                mono.setPixel(x, y, uint(inside.at(x, y)));
        return mono;
    };
    const QList<QImage> images = {indexed,
                                  bitPlane(QImage::Format_Mono),
                                  bitPlane(QImage::Format_MonoLSB),
                                  grey,
                                  rgb,
                                  argb,
                                  argb.convertToFormat(QImage::Format_ARGB32_Premultiplied)};

    const TraceResult expected = traceOf(rgb, {{35, 25}}, 5);
    ASSERT_TRUE(expected.isTraced());
    QRandomGenerator random(4);
    for (const QImage& image : images) {
        const TracePicture view = TracePicture::fromImage(image);
        ASSERT_FALSE(view.isNull()) << image.format();
        for (int i = 0; i < 200; ++i) {
            const int x = int(random.bounded(w));
            const int y = int(random.bounded(h));
            // QImage gives premultiplied pixels as stored; the view the
            // colour they stand for.
            const QRgb own = image.format() == QImage::Format_ARGB32_Premultiplied
                                 ? qUnpremultiply(image.pixel(x, y))
                                 : image.pixel(x, y);
            ASSERT_EQ(view.pixel(x, y), own) << image.format();
        }
        EXPECT_EQ(traceOf(image, {{35, 25}}, 5).polygon, expected.polygon) << image.format();
    }
    for (int bits : {1, 4, 8, 24, 32}) {
        const auto loaded = LoadedImage::fromPackedDib(packedDibOf(indexed, bits));
        ASSERT_TRUE(loaded) << bits;
        const TracePicture view = TracePicture::fromLoadedImage(*loaded);
        for (int i = 0; i < 200; ++i) {
            const int x = int(random.bounded(w));
            const int y = int(random.bounded(h));
            ASSERT_EQ(view.pixel(x, y), rgb.pixel(x, y)) << bits;
        }
        TraceRequest request;
        request.seeds = {{35, 25}};
        request.tolerance = 5;
        TraceMask mask;
        EXPECT_EQ(Tracer::trace(view, request, mask).polygon, expected.polygon) << bits;
    }
}

namespace {

// The 4-connected pixels of the seed's exact colour, found the plain way.
Grid referenceRegion(const QImage& picture, QPoint seed) {
    const int w = picture.width();
    const int h = picture.height();
    Grid g(w, h);
    const QRgb colour = picture.pixel(seed);
    std::deque<QPoint> queue{seed};
    g.at(seed.x(), seed.y()) = 1;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || g.at(q.x(), q.y()) ||
                picture.pixel(q) != colour)
                continue;
            g.at(q.x(), q.y()) = 1;
            queue.push_back(q);
        }
    }
    return g;
}

// The region with its holes filled: everything but the pixels outside it
// that reach the picture's frame through other such pixels, corners
// included (what meets the region only at a corner is no hole).
Grid filledIn(const Grid& region) {
    const int w = region.width;
    const int h = region.height;
    Grid outside(w, h);
    std::deque<QPoint> queue;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && !region.at(x, y)) {
                outside.at(x, y) = 1;
                queue.push_back({x, y});
            }
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = p.x() + dx;
                const int y = p.y() + dy;
                if (x < 0 || y < 0 || x >= w || y >= h || outside.at(x, y) || region.at(x, y))
                    continue;
                outside.at(x, y) = 1;
                queue.push_back({x, y});
            }
    }
    Grid filled(w, h);
    for (size_t i = 0; i < filled.cells.size(); ++i)
        filled.cells[i] = !outside.cells[i];
    return filled;
}

} // namespace

// Over random blotchy pictures: the fill finds exactly the plain search's
// region, the outer boundary scans back to the region with its holes filled
// (corner-touching pinches and picture edges included), and the simplified
// polygon keeps every boundary point within the precision.
TEST(TraceRules, RandomShapesKeepEveryRule) {
    QRandomGenerator random(1933);
    const QRgb colours[3] = {qRgb(0, 0, 0), qRgb(90, 0, 0), qRgb(0, 0, 90)};
    for (int trial = 0; trial < 300; ++trial) {
        const int w = 4 + int(random.bounded(40));
        const int h = 4 + int(random.bounded(30));
        QImage picture(w, h, QImage::Format_RGB32);
        if (trial % 2) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    picture.setPixel(x, y, colours[random.bounded(3)]);
        } else {
            picture.fill(colours[0]);
            for (int k = int(random.bounded(12)); k >= 0; --k) {
                const QRect r(int(random.bounded(w)), int(random.bounded(h)),
                              1 + int(random.bounded(w / 2)), 1 + int(random.bounded(h / 2)));
                const QRgb c = colours[random.bounded(3)];
                for (int y = r.top(); y <= std::min(r.bottom(), h - 1); ++y)
                    for (int x = r.left(); x <= std::min(r.right(), w - 1); ++x)
                        picture.setPixel(x, y, c);
            }
        }
        const QPoint seed(int(random.bounded(w)), int(random.bounded(h)));
        SCOPED_TRACE(trial);
        const TracePicture view = TracePicture::fromImage(picture);
        TraceMask mask;
        mask.reset(w, h);
        ASSERT_TRUE(TraceFill::addRegion(view, seed, 0, mask));
        const Grid expected = referenceRegion(picture, seed);
        Grid got(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                got.at(x, y) = mask.contains(x, y);
        ASSERT_EQ(got.cells, expected.cells);
        ASSERT_EQ(mask.pixelCount(), expected.count());

        const QPolygon outline = TraceOutline::outerBoundary(mask);
        EXPECT_EQ(areaPixels(outline, w, h).cells, filledIn(expected).cells);
        EXPECT_EQ(TraceOutline::doubledArea(outline), 2 * filledIn(expected).count());

        const double precision = 0.5 + random.generateDouble() * 9.5;
        const QPolygon simple = TraceOutline::simplify(outline, precision);
        EXPECT_GE(simple.size(), std::min<qsizetype>(3, outline.size()));
        EXPECT_LE(simple.size(), outline.size());
        EXPECT_LE(deviation(outline, simple), precision + 1e-9) << precision;
    }
}
