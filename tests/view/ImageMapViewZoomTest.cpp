#include "ViewTestSupport.h"

#include "model/CommandIds.h"
#include "support/TestPictures.h"
#include "view/ToolZoomState.h"
#include "view/ZoomMenu.h"

#include <QMenu>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class ViewZoomTest : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }

    StubPictures m_pictures;
    RecordingPanes m_panes;
};

CommandState stateOf(CImageMapView& view, CommandId id) {
    CommandState state;
    EXPECT_TRUE(view.onUpdateCommand(int(id), state));
    return state;
}

} // namespace

TEST(ToolZoomStateTest, ClampsTheZoomAndKeepsOneTool) {
    ToolZoomState s;
    EXPECT_TRUE(s.isArrow());
    EXPECT_FALSE(s.isDrawingTool());
    EXPECT_EQ(s.zoom(), 1);
    s.zoomOut();
    EXPECT_EQ(s.zoom(), 1);
    s.setZoom(20);
    EXPECT_EQ(s.zoom(), 8);
    s.zoomIn();
    EXPECT_EQ(s.zoom(), 8);
    s.setZoom(-3);
    EXPECT_EQ(s.zoom(), 1);
    s.setTool(ToolZoomState::Tool::Polygon);
    EXPECT_TRUE(s.isPolygon());
    EXPECT_FALSE(s.isArrow() || s.isRectangle() || s.isCircle());
    EXPECT_TRUE(s.isDrawingTool());
}

TEST_F(ViewZoomTest, FirstShowingFitsSmallPicturesToTheWindow) {
    struct Case {
        QSize picture, window;
        bool maximize, fit;
        int zoom;
    };
    const Case cases[] = {
        {{100, 80}, {500, 300}, true, true, 3},  // min(5, 3)
        {{40, 30}, {800, 600}, true, true, 8},   // not 20:1
        {{500, 300}, {500, 300}, true, true, 1}, // as large as the window
        {{240, 100}, {500, 300}, true, true, 2}, // wider than half the window
        {{100, 80}, {500, 300}, false, true, 1}, // fit only with MaximizeOnOpen
        {{100, 80}, {500, 300}, true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width() << "x" << c.picture.height() << " in "
                                        << c.window.width() << "x" << c.window.height());
        Settings::app().maximizeOnOpen = c.maximize;
        Settings::app().zoomToFit = c.fit;
        auto doc =
            documentWith(m_pictures, TestPictures::rgb(c.picture.width(), c.picture.height()));
        CImageMapView view(doc.get(), &m_panes);
        view.resize(c.window);
        view.show();
        QCoreApplication::processEvents(); // the first showing is queued
        EXPECT_TRUE(view.firstShowDone());
        EXPECT_EQ(view.zoom(), c.zoom);
        EXPECT_EQ(view.scaledImageSize(), c.picture * c.zoom);
        view.applyFirstShow(); // once only
        EXPECT_EQ(view.zoom(), c.zoom);
    }
}

TEST_F(ViewZoomTest, FittedPictureIsStretchedByStraightCopy) {
    Settings::app().zoomToFit = true;
    const QImage picture = TestPictures::rgb(100, 80);
    auto doc = documentWith(m_pictures, picture);
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 500, 300);
    ASSERT_EQ(view.zoom(), 3);
    EXPECT_EQ(m_panes.zooms.last(), 3);
    const QImage shown = shot(view);
    for (QPoint p : {QPoint(0, 0), QPoint(10, 20), QPoint(99, 79), QPoint(57, 3)}) {
        for (QPoint d : {QPoint(0, 0), QPoint(2, 1), QPoint(1, 2)})
            EXPECT_EQ(shown.pixel(p * 3 + d), picture.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST_F(ViewZoomTest, ZoomCommandsFollowTheZoomLimits) {
    auto doc = documentWith(m_pictures, solid(40, 30, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    view.setZoom(8);
    EXPECT_FALSE(stateOf(view, CommandId::ZoomIn).enabled);
    EXPECT_TRUE(stateOf(view, CommandId::ZoomOut).enabled);
    for (int n = 1; n <= 8; ++n) {
        const CommandState s = stateOf(view, CommandId(int(CommandId::Zoom1) + n - 1));
        EXPECT_TRUE(s.enabled);
        EXPECT_TRUE(s.radio);
        EXPECT_EQ(s.checked, n == 8) << n;
    }
    EXPECT_TRUE(view.onCommand(int(CommandId::ZoomIn)));
    EXPECT_EQ(view.zoom(), 8);

    EXPECT_TRUE(view.onCommand(int(CommandId::ZoomOut)));
    EXPECT_EQ(view.zoom(), 7);
    EXPECT_EQ(m_panes.zooms.last(), 7);
    EXPECT_TRUE(view.onCommand(int(CommandId::Zoom2)));
    EXPECT_EQ(view.zoom(), 2);
    view.onCommand(int(CommandId::ZoomOut));
    EXPECT_FALSE(stateOf(view, CommandId::ZoomOut).enabled);
    view.onCommand(int(CommandId::ZoomOut));
    EXPECT_EQ(view.zoom(), 1);

    // Other commands go on along the chain.
    CommandState other;
    EXPECT_FALSE(view.onCommand(int(CommandId::Delete)));
    EXPECT_FALSE(view.onUpdateCommand(int(CommandId::Delete), other));
}

TEST_F(ViewZoomTest, ZoomMenuMarksTheCurrentZoomAndZooms) {
    auto doc = documentWith(m_pictures, solid(40, 30, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    view.setZoom(3);
    std::unique_ptr<QMenu> menu(ZoomMenu::create(view));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), "&1:1");
    EXPECT_EQ(items[7]->text(), "&8:1");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(items[i]->isChecked(), i == 2) << i;
    items[4]->trigger();
    EXPECT_EQ(view.zoom(), 5);
    emit menu->aboutToShow();
    EXPECT_TRUE(items[4]->isChecked());
    EXPECT_FALSE(items[2]->isChecked());
}

TEST_F(ViewZoomTest, ZoomRecomputesScrollRangeAndAreasAroundTheCentre) {
    auto doc = documentWith(m_pictures, solid(400, 300, qRgb(9, 9, 9)));
    MapArea* rect = addRect(*doc, {100, 60, 140, 90});
    MapArea* poly = addPolygon(*doc, {{200, 100}, {260, 100}, {230, 150}});
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 200, 100);
    view.setScrollPosition({100, 100});
    ASSERT_EQ(view.scrollPosition(), QPoint(100, 100));
    const QPoint centre(view.viewport()->width() / 2, view.viewport()->height() / 2);
    const QPoint centreImage = view.windowToImage(centre);

    view.setZoom(4);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 1600 - view.viewport()->width());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 1200 - view.viewport()->height());
    EXPECT_LE((view.windowToImage(centre) - centreImage).manhattanLength(), 1);

    const QPoint s = view.scrollPosition();
    EXPECT_EQ(rect->viewRect(), (PixelRect{400, 240, 560, 360}.translated(-s.x(), -s.y())));
    EXPECT_EQ(rect->imageRect(), (PixelRect{100, 60, 140, 90}));
    EXPECT_EQ(poly->viewPoint(2), QPoint(920, 600) - s);
    EXPECT_EQ(poly->vertex(2), QPoint(230, 150));
    EXPECT_EQ(view.imageToWindow({230, 150}), poly->viewPoint(2));
    EXPECT_EQ(view.windowToImage(poly->viewPoint(2) + QPoint(3, 3)), QPoint(230, 150));

    // Scrolling only shifts them.
    view.setScrollPosition(s + QPoint(40, 8));
    EXPECT_EQ(rect->viewRect(),
              (PixelRect{400, 240, 560, 360}.translated(-s.x() - 40, -s.y() - 8)));
    EXPECT_EQ(rect->scale(), 4);
}

TEST_F(ViewZoomTest, NewAreasTakeWindowCoordinatesAtTheCurrentZoom) {
    auto doc = documentWith(m_pictures, solid(400, 300, qRgb(9, 9, 9)));
    CImageMapView view(doc.get());
    showAt(view, 200, 100);
    view.setZoom(3);
    view.setScrollPosition({30, 60});
    std::unique_ptr<MapArea> area = view.makeArea(AreaShape::Rectangle);
    area->setRect(view.imageToWindow({10, 20}).x(), view.imageToWindow({10, 20}).y(),
                  view.imageToWindow({50, 40}).x(), view.imageToWindow({50, 40}).y());
    EXPECT_EQ(area->imageRect(), (PixelRect{10, 20, 50, 40}));
    EXPECT_EQ(area->limitRect(), doc->imageBounds());
    MapArea* added = doc->addArea(std::move(area));
    EXPECT_EQ(added->viewRect(), (PixelRect{0, 0, 120, 60}));
}

TEST_F(ViewZoomTest, ResizeRewritesTheZoomPaneAndScrollRange) {
    auto doc = documentWith(m_pictures, solid(400, 300, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 200, 100);
    view.setZoom(2);
    m_panes.zooms.clear();
    view.resize(300, 200);
    QCoreApplication::processEvents();
    ASSERT_FALSE(m_panes.zooms.isEmpty());
    EXPECT_EQ(m_panes.zooms.last(), 2);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 800 - view.viewport()->width());
}

TEST_F(ViewZoomTest, ViewWithoutPictureHasNoRangeAndPaintsPlainly) {
    CImageMapDoc doc;
    CImageMapView view(&doc);
    showAt(view, 120, 80);
    EXPECT_EQ(view.scaledImageSize(), QSize(0, 0));
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    const QImage shown = shot(view);
    EXPECT_EQ(shown.pixel(60, 40), view.palette().color(QPalette::Window).rgb());
}

TEST_F(ViewZoomTest, TheViewZoomsOnTheWindowsToolAndZoomState) {
    auto doc = documentWith(m_pictures, TestPictures::rgb(100, 80));
    ToolZoomState shared; // the map toolbar's
    CImageMapView view(doc.get(), &m_panes, nullptr, &shared);
    showAt(view, 300, 200);
    ASSERT_TRUE(view.onCommand(int(CommandId::Zoom3)));
    EXPECT_EQ(shared.zoom(), 3);
    EXPECT_EQ(view.scaledImageSize(), QSize(300, 240));
    // Whoever else sets the shared zoom has the view follow on the next
    // change of settings.
    shared.setZoom(5);
    view.settingsChanged();
    EXPECT_EQ(view.zoom(), 5);
    EXPECT_EQ(view.scaledImageSize(), QSize(500, 400));
    EXPECT_EQ(m_panes.zooms.last(), 5);
}
