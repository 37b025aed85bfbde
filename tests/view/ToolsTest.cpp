// The tools and their interactions without a window, through ToolHost:
// handle and body drags in picture pixels at every zoom and scroll
// position, circles, squares, bounds, polygons and the hit search.
#include "ViewTestSupport.h"

#include "view/CircleCreation.h"
#include "view/FrameDrag.h"
#include "view/PolygonDrag.h"
#include "view/PolygonRubberBand.h"
#include "view/ShapeTool.h"
#include "view/ToolHost.h"

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

// A view without a window: areas are laid out for each hit test.
class FakeHost : public ToolHost {
public:
    CImageMapDoc* doc = nullptr;
    ZoomLevel z;
    QPoint scroll;
    int sel = -1, fly = -1;
    QList<CommandId> posted;
    std::function<void(QPainter&)> feedback;
    QList<QRect> repaints;

    CImageMapDoc* document() const override { return doc; }
    ZoomLevel zoom() const override { return z; }
    QPoint scrollPosition() const override { return scroll; }
    QRect windowRect() const override { return QRect(0, 0, 800, 600); }
    int selected() const override { return sel; }
    void setSelected(int i) override { sel = i; }
    int flyby() const override { return fly; }
    void setFlyby(int i) override { fly = i; }
    void areaTip(int, QPoint) override {}
    void setFeedbackPainter(std::function<void(QPainter&)> p) override { feedback = std::move(p); }
    void repaintWindowRect(const QRect& r) override { repaints << r; }
    StatusPanes* statusPanes() const override { return nullptr; }
    void postCommand(CommandId id) override { posted << id; }
    void view(ZoomLevel zoom, QPoint scrollTo) {
        z = zoom;
        scroll = scrollTo;
    }
    // The window point inside picture pixel p, `into` window pixels past its corner.
    QPoint at(QPoint p, int into = 0) const { return windowAt(p) + QPoint(into, into); }
};

class Tools : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        Settings::app().areaPrompt = true;
        doc = documentWith(pictures, solid(200, 150, 0xff808080));
        host.doc = doc.get();
    }
    const MapArea* rect(PixelRect r, AreaShape shape = AreaShape::Rectangle) {
        return addRect(*doc, r, shape);
    }
    // A press-move-release of interaction i.
    static void drag(ViewInteraction& i, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier) {
        i.move(to, m);
        i.release(to);
    }

    StubPictures pictures;
    std::unique_ptr<CImageMapDoc> doc;
    FakeHost host;
};

TEST(GridSnapTest, SnapsInPicturePixelsWithFloorDivision) {
    const GridSnap grid(GridSettings{true, 1, 15, 10, 3, 4});
    EXPECT_EQ(grid.snap({17, 13}), QPoint(3, 4));
    EXPECT_EQ(grid.snap({18, 14}), QPoint(18, 14));
    EXPECT_EQ(grid.snap({2, 3}), QPoint(-12, -6)); // before the offset: the line before it
    EXPECT_EQ(GridSnap(GridSettings{}).snap({17, 13}), QPoint(17, 13));
}

// A window point lands on the picture pixel whose square holds it (below
// 1:1, the one at the centre of the block the window pixel stands for), and
// a picture pixel's corner maps back into that window pixel.
TEST(ViewMappingTest, WindowAndPicturePixelsMeetAtEveryLevel) {
    EXPECT_EQ((ViewMapping{ZoomLevel::in(3), {}}).pictureAt({-1, 5}), QPoint(-1, 1));
    EXPECT_EQ((ViewMapping{ZoomLevel::in(3), {7, 1}}).pictureAt({5, 5}), QPoint(4, 2));
    EXPECT_EQ((ViewMapping{ZoomLevel::out(4), {}}).pictureAt({0, 1}), QPoint(2, 6));
    for (ZoomLevel z : ZoomLevel::levels()) {
        const ViewMapping m{z, {13, 7}};
        for (QPoint w : {QPoint(0, 0), QPoint(5, 9), QPoint(-3, 40)}) {
            const QPoint p = m.pictureAt(w);
            EXPECT_EQ(m.windowAt(p).x(), w.x() - (z.isMagnifying() ? (w.x() + 13) % z.num() : 0))
                << z.text().toStdString();
            EXPECT_EQ(m.windowRectOf({p.x(), p.y(), p.x() + 1, p.y() + 1}).width(),
                      std::max(1, z.num()));
        }
    }
}

// Whatever the zoom, scroll position and grid, a corner drag moves the
// dragged edges by the mouse's travel in picture pixels (snapped with the
// grid on; a circle then takes the longer side), and the area lands
// exactly where its feedback showed.
TEST_F(Tools, HandleDragsLandOnThePixelsTheFeedbackShowedAtEveryZoomAndScroll) {
    rect({20, 20, 60, 50});
    rect({20, 20, 60, 50}, AreaShape::Circle);
    for (bool gridOn : {false, true}) {
        Settings::app().grid = {gridOn, 1, 15, 15, 3, 3};
        const GridSnap snap = GridSnap::current();
        for (ZoomLevel zoom : ZoomLevel::levels()) {
            for (QPoint scroll : {QPoint(0, 0), QPoint(7, 13), QPoint(50, 31)}) {
                for (int i : {0, 1}) {
                    const MapArea* a = doc->area(i);
                    doc->changeArea(i, [](MapArea& m) { m.setRect({20, 20, 60, 50}); });
                    host.view(zoom, scroll);
                    const PixelRect h = host.geometryOf(i).handle(AreaHit::BottomRight);
                    const QPoint press(h.left + h.width() / 2, h.top + h.height() / 2);
                    const int n = zoom.num();
                    const QPoint to = zoom.isReducing()
                                          ? press + QPoint(3, 2)
                                          : press + QPoint(37, 23) * n + QPoint(n - 1, 0);
                    const QPoint travel = host.pictureAt(to) - host.pictureAt(press);
                    auto d = FrameDrag::reshape(host, i, AreaHit::BottomRight, press);
                    ASSERT_TRUE(d);
                    drag(*d, to);
                    PixelRect want{20, 20, snap.snapX(60 + travel.x()),
                                   snap.snapY(50 + travel.y())};
                    if (i == 1)
                        want.right = want.bottom = 20 + std::max(want.width(), want.height());
                    EXPECT_EQ(d->now(), want);
                    EXPECT_EQ(a->imageRect(), want)
                        << "zoom " << zoom.text().toStdString() << " scroll " << scroll.x()
                        << " grid " << gridOn << " area " << i;
                }
            }
        }
    }
}

TEST_F(Tools, BodyDragIsPushedBackInsideAndHandlesAreClampedToThePicture) {
    const MapArea* a = rect({20, 20, 60, 50});
    host.view(ZoomLevel::in(3), {10, 5});
    auto d = FrameDrag::reshape(host, 0, AreaHit::Body, host.at({30, 30}, 1));
    drag(*d, host.at({30 - 100, 30 + 500}, 1));
    EXPECT_EQ(a->imageRect(), (PixelRect{0, 120, 40, 150}));
    d = FrameDrag::reshape(host, 0, AreaHit::TopLeft, host.at({0, 120}));
    drag(*d, host.at({-30, -900}));
    EXPECT_EQ(a->imageRect(), (PixelRect{0, 0, 40, 150}));
    // Dragged past the opposite edge, the edges swap.
    d = FrameDrag::reshape(host, 0, AreaHit::Left, host.at({0, 60}));
    drag(*d, host.at({70, 60}));
    EXPECT_EQ(a->imageRect(), (PixelRect{40, 0, 70, 150}));
}

TEST_F(Tools, ShiftSquaresARectangleAndACircleStaysACircle) {
    const MapArea* r = rect({20, 20, 60, 50});
    host.view(ZoomLevel::in(2), {4, 0});
    auto d = FrameDrag::reshape(host, 0, AreaHit::BottomRight, host.at({60, 50}));
    drag(*d, host.at({90, 60}), Qt::ShiftModifier);
    EXPECT_EQ(r->imageRect(), (PixelRect{20, 20, 60, 60})); // the shorter side, 40
    const MapArea* c = rect({100, 40, 140, 80}, AreaShape::Circle);
    d = FrameDrag::reshape(host, 1, AreaHit::TopLeft, host.at({100, 40}));
    drag(*d, host.at({90, 35}));
    EXPECT_EQ(c->imageRect(), (PixelRect{90, 30, 140, 80})); // the longer side, 50, corner kept
    d = FrameDrag::reshape(host, 1, AreaHit::Right, host.at({140, 55}));
    drag(*d, host.at({150, 55}));
    EXPECT_EQ(c->imageRect(), (PixelRect{90, 25, 150, 85})); // 60 about the centre row 55
    // A step that would take the circle off the picture is not taken.
    d = FrameDrag::reshape(host, 1, AreaHit::Left, host.at({90, 55}));
    drag(*d, host.at({0, 55}));
    EXPECT_EQ(c->imageRect(), (PixelRect{90, 25, 150, 85}));
}

TEST_F(Tools, CircleOfRadiusTwoIsRefusedAndThreeMadeThenEditAreaInfoIsPosted) {
    host.view(ZoomLevel::in(4), {12, 8});
    auto c = CircleCreation::begin(host, host.at({50, 50}, 2));
    drag(*c, host.at({52, 50}, 3));
    EXPECT_EQ(doc->areaCount(), 0);
    EXPECT_TRUE(host.posted.isEmpty());
    c = CircleCreation::begin(host, host.at({50, 50}, 2));
    drag(*c, host.at({53, 50}, 3));
    ASSERT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{47, 47, 53, 53}));
    EXPECT_EQ(doc->area(0)->circle().radius, 3);
    EXPECT_EQ(host.sel, 0);
    EXPECT_EQ(host.posted, QList<CommandId>{CommandId::EditAreaInfo});
    EXPECT_FALSE(host.feedback); // the feedback is gone
}

TEST_F(Tools, NewRectangleNeedsAPixelEachWayAndSnapsToTheGrid) {
    Settings::app().areaPrompt = false;
    Settings::app().grid = {true, 1, 10, 10, 0, 0};
    host.view(ZoomLevel::in(3), {5, 5});
    auto d = FrameDrag::create(host, host.at({23, 27}, 1));
    drag(*d, host.at({29, 47}, 2));
    EXPECT_EQ(doc->areaCount(), 0); // width 0 after snapping
    d = FrameDrag::create(host, host.at({23, 27}, 1));
    drag(*d, host.at({44, 47}, 2));
    ASSERT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{20, 20, 40, 40}));
    EXPECT_EQ(host.sel, -1); // without Area Prompt nothing is selected
    EXPECT_TRUE(host.posted.isEmpty());
}

TEST_F(Tools, PolygonClosesInTheBoxAfterThreePointsAndIsDiscardedAfterTwo) {
    host.view(ZoomLevel::in(5), {20, 10});
    auto p = PolygonRubberBand::begin(host, host.at({10, 10}, 2));
    p->release(host.at({10, 10}, 2));
    p->press(host.at({60, 12}), {});
    p->press(host.windowAt({10, 10}) + QPoint(2, -2), {}); // in the box
    EXPECT_TRUE(p->done());
    EXPECT_EQ(doc->areaCount(), 0);

    p = PolygonRubberBand::begin(host, host.at({10, 10}, 2));
    for (QPoint v : {QPoint(60, 12), QPoint(40, 70)})
        p->press(host.at(v, 4), {});
    p->move(host.at({50, 50}), {});
    EXPECT_FALSE(p->done());
    p->press(host.windowAt({10, 10}) + QPoint(-2, 2), {});
    ASSERT_TRUE(p->done());
    ASSERT_EQ(doc->areaCount(), 1);
    const MapArea& a = *doc->area(0);
    ASSERT_EQ(a.vertexCount(), 3);
    EXPECT_EQ(a.vertex(0), QPoint(10, 10));
    EXPECT_EQ(a.vertex(1), QPoint(60, 12));
    EXPECT_EQ(a.vertex(2), QPoint(40, 70));
}

// Drawing goes on past the old stop at the 63rd point.
TEST_F(Tools, PolygonTakesHundredsOfVerticesAndADoubleClickEndsIt) {
    auto p = PolygonRubberBand::begin(host, host.at({0, 0}));
    for (int i = 1; i < 300; ++i)
        p->press(host.at({(i * 7) % 390 + 1, (i % 2) * 40 + 20 + i / 56}), {});
    EXPECT_EQ(p->vertices().size(), 300);
    p->doubleClick(host.at({190, 100}));
    ASSERT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(doc->area(0)->vertexCount(), 300);
}

TEST_F(Tools, PolygonVertexAndBodyDragsStayOnThePicture) {
    const MapArea* a = addPolygon(*doc, {{10, 10}, {50, 10}, {30, 40}});
    host.view(ZoomLevel::in(3), {6, 3});
    auto d = PolygonDrag::begin(host, 0, 1, host.at({50, 10}));
    drag(*d, host.at({250, 20}));
    EXPECT_EQ(a->vertex(1), QPoint(200, 20)); // the picture's far edge
    d = PolygonDrag::begin(host, 0, -1, host.at({30, 20}));
    drag(*d, host.at({30 - 50, 20 + 7}));
    EXPECT_EQ(a->vertex(0), QPoint(0, 17));
    EXPECT_EQ(a->vertex(1), QPoint(190, 27));
    d = PolygonDrag::begin(host, 0, -1, host.at({30, 20}));
    d->move(host.at({60, 60}), {});
    d->cancel();
    EXPECT_EQ(a->vertex(0), QPoint(0, 17));
}

// Shift searches from the back; a drawing tool passes over bodies unless
// Ctrl is held, but takes handles.
TEST_F(Tools, HitOrderAndWhatCountsForADrawingTool) {
    rect({20, 20, 80, 80});
    rect({50, 50, 120, 120});
    host.view(ZoomLevel::in(2), {0, 0});
    ShapeTool tool(host, AreaShape::Rectangle);
    const QPoint both = host.at({60, 60}, 1);
    EXPECT_FALSE(tool.hitAt(both, {}).found());
    EXPECT_EQ(tool.hitAt(both, Qt::ControlModifier).index, 0);
    EXPECT_EQ(tool.hitAt(both, Qt::ControlModifier | Qt::ShiftModifier).index, 1);
    EXPECT_EQ(tool.hitAt(host.at({120, 120}, 1), {}).code, AreaHit::BottomRight);

    Settings::app().areaPrompt = false;
    auto i = tool.press(both, {}); // a new area inside the others
    ASSERT_TRUE(i);
    drag(*i, host.at({70, 70}));
    EXPECT_EQ(doc->areaCount(), 3);
    EXPECT_EQ(doc->area(2)->imageRect(), (PixelRect{60, 60, 70, 70}));
    i = tool.press(both, Qt::ControlModifier); // the front area's body
    drag(*i, host.at({65, 60}, 1));
    EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{25, 20, 85, 80}));
}

} // namespace
