// The status bar during drags in a zoomed view: the dimensions pane follows
// the same mouse event as the outline, a move shows how far the area went,
// a resize says so, and the message pane says when Shift is held.
#include "ViewTestSupport.h"

#include "view/ToolZoomState.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class StatusRecorder : public RecordingPanes {
public:
    QList<QSize> dimensions;
    QStringList prompts;
    void showDimensions(int w, int h) override { dimensions << QSize(w, h); }
    void showPrompt(const QString& text) override { prompts << text; }
};

class DragStatus : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        doc = documentWith(pictures, solid(400, 300, 0xff808080));
        view = std::make_unique<CImageMapView>(doc.get(), &panes, nullptr, &toolZoom);
        showAt(*view, 500, 400);
        view->setZoom(ZoomLevel::in(3));
        view->setScrollPosition({30, 15});
        QCoreApplication::processEvents();
    }
    QPoint at(QPoint p) const { return view->imageToWindow(p) + QPoint(1, 1); }
    void mouse(QEvent::Type type, QPoint w, Qt::KeyboardModifiers m = Qt::NoModifier) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress
                                          ? Qt::MouseButtons(Qt::LeftButton)
                                          : Qt::MouseButtons(Qt::NoButton);
        QMouseEvent e(type, w, view->viewport()->mapToGlobal(w), Qt::LeftButton, held, m);
        QCoreApplication::sendEvent(view->viewport(), &e);
    }
    void moveTo(QPoint w, Qt::KeyboardModifiers m = Qt::NoModifier) {
        mouse(QEvent::MouseMove, w, m);
    }

    StubPictures pictures;
    StatusRecorder panes;
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapDoc> doc;
    std::unique_ptr<CImageMapView> view;
};

} // namespace

TEST_F(DragStatus, DrawingShowsTheSizeOfThisEventAndTellsOfShift) {
    toolZoom.setTool(ToolZoomState::Tool::Rectangle);
    mouse(QEvent::MouseButtonPress, at({20, 20}));
    EXPECT_EQ(panes.prompts.last(), "Drag to opposite corner; release button to end");
    moveTo(at({40, 40}));
    EXPECT_EQ(panes.dimensions.last(), QSize(20, 20));
    moveTo(at({70, 60}));
    EXPECT_EQ(panes.dimensions.last(), QSize(50, 40)); // not the last event's 20 x 20
    moveTo(at({70, 60}), Qt::ShiftModifier);
    EXPECT_EQ(panes.dimensions.last(), QSize(40, 40));
    EXPECT_EQ(panes.prompts.last(),
              "Shift held: the rectangle stays square; release button to end");
    moveTo(at({71, 60}));
    EXPECT_EQ(panes.prompts.last(), "Drag to opposite corner; release button to end");
    EXPECT_EQ(panes.dimensions.last(), QSize(51, 40));
    mouse(QEvent::MouseButtonRelease, at({71, 60}));
}

TEST_F(DragStatus, MovingShowsTheOffsetAndResizingSaysSo) {
    addRect(*doc, {20, 20, 60, 50});
    mouse(QEvent::MouseButtonPress, at({30, 30}));
    EXPECT_EQ(panes.prompts.last(), "Drag to new location; release button to end");
    moveTo(at({45, 35}));
    EXPECT_EQ(panes.dimensions.last(), QSize(15, 5)); // not the mouse's 45 x 35
    moveTo(at({45, 35}), Qt::ShiftModifier);
    EXPECT_EQ(panes.prompts.last(), "Shift held: no effect on this drag; release button to end");
    mouse(QEvent::MouseButtonRelease, at({45, 35}));
    ASSERT_EQ(doc->area(0)->imageRect(), (PixelRect{35, 25, 75, 55}));

    panes.prompts.clear();
    mouse(QEvent::MouseButtonPress, at({74, 54}) + QPoint(3, 3)); // the corner handle
    ASSERT_FALSE(panes.prompts.isEmpty());
    EXPECT_EQ(panes.prompts.last(), "Drag to new size; release button to end");
    moveTo(at({95, 65}));
    EXPECT_EQ(panes.dimensions.last(), QSize(60, 40));
    mouse(QEvent::MouseButtonRelease, at({95, 65}));
    EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{35, 25, 95, 65}));

    // A polygon's move shows how far it went too.
    addPolygon(*doc, {{200, 100}, {260, 110}, {230, 160}});
    mouse(QEvent::MouseButtonPress, at({230, 120}));
    moveTo(at({222, 130}));
    EXPECT_EQ(panes.dimensions.last(), QSize(-8, 10));
    moveTo(at({222, 130}), Qt::ShiftModifier);
    EXPECT_EQ(panes.prompts.last(), "Shift held: no effect on this drag; release button to end");
    mouse(QEvent::MouseButtonRelease, at({222, 130}));
    EXPECT_EQ(doc->area(1)->imageRing().front(), QPoint(192, 110));
}
