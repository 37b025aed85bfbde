#include "model/GuideValues.h"
#include "model/Settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <array>

#include <gtest/gtest.h>

namespace {

GuideValues grid(int across, int down, int width, int height) {
    GuideValues v;
    v.across = across;
    v.down = down;
    v.width = width;
    v.height = height;
    return v;
}

} // namespace

TEST(GuideValues, DefaultsHoldNoAreasSoOkIsDisabled) {
    const GuideValues v;
    EXPECT_EQ(v.boundsText(), "0,0 to 0,0 (0 areas)");
    EXPECT_FALSE(v.acceptable(400, 300));
}

TEST(GuideValues, GridMustFitThePicture) {
    GuideValues v = grid(8, 4, 50, 20);
    EXPECT_EQ(v.boundsText(), "0,0 to 400,80 (32 areas)");
    EXPECT_TRUE(v.acceptable(400, 80));
    v.across = 9;
    EXPECT_FALSE(v.acceptable(400, 80));
    v = grid(8, 4, 50, 20);
    v.spacingY = 1;
    EXPECT_FALSE(v.acceptable(400, 80));
}

// Numbers past 99,999 are refused, not cut down; guides
// need a size and a count, or Replace would delete and create nothing.
// The grid ends at the last guide's edge: guides laid over a button bar of
// the same numbers fit it exactly, with no spacing after the last one.
TEST(GuideValues, ExtentEndsAtTheLastGuide) {
    GuideValues v = grid(4, 1, 100, 41);
    v.spacingX = 5;
    EXPECT_EQ(v.boundsText(), "0,0 to 415,41 (4 areas)");
    EXPECT_TRUE(v.acceptable(415, 41));
    EXPECT_FALSE(v.acceptable(414, 41));
    v.spacingX = 4;
    EXPECT_EQ(v.right(), 412);
    v = grid(1, 2, 7, 10);
    v.spacingY = 3;
    v.spacingX = 50; // no second column: its spacing counts for nothing
    EXPECT_EQ(v.boundsText(), "0,0 to 7,23 (2 areas)");
    EXPECT_TRUE(v.acceptable(7, 23));
    EXPECT_FALSE(v.acceptable(7, 22));
}

TEST(GuideValues, OutOfRangeAndEmptyGridsAreRefused) {
    EXPECT_TRUE(grid(1, 1, 5000, 10).acceptable(6000, 6000)); // past the old 4,095
    EXPECT_TRUE(grid(1, 1, 30000, 10).acceptable(32000, 32000));
    EXPECT_FALSE(grid(1, 1, 7000, 10).acceptable(6000, 6000)); // past the picture
    EXPECT_FALSE(grid(1, 1, GuideValues::kMaxNumber + 1, 10).acceptable(1 << 20, 1 << 20));
    GuideValues v = grid(1, 1, 10, 10);
    v.spacingX = GuideValues::kMaxNumber + 1;
    EXPECT_FALSE(v.acceptable(1 << 20, 1 << 20));
    for (auto [across, down, width, height] : {std::array{0, 2, 5, 5}, std::array{2, 0, 5, 5},
                                               std::array{2, 2, 0, 5}, std::array{2, 2, 5, 0}}) {
        v = grid(across, down, width, height);
        v.spacingX = v.spacingY = 5; // the grid would still have an extent
        EXPECT_FALSE(v.acceptable(400, 300)) << across << down << width << height;
    }
}

TEST(GuideValues, NoMoreAreasThanAMapHolds) {
    EXPECT_TRUE(grid(33, 32, 1, 1).acceptable(1 << 20, 1 << 20)); // past the old 1,024
    EXPECT_FALSE(grid(401, 250, 1, 1).acceptable(1 << 20, 1 << 20));
    EXPECT_TRUE(grid(400, 250, 1, 1).acceptable(1 << 20, 1 << 20));
}

// The bounds read as two corners, x before y.
TEST(GuideValues, BoundsTextStartsAtTheLeftAndTopStart) {
    GuideValues v = grid(2, 3, 10, 20);
    v.leftStart = 5;
    v.topStart = 7;
    v.spacingX = 1;
    v.spacingY = 2;
    EXPECT_EQ(v.boundsText(), "5,7 to 26,71 (6 areas)");
    EXPECT_EQ(GuideValues::imageSizeText(640, 480), "640 x 480");
}

TEST(GuideValues, HugeGridsAreRefusedWithoutOverflow) {
    GuideValues v = grid(99999, 1, 99999, 99999);
    v.spacingX = 99999;
    EXPECT_FALSE(v.acceptable(1 << 30, 1 << 30));
    EXPECT_EQ(v.right(), 99999LL * 199997);

    // Two negative edges make a positive product, but no grid.
    v = grid(1, 1, 10, 10);
    v.leftStart = v.topStart = -30;
    EXPECT_FALSE(v.acceptable(400, 300));
}

TEST(GuideValues, NumberEditsKeepDigitsOnly) {
    EXPECT_FALSE(GuideValues::digitsOnly("1234"));
    EXPECT_FALSE(GuideValues::digitsOnly(""));
    EXPECT_EQ(GuideValues::digitsOnly("12a4"), QString("124"));
    EXPECT_EQ(GuideValues::digitsOnly("-5"), QString("5"));
    EXPECT_EQ(GuideValues::digitsOnly("x"), QString(""));
    EXPECT_EQ(GuideValues::numberOf("0042"), 42);
    EXPECT_EQ(GuideValues::numberOf(""), 0);
}

TEST(GuideValues, AcceptedValuesPersistUnderTheirNames) {
    QTemporaryDir dir;
    Settings::setStoreFolder(dir.path());
    EXPECT_EQ(GuideValues::load().width, 32); // first use: the defaults
    EXPECT_EQ(GuideValues::load().across, 0);

    GuideValues v = grid(8, 4, 50, 4095);
    v.spacingX = 3;
    v.leftStart = 7;
    v.baseUrl = "page%d.htm";
    v.store();

    const GuideValues loaded = GuideValues::load();
    EXPECT_EQ(loaded.width, 50);
    EXPECT_EQ(loaded.height, 4095);
    EXPECT_EQ(loaded.spacingX, 3);
    EXPECT_EQ(loaded.leftStart, 7);
    EXPECT_EQ(loaded.across, 8);
    EXPECT_EQ(loaded.down, 4);
    EXPECT_EQ(loaded.baseUrl, "page%d.htm");

    const QSettings ini(dir.path() + "/Corvane/Tessary.ini", QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/Width").toInt(), 50);
    EXPECT_EQ(ini.value("Settings/XOffset").toInt(), 7);
    EXPECT_EQ(ini.value("Settings/Left").toInt(), 3);
    EXPECT_EQ(ini.value("Settings/Across").toInt(), 8);
    EXPECT_EQ(ini.value("Settings/GuideBaseUrl").toString(), "page%d.htm");
}
