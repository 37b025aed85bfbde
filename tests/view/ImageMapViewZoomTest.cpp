#include "ViewTestSupport.h"

#include "model/CommandIds.h"
#include "support/TestPictures.h"
#include "view/ToolZoomState.h"
#include "view/ZoomMenu.h"

#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

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
    EXPECT_TRUE(view.onUpdateCommand(id, state));
    return state;
}

} // namespace

TEST(ZoomLevelTest, LevelsStepFromOneToSixteenToSixteenToOne) {
    const auto& levels = ZoomLevel::levels();
    EXPECT_EQ(levels.front(), ZoomLevel::out(16));
    EXPECT_EQ(levels.back(), ZoomLevel::in(16));
    QStringList texts;
    for (int i = 0; i < int(levels.size()); ++i) {
        const ZoomLevel z = levels[std::size_t(i)];
        texts << z.text();
        EXPECT_EQ(ZoomLevel::ofCommand(ZoomLevel::commandOf(z)), z);
        EXPECT_EQ(z.index(), i);
    }
    EXPECT_EQ(texts.join(' '),
              "1:16 1:12 1:8 1:6 1:4 1:3 1:2 1:1 2:1 3:1 4:1 5:1 6:1 7:1 8:1 12:1 16:1");
    EXPECT_EQ(ZoomLevel::commandOf(ZoomLevel::in(5)), CommandId::Zoom5);
    EXPECT_FALSE(ZoomLevel::ofCommand(CommandId::ZoomIn));
    EXPECT_EQ(ZoomLevel::out(16).smaller(), ZoomLevel::out(16));
    EXPECT_EQ(ZoomLevel::in(16).larger(), ZoomLevel::in(16));
    EXPECT_EQ(ZoomLevel::out(2).larger(), ZoomLevel::in(1));
    EXPECT_EQ(ZoomLevel::out(3).scaled(4000), 1334); // rounded up: the last pixel shows
    // The largest level at which the whole picture fits.
    EXPECT_EQ(ZoomLevel::fitting({4000, 3000}, {1280, 760}), ZoomLevel::out(4));
    EXPECT_EQ(ZoomLevel::fitting({8000, 6000}, {1920, 1080}), ZoomLevel::out(6));
    EXPECT_EQ(ZoomLevel::fitting({100, 80}, {500, 300}), ZoomLevel::in(3));
    EXPECT_EQ(ZoomLevel::fitting({10, 10}, {500, 300}), ZoomLevel::in(16));
    EXPECT_EQ(ZoomLevel::fitting({90000, 10}, {500, 300}), ZoomLevel::out(16));
}

TEST(ToolZoomStateTest, StepsThroughTheLevelsAndKeepsOneTool) {
    ToolZoomState s;
    EXPECT_TRUE(s.isArrow());
    EXPECT_FALSE(s.isDrawingTool());
    EXPECT_EQ(s.zoom(), ZoomLevel::in(1));
    s.zoomOut();
    EXPECT_EQ(s.zoom(), ZoomLevel::out(2));
    s.setZoom(ZoomLevel::in(16));
    s.zoomIn();
    EXPECT_EQ(s.zoom(), ZoomLevel::in(16));
    s.zoomOut();
    EXPECT_EQ(s.zoom(), ZoomLevel::in(12));
    s.setTool(ToolZoomState::Tool::Polygon);
    EXPECT_TRUE(s.isPolygon());
    EXPECT_FALSE(s.isArrow() || s.isRectangle() || s.isCircle());
    EXPECT_TRUE(s.isDrawingTool());
}

TEST_F(ViewZoomTest, FirstShowingFitsSmallPicturesToTheWindow) {
    struct Case {
        QSize picture, window;
        bool maximize, fit;
        ZoomLevel zoom;
    };
    const Case cases[] = {
        {{100, 80}, {500, 300}, true, true, ZoomLevel::in(3)},  // min(5, 3)
        {{40, 30}, {800, 600}, true, true, ZoomLevel::in(8)},   // not 20:1
        {{500, 300}, {500, 300}, true, true, ZoomLevel::in(1)}, // as large as the window
        {{240, 100}, {500, 300}, true, true, ZoomLevel::in(2)}, // wider than half the window
        {{100, 80}, {500, 300}, false, true, ZoomLevel::in(1)}, // fit only with MaximizeOnOpen
        {{100, 80}, {500, 300}, true, false, ZoomLevel::in(1)},
        // Larger than the window: always the whole picture.
        {{4000, 3000}, {1280, 760}, false, false, ZoomLevel::out(4)},
        {{501, 300}, {500, 300}, true, true, ZoomLevel::out(2)},
        {{900, 200}, {500, 300}, false, true, ZoomLevel::out(2)},
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
        EXPECT_EQ(view.scaledImageSize(), c.zoom.scaled(c.picture));
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
    ASSERT_EQ(view.zoom(), ZoomLevel::in(3));
    EXPECT_EQ(m_panes.zooms.last(), ZoomLevel::in(3));
    const QImage shown = shot(view);
    for (QPoint p : {QPoint(0, 0), QPoint(10, 20), QPoint(99, 79), QPoint(57, 3)}) {
        for (QPoint d : {QPoint(0, 0), QPoint(2, 1), QPoint(1, 2)})
            EXPECT_EQ(shown.pixel(p * 3 + d), picture.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST_F(ViewZoomTest, ZoomCommandsFollowTheZoomLimits) {
    auto doc = documentWith(m_pictures, solid(40, 30, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    view.setZoom(ZoomLevel::in(8));
    EXPECT_TRUE(stateOf(view, CommandId::ZoomIn).enabled);
    for (int n = 1; n <= 8; ++n) {
        const CommandState s = stateOf(view, ZoomLevel::commandOf(ZoomLevel::in(n)));
        EXPECT_TRUE(s.enabled);
        EXPECT_TRUE(s.radio);
        EXPECT_EQ(s.checked, n == 8) << n;
    }
    EXPECT_TRUE(view.onCommand(CommandId::Zoom16));
    EXPECT_FALSE(stateOf(view, CommandId::ZoomIn).enabled);
    EXPECT_TRUE(stateOf(view, CommandId::ZoomOut).enabled);
    EXPECT_TRUE(view.onCommand(CommandId::ZoomIn));
    EXPECT_EQ(view.zoom(), ZoomLevel::in(16));

    EXPECT_TRUE(view.onCommand(CommandId::ZoomOut));
    EXPECT_EQ(view.zoom(), ZoomLevel::in(12));
    EXPECT_EQ(m_panes.zooms.last(), ZoomLevel::in(12));
    EXPECT_TRUE(view.onCommand(CommandId::Zoom2));
    EXPECT_EQ(view.zoom(), ZoomLevel::in(2));
    EXPECT_TRUE(view.onCommand(CommandId::ZoomOut16));
    EXPECT_EQ(view.zoom(), ZoomLevel::out(16));
    EXPECT_EQ(view.scaledImageSize(), QSize(3, 2));
    EXPECT_EQ(m_panes.zooms.last(), ZoomLevel::out(16));
    EXPECT_FALSE(stateOf(view, CommandId::ZoomOut).enabled);
    view.onCommand(CommandId::ZoomOut);
    EXPECT_EQ(view.zoom(), ZoomLevel::out(16));
    view.onCommand(CommandId::ZoomIn);
    EXPECT_EQ(view.zoom(), ZoomLevel::out(12));

    // Other commands go on along the chain.
    CommandState other;
    EXPECT_FALSE(view.onCommand(CommandId::EditMapInfo));
    EXPECT_FALSE(view.onUpdateCommand(CommandId::EditMapInfo, other));
}

TEST_F(ViewZoomTest, ZoomMenuMarksTheCurrentZoomAndZooms) {
    auto doc = documentWith(m_pictures, solid(40, 30, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    view.setZoom(ZoomLevel::in(3));
    std::unique_ptr<QMenu> menu(ZoomMenu::create(view));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 17); // every level
    EXPECT_EQ(items[0]->text(), "&1:16");
    EXPECT_EQ(items[7]->text(), "&1:1");
    EXPECT_EQ(items[16]->text(), "&16:1");
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(items[i]->isChecked(), i == 9) << i;
    items[4]->trigger();
    EXPECT_EQ(view.zoom(), ZoomLevel::out(4));
    emit menu->aboutToShow();
    EXPECT_TRUE(items[4]->isChecked());
    EXPECT_FALSE(items[9]->isChecked());
}

TEST_F(ViewZoomTest, ZoomRecomputesScrollRangeAndAreasAroundTheCentre) {
    auto doc = documentWith(m_pictures, solid(400, 300, qRgb(9, 9, 9)));
    const MapArea* rect = addRect(*doc, {100, 60, 140, 90});
    addPolygon(*doc, {{200, 100}, {260, 100}, {230, 150}});
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 200, 100);
    view.setZoom(ZoomLevel::in(1));
    view.setScrollPosition({100, 100});
    ASSERT_EQ(view.scrollPosition(), QPoint(100, 100));
    const QPoint centre(view.viewport()->width() / 2, view.viewport()->height() / 2);
    const QPoint centreImage = view.windowToImage(centre);

    view.setZoom(ZoomLevel::in(4));
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 1600 - view.viewport()->width());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 1200 - view.viewport()->height());
    EXPECT_LE((view.windowToImage(centre) - centreImage).manhattanLength(), 1);

    const QPoint s = view.scrollPosition();
    EXPECT_EQ(view.geometryOf(0).windowRect(),
              (PixelRect{400, 240, 560, 360}.translated(-s.x(), -s.y())));
    EXPECT_EQ(rect->imageRect(), (PixelRect{100, 60, 140, 90})); // the model never moves
    EXPECT_EQ(view.geometryOf(1).ring()[2], QPoint(920, 600) - s);
    EXPECT_EQ(view.imageToWindow({230, 150}), QPoint(920, 600) - s);
    EXPECT_EQ(view.windowToImage(QPoint(920, 600) - s + QPoint(3, 3)), QPoint(230, 150));

    // Scrolling only shifts them.
    view.setScrollPosition(s + QPoint(40, 8));
    EXPECT_EQ(view.geometryOf(0).windowRect(),
              (PixelRect{400, 240, 560, 360}.translated(-s.x() - 40, -s.y() - 8)));
    // Below 1:1 they shrink with the picture.
    view.setZoom(ZoomLevel::out(2));
    const QPoint t = view.scrollPosition();
    EXPECT_EQ(view.geometryOf(0).windowRect(),
              (PixelRect{50, 30, 70, 45}.translated(-t.x(), -t.y())));
}

TEST_F(ViewZoomTest, ZoomToFitShowsTheWholePictureLargerOrSmaller) {
    for (QSize size : {QSize(4000, 3000), QSize(60, 40), QSize(300, 1000)}) {
        auto doc = documentWith(m_pictures, solid(size.width(), size.height(), qRgb(9, 9, 9)));
        CImageMapView view(doc.get(), &m_panes);
        showAt(view, 640, 400);
        view.setZoom(ZoomLevel::in(2));
        ASSERT_TRUE(view.onCommand(CommandId::ZoomToFit));
        const ZoomLevel fit = view.zoom();
        const QSize window = view.maximumViewportSize();
        const QSize shown = view.scaledImageSize();
        EXPECT_LE(shown.width(), window.width()) << size.width();
        EXPECT_LE(shown.height(), window.height()) << size.width();
        // The next level up would not fit.
        if (!fit.isLargest()) {
            const QSize larger = fit.larger().scaled(size);
            EXPECT_TRUE(larger.width() > window.width() || larger.height() > window.height());
        }
        EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(m_panes.zooms.last(), fit);
    }
}

// Ctrl with the wheel steps the level and keeps the picture point under the
// mouse where it is (to the block a window pixel stands for below 1:1).
TEST_F(ViewZoomTest, CtrlWheelZoomsAboutTheMouse) {
    auto doc = documentWith(m_pictures, solid(4000, 3000, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 640, 400);
    view.setZoom(ZoomLevel::in(1));
    view.setScrollPosition({1500, 1200});
    const QPoint mouse(211, 143);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(mouse, view.viewport()->mapToGlobal(mouse), {}, {0, delta}, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &event);
    };
    const QPoint picture = view.windowToImage(mouse);
    for (int delta : {120, 120, 120, -120, -120, -120, -120, -120, -120}) {
        wheel(delta, Qt::ControlModifier);
        const int block = view.zoom().den();
        const QPoint now = view.windowToImage(mouse);
        EXPECT_LE(std::abs(now.x() - picture.x()), block) << view.zoom().text().toStdString();
        EXPECT_LE(std::abs(now.y() - picture.y()), block) << view.zoom().text().toStdString();
    }
    EXPECT_EQ(view.zoom(), ZoomLevel::out(4));
    // Without Ctrl the wheel scrolls and the level stays.
    const QPoint scroll = view.scrollPosition();
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(view.zoom(), ZoomLevel::out(4));
    EXPECT_NE(view.scrollPosition(), scroll);
}

TEST_F(ViewZoomTest, ResizeRewritesTheZoomPaneAndScrollRange) {
    auto doc = documentWith(m_pictures, solid(400, 300, qRgb(9, 9, 9)));
    CImageMapView view(doc.get(), &m_panes);
    showAt(view, 200, 100);
    view.setZoom(ZoomLevel::in(2));
    m_panes.zooms.clear();
    view.resize(300, 200);
    QCoreApplication::processEvents();
    ASSERT_FALSE(m_panes.zooms.isEmpty());
    EXPECT_EQ(m_panes.zooms.last(), ZoomLevel::in(2));
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
    ASSERT_TRUE(view.onCommand(CommandId::Zoom3));
    EXPECT_EQ(shared.zoom(), ZoomLevel::in(3));
    EXPECT_EQ(view.scaledImageSize(), QSize(300, 240));
    // Whoever else sets the shared zoom has the view follow on the next
    // change of settings.
    shared.setZoom(ZoomLevel::in(5));
    view.settingsChanged();
    EXPECT_EQ(view.zoom(), ZoomLevel::in(5));
    EXPECT_EQ(view.scaledImageSize(), QSize(500, 400));
    EXPECT_EQ(m_panes.zooms.last(), ZoomLevel::in(5));
}
