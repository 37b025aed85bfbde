// What a visitor's click follows: checked pixel for pixel against the
// areas' own regions, whatever zoom and scroll position the areas are held
// at.
#include "model/ClickTargets.h"
#include "model/MapArea.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

std::unique_ptr<MapArea> randomArea(std::mt19937& rng, int index) {
    auto coordinate = [&rng] { return int(rng() % 80) - 10; };
    const auto shape = AreaShape(rng() % 3);
    auto area = std::make_unique<MapArea>(shape);
    if (shape == AreaShape::Polygon) {
        const int n = 1 + int(rng() % 8); // two and fewer vertices hold no pixel
        for (int i = 0; i < n; ++i)
            area->addVertex(coordinate(), coordinate());
    } else {
        area->setRect(coordinate(), coordinate(), coordinate(), coordinate());
    }
    area->setUrl("area" + QByteArray::number(index) + ".htm");
    return area;
}

} // namespace

TEST(ClickTargetsTest, AClickFollowsTheFirstAreaWhoseRegionHoldsThePixel) {
    std::mt19937 rng(18);
    const QSize picture(60, 50);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::unique_ptr<MapArea>> areas;
        std::vector<QRegion> regions;
        ClickTargets targets(picture, "default.htm");
        for (int i = 0; i < 6; ++i) {
            areas.push_back(randomArea(rng, i));
            QRegion region;
            areas.back()->makeRegion(region);
            regions.push_back(region);
            targets.add(*areas.back());
        }
        for (int y = -3; y < picture.height() + 3; ++y) {
            for (int x = -3; x < picture.width() + 3; ++x) {
                int expected = ClickTargets::kNoArea;
                if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
                    expected = ClickTargets::kOutsidePicture;
                for (int i = 0; expected == ClickTargets::kNoArea && i < 6; ++i) {
                    if (regions[i].contains(QPoint(x, y)))
                        expected = i;
                }
                ASSERT_EQ(targets.targetAt({x, y}), expected)
                    << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

TEST(ClickTargetsTest, TheUrlShownIsTheAreasTheDefaultOrNothing) {
    MapArea circle(AreaShape::Circle);
    circle.setRect(10, 10, 50, 50);
    circle.setUrl("round.htm");
    MapArea square(AreaShape::Rectangle);
    square.setRect(30, 30, 70, 70);
    square.setUrl("square.htm");
    ClickTargets targets(QSize(100, 100), "index.htm");
    targets.add(circle);
    targets.add(square);

    // Where they overlap the earlier area wins.
    EXPECT_EQ(targets.urlOf(targets.targetAt({35, 35})), "round.htm");
    EXPECT_EQ(targets.urlOf(targets.targetAt({60, 60})), "square.htm");
    // The circle's box holds its corner, the circle does not: a visitor's
    // click there follows the default URL.
    EXPECT_EQ(targets.targetAt({11, 11}), ClickTargets::kNoArea);
    EXPECT_EQ(targets.urlOf(targets.targetAt({11, 11})), "index.htm");
    // A rectangle's right and bottom edges are outside it.
    EXPECT_EQ(targets.targetAt({70, 50}), ClickTargets::kNoArea);
    // Off the picture nothing is shown.
    EXPECT_EQ(targets.targetAt({100, 50}), ClickTargets::kOutsidePicture);
    EXPECT_EQ(targets.urlOf(ClickTargets::kOutsidePicture), QByteArray());
}
