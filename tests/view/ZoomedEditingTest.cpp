// Editing at every zoom level end to end: presses land on the picture pixel
// under the mouse, and what is saved is what was pressed, whatever level
// and scroll position the edit and its undo were made at.
#include "ViewTestSupport.h"

#include "support/TempFiles.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace ViewTest;

namespace {

constexpr int kWidth = 2400, kHeight = 1800;

class ZoomedEditing : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        resetSettings();
        Settings::app().areaPrompt = false;
        doc = documentWith(pictures, solid(kWidth, kHeight, 0xff808080));
        view = std::make_unique<CImageMapView>(doc.get(), nullptr, nullptr, &toolZoom);
        showAt(*view, 640, 400);
    }

    // The picture pixel a window point stands for, worked out on its own:
    // the one whose square holds the window pixel's centre.
    QPoint pixelUnder(QPoint w) const {
        const double f = view->zoom().factor();
        const QPointF centre = QPointF(w + view->scrollPosition()) + QPointF(0.5, 0.5);
        return {int(std::floor(centre.x() / f)), int(std::floor(centre.y() / f))};
    }
    void mouse(QEvent::Type type, QPoint w) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent e(type, w, view->viewport()->mapToGlobal(w), Qt::LeftButton, held,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &e);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to);
    }
    // The COORDS of the saved page's areas, in order.
    QStringList savedCoords() {
        EXPECT_TRUE(doc->onSaveDocument(path("page.htm")));
        QStringList coords;
        static const QRegularExpression pattern(QStringLiteral("COORDS=\"([^\"]*)\""));
        auto it = pattern.globalMatch(QString::fromLatin1(read("page.htm")));
        while (it.hasNext())
            coords << it.next().captured(1);
        return coords;
    }
    static QString coordsOf(const PixelRect& r) {
        return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
    }

    StubPictures pictures;
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapDoc> doc;
    std::unique_ptr<CImageMapView> view;
};

} // namespace

// Random rectangles drawn, moved by the body and reshaped by the corner
// handle at random levels and scroll positions: the saved page holds the
// picture pixels pressed, each drag kept inside the picture.
TEST_F(ZoomedEditing, DrawMoveAndReshapeSaveThePixelsPressedAtEveryLevel) {
    std::mt19937 random(30);
    const auto pick = [&random](int low, int high) {
        return low + int(random() % unsigned(high - low + 1));
    };
    const auto& levels = ZoomLevel::levels();
    int checked = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const ZoomLevel zoom = levels[std::size_t(trial) % levels.size()];
        SCOPED_TRACE(zoom.text().toStdString() + " trial " + std::to_string(trial));
        view->setZoom(zoom);
        view->setScrollPosition({pick(0, view->horizontalScrollBar()->maximum()),
                                 pick(0, view->verticalScrollBar()->maximum())});
        const QRect window = view->viewport()->rect().intersected(view->imageRectInWindow());
        const auto somewhere = [&] {
            return QPoint(pick(window.left() + 20, window.right() - 20),
                          pick(window.top() + 20, window.bottom() - 20));
        };

        // Draw.
        toolZoom.setTool(ToolZoomState::Tool::Rectangle);
        const QPoint w0 = somewhere(), w1 = somewhere();
        const QPoint p0 = pixelUnder(w0), p1 = pixelUnder(w1);
        if (p0.x() == p1.x() || p0.y() == p1.y())
            continue;
        drag(w0, w1);
        ASSERT_EQ(doc->areaCount(), 1);
        PixelRect want = PixelRect{p0.x(), p0.y(), p1.x(), p1.y()}.normalized();
        ASSERT_EQ(doc->area(0)->imageRect(), want);

        // Move by the body.
        toolZoom.setTool(ToolZoomState::Tool::Arrow);
        const PixelRect shown = view->geometryOf(0).windowRect();
        const QPoint body(shown.left + shown.width() / 2, shown.top + shown.height() / 2);
        const QPoint to = somewhere();
        QPoint travel = pixelUnder(to) - pixelUnder(body);
        travel.rx() = std::clamp(travel.x(), -want.left, kWidth - want.right);
        travel.ry() = std::clamp(travel.y(), -want.top, kHeight - want.bottom);
        drag(body, to);
        if (travel != QPoint())
            want = want.translated(travel.x(), travel.y());
        ASSERT_EQ(doc->area(0)->imageRect(), want);

        // Reshape by the bottom-right handle.
        const PixelRect handle = view->geometryOf(0).handle(AreaHit::BottomRight);
        const QPoint grip(handle.left + handle.width() / 2, handle.top + handle.height() / 2);
        const QPoint end = somewhere();
        const QPoint d = pixelUnder(end) - pixelUnder(grip);
        const PixelRect reshaped =
            PixelRect{want.left, want.top, std::clamp(want.right + d.x(), 0, kWidth),
                      std::clamp(want.bottom + d.y(), 0, kHeight)}
                .normalized();
        drag(grip, end);
        if (!reshaped.isEmpty())
            want = reshaped;
        ASSERT_EQ(doc->area(0)->imageRect(), want);

        EXPECT_EQ(savedCoords(), QStringList{coordsOf(want)});
        doc->deleteArea(0);
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

// An edit made at one level and undone and redone at others comes back to
// exactly the picture pixels it had.
TEST_F(ZoomedEditing, UndoAtAnotherLevelPutsTheAreaBackExactly) {
    addRect(*doc, {300, 200, 420, 290});
    toolZoom.setTool(ToolZoomState::Tool::Arrow);
    view->setZoom(ZoomLevel::in(3));
    view->setScrollPosition(view->imageToWindow({280, 180}) + view->scrollPosition());
    const QPoint from = view->imageToWindow({350, 240}) + QPoint(1, 1);
    drag(from, from + QPoint(30, 15)); // 10, 5 picture pixels at 3:1
    ASSERT_EQ(doc->area(0)->imageRect(), (PixelRect{310, 205, 430, 295}));
    for (ZoomLevel z : {ZoomLevel::out(16), ZoomLevel::out(3), ZoomLevel::in(7)}) {
        view->setZoom(z);
        doc->undo();
        EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{300, 200, 420, 290}))
            << z.text().toStdString();
        // The view shows it where the picture pixels are at this level.
        EXPECT_EQ(view->geometryOf(0).windowRect(),
                  PixelRect::fromQRect(view->windowRectOf({300, 200, 420, 290})));
        doc->redo();
        EXPECT_EQ(doc->area(0)->imageRect(), (PixelRect{310, 205, 430, 295}));
    }
    EXPECT_EQ(savedCoords(), QStringList{"310,205,430,295"});
}
