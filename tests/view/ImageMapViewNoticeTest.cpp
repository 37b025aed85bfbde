#include "ViewTestSupport.h"

#include "support/FakeDocumentDialogs.h"
#include "support/TestPictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class ViewNoticeTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        m_doc = documentWith(m_pictures, TestPictures::rgb(600, 400));
        addRect(*m_doc, {20, 20, 60, 50});
        addRect(*m_doc, {100, 30, 160, 90}, AreaShape::Circle);
        addPolygon(*m_doc, {{200, 40}, {260, 60}, {230, 120}});
        m_view = std::make_unique<CImageMapView>(m_doc.get());
        showAt(*m_view, 300, 200);
        m_view->setZoom(ZoomLevel::in(1)); // the larger picture opened at Zoom to Fit
        m_view->setScrollPosition({0, 0});
        QCoreApplication::processEvents();
        m_view->viewport()->installEventFilter(&m_paints);
        m_paints.clear();
    }

    QRegion extentOf(int i) const { return m_view->geometryOf(i).extent().grown(1).toQRect(); }
    QRegion whole() const { return m_view->viewport()->rect(); }

    StubPictures m_pictures;
    std::unique_ptr<CImageMapDoc> m_doc;
    std::unique_ptr<CImageMapView> m_view;
    PaintRecorder m_paints;
};

} // namespace

TEST_F(ViewNoticeTest, ChangedAreaRepaintsItsOldAndNewPlaceOnly) {
    const QRegion before = extentOf(0);
    m_doc->changeArea(0, [](MapArea& a) { a.setRect(30, 25, 80, 70); });
    const QRegion after = extentOf(0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_paints.painted.subtracted(before + after).isEmpty());
    EXPECT_TRUE((before + after).subtracted(m_paints.painted).isEmpty());
}

TEST_F(ViewNoticeTest, AddedAndRemovedAreasRepaintTheirPlace) {
    addRect(*m_doc, {150, 150, 170, 170});
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, extentOf(3));

    m_view->setSelected(2);
    m_view->setFlyby(3);
    QCoreApplication::processEvents();
    m_paints.clear();
    const QRegion place = extentOf(1);
    m_doc->deleteArea(1);
    EXPECT_EQ(m_view->selected(), 1); // the polygon moved down
    EXPECT_EQ(m_view->flyby(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, place);

    m_doc->deleteArea(1);
    EXPECT_EQ(m_view->selected(), -1);
}

TEST_F(ViewNoticeTest, MovedAreaKeepsItsSelectionAndRepaintsItself) {
    m_view->setSelected(2);
    m_view->setFlyby(0);
    QCoreApplication::processEvents();
    m_paints.clear();
    m_doc->moveArea(2, 0);
    EXPECT_EQ(m_view->selected(), 0);
    EXPECT_EQ(m_view->flyby(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, extentOf(0));
}

TEST_F(ViewNoticeTest, SelectionRepaintsTheAreasThatChangeState) {
    m_view->setSelected(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, extentOf(0));
    m_paints.clear();
    m_view->setSelected(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, extentOf(0) + extentOf(1));
    m_view->setSelected(7); // no such area
    EXPECT_EQ(m_view->selected(), -1);
}

TEST_F(ViewNoticeTest, ChangedPictureRecomputesRangeAndRepaintsAll) {
    FakeDocumentDialogs dialogs;
    dialogs.imageFiles << QStringLiteral("other.png");
    m_doc->setDialogs(&dialogs);
    m_view->setZoom(ZoomLevel::in(2));
    m_view->setSelected(0);
    QCoreApplication::processEvents();
    m_paints.clear();
    m_pictures.packed = PackedDib::fromImage(solid(1000, 700, qRgb(1, 2, 3)));
    ASSERT_TRUE(m_doc->changeImage()); // tells the views with hint 6533
    EXPECT_EQ(m_view->horizontalScrollBar()->maximum(), 2000 - m_view->viewport()->width());
    EXPECT_EQ(m_view->verticalScrollBar()->maximum(), 1400 - m_view->viewport()->height());
    EXPECT_EQ(m_view->selected(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, whole());
    EXPECT_EQ(shot(*m_view).pixel(150, 150), qRgb(1, 2, 3));

    m_doc->deleteAllAreas();
    EXPECT_EQ(m_view->selected(), -1);
}

// Scrolling moves what is painted and paints only the uncovered strip; the
// result is what a full repaint gives, hatch, dots and handles included.
TEST_F(ViewNoticeTest, ScrollStepPaintsOnlyTheUncoveredStrip) {
    m_view->setZoom(ZoomLevel::in(2));
    m_view->setSelected(1);
    m_view->setScrollPosition({50, 60});
    QCoreApplication::processEvents();
    m_paints.clear();

    const int step = m_view->horizontalScrollBar()->singleStep();
    m_view->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCoreApplication::processEvents();
    const QRect window = m_view->viewport()->rect();
    EXPECT_EQ(m_paints.painted, QRegion(window.adjusted(window.width() - step, 0, 0, 0)));

    m_paints.clear();
    m_view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_paints.painted, QRegion(window.adjusted(0, 0, 0, step - window.height())));

    // What the window holds now against a fresh painting of everything.
    QScreen* screen = m_view->screen();
    const QImage held = screen->grabWindow(m_view->winId())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32)
                            .copy(m_view->viewport()->geometry());
    const QImage fresh = shot(*m_view).copy(m_view->viewport()->geometry());
    ASSERT_EQ(held.size(), fresh.size());
    EXPECT_TRUE(held == fresh);
}
