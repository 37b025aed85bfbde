#include "document/ImageMapDoc.h"
#include "model/MapCheckStatus.h"
#include "model/RegionTestSupport.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"

#include <QRandomGenerator>
#include <QRegion>

#include <gtest/gtest.h>

namespace {

// The state pane as the check leaves it.
class RecordingStatus : public MapCheckStatus {
public:
    void showState(int s, int number) override {
        state = s;
        area = number;
        ++shown;
    }
    int state = -2;
    int area = -2;
    int shown = 0;
};

std::unique_ptr<MapArea> shape(AreaShape kind, const PixelRect& r, const QByteArray& url = "u") {
    auto a = std::make_unique<MapArea>(kind);
    a->setRect(r);
    a->setUrl(url);
    return a;
}

std::unique_ptr<MapArea> polygon(const QList<QPoint>& points, const QByteArray& url = "u") {
    auto a = std::make_unique<MapArea>(AreaShape::Polygon);
    for (const QPoint& p : points)
        a->addVertex(p.x(), p.y());
    a->setUrl(url);
    return a;
}

// The passes are counted one area each here, as a pass of no time gives
// them; the pass time itself is tested on its own.
class Check : public ::testing::Test {
protected:
    Check() { doc.setMapCheckPassTime(std::chrono::microseconds(0)); }
    void add(std::unique_ptr<MapArea> a) { doc.addArea(std::move(a)); }
    QList<int> flags() const {
        QList<int> out;
        for (int i = 0; i < doc.areaCount(); ++i)
            out << (doc.area(i)->obscured() ? 1 : 0);
        return out;
    }
    void run() { doc.runMapCheck(&status); }

    CImageMapDoc doc;
    RecordingStatus status;
};

} // namespace

TEST_F(Check, SecondOfTwoIdenticalRectanglesIsObscured) {
    add(shape(AreaShape::Rectangle, {10, 10, 50, 40}));
    add(shape(AreaShape::Rectangle, {10, 10, 50, 40}));
    run();
    EXPECT_EQ(flags(), QList<int>({0, 1}));
    EXPECT_EQ(status.state, MapCheckStatus::Obscured);
    EXPECT_EQ(status.area, 2);
    EXPECT_EQ(doc.mapCheck().firstObscured, 2);
}

TEST_F(Check, SmallCircleIsObscuredOnlyBehindTheRectangle) {
    add(shape(AreaShape::Rectangle, {0, 0, 200, 200}));
    add(shape(AreaShape::Circle, {50, 50, 80, 80}));
    run();
    EXPECT_EQ(flags(), QList<int>({0, 1}));

    doc.moveArea(1, 0);
    run();
    EXPECT_EQ(flags(), QList<int>({0, 0})); // the circle in front is no longer flagged
    EXPECT_EQ(status.state, MapCheckStatus::Clean);
    EXPECT_EQ(status.area, -1);
}

TEST_F(Check, RectangleCoveredByTwoHalvesIsObscured) {
    add(shape(AreaShape::Rectangle, {0, 0, 50, 100}));
    add(shape(AreaShape::Rectangle, {50, 0, 100, 100}));
    add(shape(AreaShape::Rectangle, {10, 10, 90, 90}));
    add(shape(AreaShape::Rectangle, {10, 10, 101, 90})); // one column sticks out
    run();
    EXPECT_EQ(flags(), QList<int>({0, 0, 1, 0}));
    EXPECT_EQ(status.area, 3);
}

TEST_F(Check, MissingUrlTakesPrecedenceOverObscured) {
    add(shape(AreaShape::Rectangle, {0, 0, 100, 100}));
    add(shape(AreaShape::Rectangle, {10, 10, 20, 20}));
    add(shape(AreaShape::Circle, {200, 0, 300, 100}, {}));
    add(shape(AreaShape::Circle, {300, 0, 400, 100}, {}));
    run();
    EXPECT_EQ(status.state, MapCheckStatus::MissingUrl);
    EXPECT_EQ(status.area, 3);
    EXPECT_EQ(doc.mapCheck().firstMissingUrl, 3);
    EXPECT_EQ(doc.mapCheck().firstObscured, 2);
}

// Regions follow the platform: a rectangle leaves out its right edge, and a
// polygon traced twice round fills its inside by the winding rule.
TEST_F(Check, RegionEdgesFollowThePlatformRules) {
    add(shape(AreaShape::Rectangle, {0, 0, 100, 100}));
    add(shape(AreaShape::Rectangle, {0, 0, 101, 100})); // needs column 100
    add(polygon(
        {{200, 0}, {300, 0}, {300, 100}, {200, 100}, {200, 0}, {300, 0}, {300, 100}, {200, 100}}));
    add(shape(AreaShape::Circle, {210, 10, 290, 90}));
    run();
    EXPECT_EQ(flags(), QList<int>({0, 0, 0, 1}));
}

// An area without a region adds nothing and is never flagged; in particular
// one at the front does not stand for a region covering everything.
TEST_F(Check, AreasWithoutRegionCoverNothing) {
    add(polygon({{0, 0}, {3000, 3000}})); // two vertices: no region
    add(shape(AreaShape::Rectangle, {10, 10, 20, 20}));
    add(polygon({{10, 10}, {20, 20}}));
    // From a run before it lost its third vertex, as only the check writes it.
    const_cast<MapArea*>(doc.area(2))->setObscured(true);
    run();
    EXPECT_EQ(flags(), QList<int>({0, 0, 0}));
    EXPECT_EQ(status.state, MapCheckStatus::Clean);
}

TEST_F(Check, RunSpansOnePassPerAreaAndOneToReport) {
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    EXPECT_TRUE(doc.runMapCheckStep(0, &status));
    EXPECT_TRUE(doc.runMapCheckStep(1, &status));
    EXPECT_EQ(status.shown, 0);
    EXPECT_FALSE(doc.runMapCheckStep(2, &status));
    EXPECT_EQ(status.shown, 1);
    EXPECT_EQ(status.state, MapCheckStatus::Obscured);
}

TEST_F(Check, OnlyTheActiveDocumentReports) {
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    doc.runMapCheck(nullptr);
    EXPECT_EQ(flags(), QList<int>({0, 1}));
    EXPECT_EQ(status.shown, 0);
}

TEST_F(Check, EmptyMapReportsCleanAtOnce) {
    EXPECT_FALSE(doc.runMapCheckStep(0, &status));
    EXPECT_EQ(status.state, MapCheckStatus::Clean);
    EXPECT_EQ(status.area, -1);
    // The passes go on for other maps: this one has said all it had to.
    for (int n = 1; n < 5; ++n)
        EXPECT_FALSE(doc.runMapCheckStep(n, &status));
    EXPECT_EQ(status.shown, 1);

    // A run whose areas all go away ends clean, once.
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}, ""));
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    EXPECT_TRUE(doc.runMapCheckStep(0, &status));
    doc.deleteAllAreas();
    EXPECT_FALSE(doc.runMapCheckStep(1, &status));
    EXPECT_FALSE(doc.runMapCheckStep(2, &status));
    EXPECT_EQ(status.shown, 2);
    EXPECT_EQ(status.state, MapCheckStatus::Clean);
}

// The idle pass number is the application's: a document that meets the
// passes in the middle waits for them to start again at 0.
TEST_F(Check, PassesOutOfSequenceWaitForTheNextRun) {
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    EXPECT_FALSE(doc.runMapCheckStep(1, &status));
    EXPECT_FALSE(doc.runMapCheckStep(2, &status));
    EXPECT_EQ(flags(), QList<int>({0, 0}));
    EXPECT_EQ(status.shown, 0);

    // An interrupted run leaves the flags it did not reach as they were.
    const_cast<MapArea*>(doc.area(1))->setObscured(true);
    EXPECT_TRUE(doc.runMapCheckStep(0, &status));
    EXPECT_TRUE(doc.runMapCheckStep(0, &status));
    EXPECT_TRUE(doc.area(1)->obscured());
    EXPECT_EQ(status.shown, 0);

    // Areas deleted under a run end it without a report.
    add(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    for (int n = 0; n < 3; ++n)
        EXPECT_TRUE(doc.runMapCheckStep(n, &status));
    doc.deleteArea(2);
    doc.deleteArea(1);
    EXPECT_FALSE(doc.runMapCheckStep(3, &status));
    EXPECT_EQ(status.shown, 0);
}

// Mixed shapes at different zooms against the platform's own region
// arithmetic: obscured means (R & union of earlier regions) == R.
TEST_F(Check, AgreesWithPlatformRegionsOnMixedMaps) {
    QRandomGenerator random(23);
    for (int map = 0; map < 40; ++map) {
        CImageMapDoc d;
        for (int i = 0; i < 40; ++i) {
            const int l = int(random.bounded(150)), t = int(random.bounded(150));
            const int w = 1 + int(random.bounded(map % 2 ? 30 : 120));
            const int h = 1 + int(random.bounded(map % 2 ? 30 : 120));
            const int kind = int(random.bounded(3));
            if (kind == 2) {
                QList<QPoint> points;
                for (int k = 0; k < 3 + int(random.bounded(18)); ++k)
                    points << QPoint(l + int(random.bounded(w)), t + int(random.bounded(h)));
                d.addArea(polygon(points));
            } else {
                d.addArea(shape(AreaShape(kind), {l, t, l + w, t + h}));
            }
        }
        d.runMapCheck(nullptr);
        QRegion covered;
        for (int i = 0; i < d.areaCount(); ++i) {
            QRegion r;
            if (!d.area(i)->makeRegion(r)) {
                EXPECT_FALSE(d.area(i)->obscured());
                continue;
            }
            ASSERT_EQ(d.area(i)->obscured(), i > 0 && (r & covered) == r)
                << "map " << map << " area " << i;
            covered += r;
        }
    }
}

TEST(ClipAreas, OnlyTheAreasBeyondThePictureMove) {
    ScriptedPrompter prompter;
    FakePictureSource pictures;
    pictures.width = 200;
    pictures.height = 100;
    CImageMapDoc doc(nullptr, &pictures);
    ASSERT_TRUE(doc.newDocument({QString(), "/pics/a.png", false}));
    for (int i = 0; i < 7; ++i)
        doc.addArea(shape(AreaShape(i % 2), {10 * i, 10, 10 * i + 10, 20}));
    doc.addArea(shape(AreaShape::Rectangle, {150, 50, 250, 90}));
    doc.addArea(shape(AreaShape::Circle, {-20, 60, 20, 100}));
    doc.addArea(polygon({{10, 10}, {230, 40}, {10, 120}}));
    doc.setModified(false);

    prompter.script({Prompter::Answer::No});
    EXPECT_FALSE(doc.clipAreasToImage());
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("3 out of 10 areas need to be clipped."));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.area(7)->imageRect(), (PixelRect{150, 50, 250, 90}));

    prompter.script({Prompter::Answer::Yes});
    EXPECT_TRUE(doc.clipAreasToImage());
    EXPECT_TRUE(doc.isModified());
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(doc.area(i)->imageRect(), (PixelRect{10 * i, 10, 10 * i + 10, 20}));
    EXPECT_EQ(doc.area(7)->imageRect(), (PixelRect{150, 50, 200, 90}));
    EXPECT_EQ(doc.area(8)->imageRect(), (PixelRect{0, 60, 20, 100}));
    EXPECT_EQ(doc.area(9)->vertex(1), QPoint(200, 40));
    EXPECT_EQ(doc.area(9)->vertex(2), QPoint(10, 100));
    for (int i = 0; i < doc.areaCount(); ++i)
        EXPECT_TRUE(doc.area(i)->isInside(doc.imageBounds())) << i;
}

// With its pass time a run takes as many areas per pass as fit it: a small
// map is checked and reported in the pass that starts it, and a map of
// 30,000 areas in far fewer passes than areas, with the very findings of a
// run of one area per pass.
TEST_F(Check, PassTimeTakesManyAreasPerPassWithTheSameFindings) {
    CImageMapDoc small;
    small.addArea(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    small.addArea(shape(AreaShape::Rectangle, {0, 0, 10, 10}));
    EXPECT_FALSE(small.runMapCheckStep(0, &status));
    EXPECT_EQ(status.shown, 1);
    EXPECT_EQ(status.state, MapCheckStatus::Obscured);
    EXPECT_EQ(status.area, 2);

    QRandomGenerator random(5);
    std::vector<PictureArea> areas;
    for (int i = 0; i < 30000; ++i) {
        const int x = int(random.bounded(3000)), y = int(random.bounded(3000)),
                  s = 4 + int(random.bounded(40));
        auto a = i % 5 == 4 ? polygon({{x, y}, {x + s, y}, {x + s / 2, y + s}})
                            : shape(i % 2 ? AreaShape::Circle : AreaShape::Rectangle,
                                    {x, y, x + s, y + s}, i == 29000 ? "" : "u");
        areas.push_back(a->picture());
    }
    CImageMapDoc timed;
    ASSERT_EQ(timed.addAreas(areas, 0), 0);
    doc.addAreas(areas, 0);
    ASSERT_EQ(timed.areaCount(), 30000);
    int passes = 0;
    RecordingStatus timedStatus;
    while (timed.runMapCheckStep(passes, &timedStatus))
        ++passes;
    run();
    EXPECT_LT(passes, 3000);
    for (int i = 0; i < 30000; ++i)
        ASSERT_EQ(timed.area(i)->obscured(), doc.area(i)->obscured()) << i;
    EXPECT_EQ(timedStatus.state, MapCheckStatus::MissingUrl);
    EXPECT_EQ(timedStatus.area, 29001);
    EXPECT_EQ(timedStatus.state, status.state);
    EXPECT_GT(timed.mapCheck().firstObscured, 0);
}
