// Changing the grid's spacing by dragging a grid line with Ctrl.
#include "ViewTestSupport.h"

#include "view/GridLineDrag.h"
#include "view/ProgramCursors.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

constexpr QRgb kPictureColor = 0xff6a8f3c;

// Remembers the dimensions pane.
class DimensionPanes : public RecordingPanes {
public:
    QList<QSize> dimensions;
    void showDimensions(int w, int h) override { dimensions << QSize(w, h); }
};

class GridLineDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        GridSettings& grid = Settings::app().grid;
        grid = {true, 1, 15, 15, 3, 3}; // snapping on, lines
        m_doc = documentWith(m_pictures, solid(300, 200, kPictureColor));
        m_view = std::make_unique<CImageMapView>(m_doc.get(), &m_panes);
        showAt(*m_view, 500, 400);
        m_view->setZoom(ZoomLevel::in(2));
        m_view->setScrollPosition({0, 0});
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent event(type, at, m_view->viewport()->mapToGlobal(at), button, held, modifiers);
        QCoreApplication::sendEvent(m_view->viewport(), &event);
    }
    void press(QPoint at, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    }
    void moveTo(QPoint at) { mouse(QEvent::MouseMove, at, Qt::NoButton); }
    void release(QPoint at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton); }

    // Window position of vertical grid line k at the view's zoom (2:1).
    static int column(int k) { return (3 + 15 * k) * 2; }

    StubPictures m_pictures;
    DimensionPanes m_panes;
    std::unique_ptr<CImageMapDoc> m_doc;
    std::unique_ptr<CImageMapView> m_view;
};

} // namespace

TEST_F(GridLineDragTest, LinesUnderThePointAndTheirCursors) {
    using Lines = GridLineDrag::Lines;
    const auto lines = [&](QPoint p) { return GridLineDrag::linesAt(*m_view, p); };
    // Offset 3, size 15 at 2:1: lines at 6, 36, 66, ...
    const Lines both = lines({6, 36});
    EXPECT_TRUE(both.vertical && both.horizontal);
    EXPECT_EQ(GridLineDrag::cursorFor(both), ProgramCursors::GridBoth);
    const Lines vertical = lines({36, 40});
    EXPECT_TRUE(vertical.vertical && !vertical.horizontal);
    EXPECT_EQ(GridLineDrag::cursorFor(vertical), ProgramCursors::GridVertical);
    const Lines horizontal = lines({37, 66});
    EXPECT_TRUE(!horizontal.vertical && horizontal.horizontal);
    EXPECT_EQ(GridLineDrag::cursorFor(horizontal), ProgramCursors::GridHorizontal);
    EXPECT_FALSE(lines({37, 37}).any());
    EXPECT_EQ(GridLineDrag::cursorFor(lines({37, 37})), 0);
    // Before the first line, and beyond the picture, nothing is drawn.
    EXPECT_FALSE(lines({4, 40}).vertical);
    EXPECT_FALSE(lines({36, 450}).vertical);

    // Scrolled by 10, the same lines are 10 pixels further left.
    m_view->setScrollPosition({10, 0});
    EXPECT_TRUE(lines({26, 40}).vertical);
    m_view->setScrollPosition({0, 0});

    // Only while snapping is on and the grid shows.
    Settings::app().grid.visible = 0;
    EXPECT_FALSE(lines({36, 36}).any());
    Settings::app().grid.visible = 2; // crosses
    EXPECT_TRUE(lines({36, 36}).any());
    Settings::app().grid.enabled = false;
    EXPECT_FALSE(lines({36, 36}).any());
}

TEST_F(GridLineDragTest, TheDraggedLineFollowsTheMouse) {
    // Line 2 dragged 20 window pixels (10 picture pixels) to the right: the
    // spacing grows by 10 / 2, so that line 2 lands under the mouse.
    press({column(2), 41});
    ASSERT_TRUE(m_view->interaction());
    moveTo({column(2) + 20, 80});
    auto* drag = static_cast<GridLineDrag*>(m_view->interaction());
    EXPECT_EQ(drag->sizeX(), 20);
    EXPECT_EQ(drag->sizeY(), 15); // a vertical line only
    EXPECT_EQ(Settings::app().grid.sizeX, 15) << "settings change on release only";
    ASSERT_FALSE(m_panes.dimensions.isEmpty());
    EXPECT_EQ(m_panes.dimensions.last(), QSize(20, 15));
    release({column(2) + 20, 80});
    EXPECT_FALSE(m_view->interaction());
    EXPECT_EQ(Settings::app().grid.sizeX, 20);
    EXPECT_EQ(Settings::app().grid.sizeY, 15);
    EXPECT_EQ(GridLineDrag::linesAt(*m_view, {(3 + 2 * 20) * 2, 41}).vertical, true);

    // A crossing drags both; the spacing never drops below 1.
    press({column(1) + 10, 6 + 60}); // vertical line 1 at 20 spacing, horizontal line 2
    ASSERT_TRUE(m_view->interaction());
    moveTo({0, 0});
    drag = static_cast<GridLineDrag*>(m_view->interaction());
    EXPECT_EQ(drag->sizeX(), 1);
    EXPECT_EQ(drag->sizeY(), 1);
    release({0, 0});
    EXPECT_EQ(Settings::app().grid.sizeX, 1);
    EXPECT_EQ(Settings::app().grid.sizeY, 1);
}

TEST_F(GridLineDragTest, EscRightPressFocusLossAndHidingPutTheSpacingBack) {
    const std::function<void()> cancels[] = {
        [&] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(m_view.get(), &esc);
        },
        [&] {
            mouse(QEvent::MouseButtonPress, {100, 100}, Qt::RightButton);
        },
        [&] {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(m_view.get(), &out);
        },
        [&] {
            m_view->hide();
            m_view->show();
        },
    };
    for (const auto& cancel : cancels) {
        press({column(3), 41});
        ASSERT_TRUE(m_view->interaction());
        moveTo({column(3) + 60, 41});
        cancel();
        EXPECT_FALSE(m_view->interaction());
        release({column(3) + 60, 41}); // the release that follows changes nothing
        EXPECT_EQ(Settings::app().grid.sizeX, 15);
        EXPECT_EQ(m_panes.dimensions.last(), QSize(0, 0));
    }
}

TEST_F(GridLineDragTest, TheOldAndTheNewSpacingShowInverted) {
    const QImage before = shot(*m_view);
    const int y = 41; // on no horizontal line
    ASSERT_EQ(before.pixel(column(2) + 20, y), kPictureColor);
    press({column(2), y});
    moveTo({column(2) + 20, y});
    const QImage during = shot(*m_view);
    // New line 2 (moved to 86), and old line 2 (66), both inverted.
    EXPECT_EQ(during.pixel(column(2) + 20, y), ~kPictureColor | 0xff000000);
    EXPECT_EQ(during.pixel(column(2), y), ~before.pixel(column(2), y) | 0xff000000);
    // Line 0 is where it was in both spacings and shows inverted once.
    EXPECT_EQ(during.pixel(6, y), ~before.pixel(6, y) | 0xff000000);
    // Between the lines the picture is untouched.
    EXPECT_EQ(during.pixel(column(2) + 10, y), kPictureColor);

    release({column(2) + 20, y});
    const QImage after = shot(*m_view);
    EXPECT_EQ(after.pixel(column(2) + 10, y), kPictureColor);
    // The grid is drawn at the new spacing, without the feedback.
    EXPECT_NE(after.pixel(column(2) + 20, y + 1), ~kPictureColor | 0xff000000);
}

TEST_F(GridLineDragTest, CtrlShowsTheGridCursorAndAPlainPressDragsNothing) {
    mouse(QEvent::MouseMove, {column(1), 41}, Qt::NoButton, Qt::ControlModifier);
    const QCursor cursor = m_view->viewport()->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().toImage(),
              ProgramCursors::cursor(ProgramCursors::GridVertical).pixmap().toImage());
    EXPECT_EQ(cursor.hotSpot(), QPoint(15, 15));
    mouse(QEvent::MouseMove, {column(1), 41}, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(m_view->viewport()->cursor().shape(), Qt::ArrowCursor);

    // A press off every area starts the arrow's selection rectangle, not
    // a drag of the grid.
    const auto dragsGrid = [this] {
        const bool grid = dynamic_cast<GridLineDrag*>(m_view->interaction()) != nullptr;
        release({0, 0});
        return grid;
    };
    press({column(1), 41}, Qt::NoModifier);
    EXPECT_FALSE(dragsGrid());
    press({column(1) + 1, 41});
    EXPECT_FALSE(dragsGrid()); // beside the line
    Settings::app().grid.enabled = false;
    press({column(1), 41});
    EXPECT_FALSE(dragsGrid());
}

TEST_F(GridLineDragTest, TheCursorPositionPaneFollowsTheMouseOverThePicture) {
    struct PositionPanes : RecordingPanes {
        QList<QPoint> positions;
        void showPosition(int x, int y) override { positions << QPoint(x, y); }
    } panes;
    m_view->setStatusPanes(&panes);
    m_view->setScrollPosition({20, 0});
    mouse(QEvent::MouseMove, {21, 41}, Qt::NoButton, Qt::NoModifier);
    ASSERT_FALSE(panes.positions.isEmpty());
    EXPECT_EQ(panes.positions.last(), QPoint(20, 20)); // picture pixels at 2:1
    m_view->setZoom(ZoomLevel::in(1));
    m_view->setScrollPosition({0, 0});
    mouse(QEvent::MouseMove, {350, 41}, Qt::NoButton, Qt::NoModifier); // right of the picture
    EXPECT_EQ(panes.positions.last(), QPoint(-1, -1));
    m_view->setStatusPanes(&m_panes);
}
