// The Arrange rules over random selections, and the selection's
// bookkeeping as the document renumbers areas.
#include "model/AreaArrange.h"
#include "model/AreaSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using AreaArrange::Op;

const PixelRect kPicture{0, 0, 400, 300};

PictureArea rect(int l, int t, int r, int b, AreaShape shape = AreaShape::Rectangle) {
    PictureArea a;
    a.shape = shape;
    a.rect = {l, t, r, b};
    return a;
}

PictureArea polygon(const QList<QPoint>& points) {
    PictureArea a;
    a.shape = AreaShape::Polygon;
    a.points = QPolygon(points);
    return a;
}

// Random areas inside the picture: rectangles, circles and polygons.
std::vector<PictureArea> randomAreas(std::mt19937& rng, int n) {
    std::uniform_int_distribution<int> size(1, 120), kind(0, 2), vertices(3, 8);
    std::vector<PictureArea> out;
    for (int k = 0; k < n; ++k) {
        const int w = size(rng), h = size(rng);
        const int l = std::uniform_int_distribution<int>(0, kPicture.right - w)(rng);
        const int t = std::uniform_int_distribution<int>(0, kPicture.bottom - h)(rng);
        switch (kind(rng)) {
        case 0:
            out.push_back(rect(l, t, l + w, t + h));
            break;
        case 1:
            out.push_back(
                rect(l, t, l + w, t + w > kPicture.bottom ? t + h : t + w, AreaShape::Circle));
            break;
        default: {
            QList<QPoint> points;
            const int count = vertices(rng);
            for (int v = 0; v < count; ++v)
                points << QPoint(std::uniform_int_distribution<int>(l, l + w - 1)(rng),
                                 std::uniform_int_distribution<int>(t, t + h - 1)(rng));
            out.push_back(polygon(points));
        }
        }
    }
    return out;
}

int centre(int low, int high) {
    return low + (high - low) / 2;
}

bool inside(const PictureArea& a) {
    return kPicture.encloses(a.bounds());
}

} // namespace

TEST(AreaArrange, AlignPutsEveryBoxOnTheKeysEdgeOrCentreInsideThePicture) {
    std::mt19937 rng(17);
    const Op ops[] = {Op::AlignLeft,
                      Op::AlignRight,
                      Op::AlignTop,
                      Op::AlignBottom,
                      Op::AlignHorizontalCentres,
                      Op::AlignVerticalCentres};
    for (int round = 0; round < 300; ++round) {
        const auto areas = randomAreas(rng, 2 + round % 9);
        const PixelRect key = areas.front().bounds();
        for (Op op : ops) {
            const auto after = AreaArrange::apply(op, areas, kPicture);
            ASSERT_EQ(after.size(), areas.size());
            EXPECT_EQ(after.front(), areas.front()) << "the key area never moves";
            for (std::size_t i = 0; i < after.size(); ++i) {
                const PixelRect b = after[i].bounds(), was = areas[i].bounds();
                EXPECT_TRUE(inside(after[i]));
                EXPECT_EQ(b.width(), was.width());
                EXPECT_EQ(b.height(), was.height());
                EXPECT_EQ(after[i].shape, areas[i].shape);
                // Moved only across the one axis; on the key's line unless
                // the picture's edge stopped it.
                switch (op) {
                case Op::AlignLeft:
                    EXPECT_EQ(b.top, was.top);
                    if (key.left + b.width() <= kPicture.right) {
                        EXPECT_EQ(b.left, key.left);
                    }
                    break;
                case Op::AlignRight:
                    EXPECT_EQ(b.top, was.top);
                    if (key.right - b.width() >= 0) {
                        EXPECT_EQ(b.right, key.right);
                    }
                    break;
                case Op::AlignTop:
                    EXPECT_EQ(b.left, was.left);
                    if (key.top + b.height() <= kPicture.bottom) {
                        EXPECT_EQ(b.top, key.top);
                    }
                    break;
                case Op::AlignBottom:
                    EXPECT_EQ(b.left, was.left);
                    if (key.bottom - b.height() >= 0) {
                        EXPECT_EQ(b.bottom, key.bottom);
                    }
                    break;
                case Op::AlignHorizontalCentres: {
                    EXPECT_EQ(b.top, was.top);
                    const int want = centre(key.left, key.right) - b.width() / 2;
                    if (want >= 0 && want + b.width() <= kPicture.right) {
                        EXPECT_EQ(centre(b.left, b.right), centre(key.left, key.right));
                    }
                    break;
                }
                default: {
                    EXPECT_EQ(b.left, was.left);
                    const int want = centre(key.top, key.bottom) - b.height() / 2;
                    if (want >= 0 && want + b.height() <= kPicture.bottom) {
                        EXPECT_EQ(centre(b.top, b.bottom), centre(key.top, key.bottom));
                    }
                }
                }
            }
        }
    }
}

TEST(AreaArrange, DistributeKeepsTheEndsAndMakesTheGapsEqualTheFirstOnesWider) {
    std::mt19937 rng(5);
    for (int round = 0; round < 400; ++round) {
        const auto areas = randomAreas(rng, 3 + round % 8);
        for (bool across : {true, false}) {
            const auto after = AreaArrange::apply(
                across ? Op::DistributeHorizontally : Op::DistributeVertically, areas, kPicture);
            const auto low = [across](const PixelRect& b) { return across ? b.left : b.top; };
            const auto high = [across](const PixelRect& b) { return across ? b.right : b.bottom; };
            std::vector<int> order(areas.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
                const PixelRect a = areas[std::size_t(x)].bounds(),
                                b = areas[std::size_t(y)].bounds();
                return low(a) != low(b) ? low(a) < low(b) : high(a) < high(b);
            });
            EXPECT_EQ(after[std::size_t(order.front())], areas[std::size_t(order.front())]);
            EXPECT_EQ(after[std::size_t(order.back())], areas[std::size_t(order.back())]);
            std::vector<int> gaps;
            for (std::size_t k = 0; k < order.size(); ++k) {
                const PixelRect b = after[std::size_t(order[k])].bounds(),
                                was = areas[std::size_t(order[k])].bounds();
                EXPECT_TRUE(inside(after[std::size_t(order[k])]));
                // Only along the axis, by a shift alone.
                EXPECT_EQ(after[std::size_t(order[k])], areas[std::size_t(order[k])].translated(
                                                            b.left - was.left, b.top - was.top));
                EXPECT_EQ(across ? b.top : b.left, across ? was.top : was.left);
                if (k > 0)
                    gaps.push_back(low(b) - high(after[std::size_t(order[k - 1])].bounds()));
            }
            // Equal, the extra pixels on the first gaps, unless the areas
            // overlap so far that one would leave the picture and is put
            // back inside.
            int sizes = 0;
            for (const PictureArea& a : areas)
                sizes += high(a.bounds()) - low(a.bounds());
            const int span = high(areas[std::size_t(order.back())].bounds()) -
                             low(areas[std::size_t(order.front())].bounds());
            if (sizes > span)
                continue;
            for (std::size_t g = 1; g < gaps.size(); ++g) {
                EXPECT_TRUE(gaps[g] == gaps[g - 1] || gaps[g] == gaps[g - 1] - 1);
                EXPECT_LE(gaps.front() - gaps[g], 1);
            }
        }
    }
}

TEST(AreaArrange, DistributeExample) {
    // Widths 10, 20, 10, 30 from 0 to 101: 31 pixels over 3 gaps, the
    // first gap takes the extra one.
    const std::vector<PictureArea> areas = {rect(0, 0, 10, 5), rect(40, 0, 60, 5),
                                            rect(45, 0, 55, 5), rect(71, 0, 101, 5)};
    const auto after = AreaArrange::apply(Op::DistributeHorizontally, areas, kPicture);
    EXPECT_EQ(after[0].rect, (PixelRect{0, 0, 10, 5}));
    EXPECT_EQ(after[1].rect, (PixelRect{21, 0, 41, 5}));
    EXPECT_EQ(after[2].rect, (PixelRect{51, 0, 61, 5}));
    EXPECT_EQ(after[3].rect, (PixelRect{71, 0, 101, 5}));
    // Two areas give nothing to distribute.
    const std::vector<PictureArea> two(areas.begin(), areas.begin() + 2);
    EXPECT_EQ(AreaArrange::apply(Op::DistributeHorizontally, two, kPicture), two);
}

TEST(AreaArrange, SameSizeResizesRectanglesAndPolygonsFromTheirCornerAndCirclesAboutTheirCentre) {
    const PictureArea key = rect(10, 10, 50, 30); // 40 x 20
    const PictureArea r = rect(100, 100, 110, 105);
    const PictureArea c = rect(200, 100, 220, 120, AreaShape::Circle);   // centre 210,110
    const PictureArea p = polygon({{300, 200}, {310, 200}, {300, 204}}); // box 11 x 5
    const std::vector<PictureArea> areas = {key, r, c, p};

    const auto width = AreaArrange::apply(Op::SameWidth, areas, kPicture);
    EXPECT_EQ(width[0], key);
    EXPECT_EQ(width[1].rect, (PixelRect{100, 100, 140, 105}));
    EXPECT_EQ(width[2].rect, (PixelRect{190, 90, 230, 130}));
    EXPECT_EQ(width[3].points, QPolygon({{300, 200}, {339, 200}, {300, 204}}));

    const auto height = AreaArrange::apply(Op::SameHeight, areas, kPicture);
    EXPECT_EQ(height[1].rect, (PixelRect{100, 100, 110, 120}));
    EXPECT_EQ(height[2].rect, (PixelRect{200, 100, 220, 120})); // already 20 high
    EXPECT_EQ(height[3].points, QPolygon({{300, 200}, {310, 200}, {300, 219}}));

    const auto size = AreaArrange::apply(Op::SameSize, areas, kPicture);
    EXPECT_EQ(size[1].rect, (PixelRect{100, 100, 140, 120}));
    EXPECT_EQ(size[2].rect, (PixelRect{190, 90, 230, 130}));
    EXPECT_EQ(size[3].bounds(), (PixelRect{300, 200, 340, 220}));

    // Grown past the picture's edge, an area comes back inside it.
    const std::vector<PictureArea> edge = {rect(0, 0, 100, 10), rect(350, 5, 360, 8)};
    EXPECT_EQ(AreaArrange::apply(Op::SameWidth, edge, kPicture)[1].rect,
              (PixelRect{300, 5, 400, 8}));
}

TEST(AreaArrange, SameSizeOverRandomAreasGivesTheKeysBoxInsideThePicture) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        const auto areas = randomAreas(rng, 2 + round % 6);
        const PixelRect key = areas.front().bounds();
        const auto after = AreaArrange::apply(Op::SameSize, areas, kPicture);
        for (std::size_t i = 0; i < after.size(); ++i) {
            const PixelRect b = after[i].bounds(), was = areas[i].bounds();
            EXPECT_TRUE(inside(after[i]));
            EXPECT_EQ(after[i].points.size(), areas[i].points.size());
            if (areas[i].shape == AreaShape::Circle) {
                EXPECT_EQ(b.width(), key.width());
                EXPECT_EQ(b.height(), key.width());
            } else if (areas[i].shape == AreaShape::Rectangle ||
                       (was.width() > 1 && was.height() > 1)) {
                EXPECT_EQ(b.width(), key.width());
                EXPECT_EQ(b.height(), key.height());
                if (was.left + key.width() <= kPicture.right) {
                    EXPECT_EQ(b.left, was.left);
                }
                if (was.top + key.height() <= kPicture.bottom) {
                    EXPECT_EQ(b.top, was.top);
                }
            }
        }
    }
}

TEST(AreaSelection, KeyOrderAndRenumbering) {
    AreaSelection s;
    EXPECT_EQ(s.key(), -1);
    s.add(5);
    s.add(2);
    s.add(8);
    EXPECT_FALSE(s.add(2));
    EXPECT_EQ(s.key(), 5);
    EXPECT_EQ(s.inMapOrder(), (std::vector<int>{2, 5, 8}));
    s.toggle(5);
    EXPECT_EQ(s.key(), 2) << "the next one selected becomes the key";
    s.toggle(5);
    EXPECT_EQ(s.indices(), (std::vector<int>{2, 8, 5}));

    s.areaRemoved(2); // 8 -> 7, 5 -> 4
    EXPECT_EQ(s.indices(), (std::vector<int>{7, 4}));
    EXPECT_FALSE(s.contains(8));
    s.areaMoved(7, 0); // 7 -> 0, 4 -> 5
    EXPECT_EQ(s.indices(), (std::vector<int>{0, 5}));
    s.areaInserted(3);
    EXPECT_EQ(s.indices(), (std::vector<int>{0, 6}));
    s.keepBelow(6);
    EXPECT_EQ(s.indices(), (std::vector<int>{0}));
    EXPECT_TRUE(s.contains(0));
    EXPECT_FALSE(s.contains(6));
}
