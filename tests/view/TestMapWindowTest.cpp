// Test Map offscreen: the picture at 1:1 in a window grown to the screen,
// and the URL a visitor's click would follow under the mouse.
#include "ViewTestSupport.h"

#include "support/ScriptedPrompter.h"
#include "support/WhenShown.h"
#include "view/TestMapIntroDialog.h"
#include "view/TestMapWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class TestMapTest : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }

    // A map of a picture with two overlapping rectangles and a circle,
    // whose default URL is "index.htm".
    std::unique_ptr<CImageMapDoc> map(int w, int h) {
        auto doc = documentWith(m_pictures, solid(w, h, qRgb(40, 90, 140)));
        addRect(*doc, {10, 10, 50, 40}, AreaShape::Rectangle, "first.htm");
        addRect(*doc, {30, 20, 80, 60}, AreaShape::Rectangle, "second.htm");
        addRect(*doc, {0, 60, 40, 100}, AreaShape::Circle, "round.htm");
        MapInfo info = doc->mapInfo();
        info.defaultUrl = "index.htm";
        doc->setMapInfo(info);
        return doc;
    }
    static ClickTargets targetsOf(const CImageMapDoc& doc) {
        ClickTargets targets(QSize(doc.imageWidth(), doc.imageHeight()), doc.mapInfo().defaultUrl);
        for (int i = 0; i < doc.areaCount(); ++i)
            targets.add(*doc.area(i));
        return targets;
    }
    static void show(TestMapWindow& window) {
        window.show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    static void moveOver(QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    // The URL shown with the mouse on a picture pixel.
    static QString urlAt(TestMapWindow& window, QPoint picturePixel) {
        moveOver(window.pictureWidget(), picturePixel - window.scrollPosition());
        return window.shownUrl();
    }

    StubPictures m_pictures;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(TestMapTest, ASmallPictureSitsCentredWithoutBarsAndShowsWhatAClickFollows) {
    auto doc = map(100, 110);
    // The map view is zoomed 4:1 and scrolled; Test Map leaves it so.
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    view.setZoom(ZoomLevel::in(4));
    view.setScrollPosition({37, 21});
    const PixelRect before = view.geometryOf(1).windowRect();

    TestMapWindow window(doc->image(), targetsOf(*doc));
    show(window);
    // Grown to the room the screen offers.
    const QRect room = window.screen()->availableGeometry();
    EXPECT_GE(window.frameGeometry().width(), room.width() - 2);
    EXPECT_GE(window.frameGeometry().height(), room.height() - 2);

    EXPECT_TRUE(window.horizontalBar()->isHidden());
    EXPECT_TRUE(window.verticalBar()->isHidden());
    const QRect frame = window.imageFrame()->rect();
    const QRect picture = window.imageRect();
    EXPECT_EQ(picture.size(), QSize(100, 110));
    EXPECT_LE(std::abs(picture.left() - (frame.width() - picture.right() - 1)), 1);
    EXPECT_LE(std::abs(picture.top() - (frame.height() - picture.bottom() - 1)), 1);
    // The picture at 1:1.
    const QImage shown = window.pictureWidget()->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(100, 110));
    EXPECT_EQ(shown.pixel(99, 109), qRgb(40, 90, 140));

    EXPECT_EQ(urlAt(window, {20, 15}), "first.htm");
    EXPECT_EQ(urlAt(window, {40, 30}), "first.htm"); // both areas: the earlier one
    EXPECT_EQ(urlAt(window, {70, 50}), "second.htm");
    EXPECT_EQ(urlAt(window, {1, 61}), "index.htm"); // in the circle's box, not the circle
    EXPECT_EQ(urlAt(window, {20, 80}), "round.htm");
    EXPECT_EQ(urlAt(window, {90, 100}), "index.htm");
    moveOver(window.imageFrame(), {2, 2}); // off the picture
    EXPECT_EQ(window.target(), ClickTargets::kOutsidePicture);
    EXPECT_EQ(window.shownUrl(), "");

    window.findChild<QPushButton*>("done")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(view.zoom(), ZoomLevel::in(4));
    EXPECT_EQ(view.scrollPosition(), QPoint(37, 21));
    EXPECT_EQ(view.geometryOf(1).windowRect(), before);
}

TEST_F(TestMapTest, ALargePictureScrollsToItsLastPixelsInPagesOfSixteen) {
    auto doc = map(3000, 2500);
    addRect(*doc, {2990, 2490, 3000, 2500}, AreaShape::Rectangle, "corner.htm");
    TestMapWindow window(doc->image(), targetsOf(*doc));
    show(window);
    QScrollBar* across = window.horizontalBar();
    QScrollBar* down = window.verticalBar();
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    const QRect picture = window.imageRect();
    const QRect frame = window.imageFrame()->rect();
    // Inset by 4 in the room the bars leave.
    EXPECT_EQ(picture.topLeft(), QPoint(TestMapWindow::kInset, TestMapWindow::kInset));
    EXPECT_EQ(picture.right() + 1 + TestMapWindow::kInset, down->geometry().left());
    EXPECT_EQ(picture.bottom() + 1 + TestMapWindow::kInset, across->geometry().top());
    EXPECT_EQ(down->geometry().right(), frame.right());
    // The ranges reach the last column and row.
    EXPECT_EQ(across->maximum(), 3000 - picture.width());
    EXPECT_EQ(down->maximum(), 2500 - picture.height());
    EXPECT_EQ(across->pageStep(), TestMapWindow::kPageStep);
    EXPECT_EQ(across->singleStep(), 1);
    across->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(across->value(), 16);
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    EXPECT_EQ(urlAt(window, {2995, 2495}), "corner.htm");
    EXPECT_EQ(urlAt(window, {2985, 2485}), "index.htm");
}

TEST_F(TestMapTest, TheIntroductionGoesFirstUntilTheUserDeclinesIt) {
    EXPECT_FALSE(Settings::app().neverShowWarn);
    whenShown<TestMapIntroDialog>([](TestMapIntroDialog& intro) { intro.reject(); });
    EXPECT_FALSE(TestMapIntroDialog::confirm(nullptr));

    whenShown<TestMapIntroDialog>([](TestMapIntroDialog& intro) {
        EXPECT_EQ(intro.windowTitle(), "Test The Map");
        intro.findChild<QCheckBox*>("dontShow")->setChecked(true);
        intro.accept();
    });
    EXPECT_TRUE(TestMapIntroDialog::confirm(nullptr));
    EXPECT_TRUE(Settings::app().neverShowWarn);
    EXPECT_TRUE(TestMapIntroDialog::confirm(nullptr)); // shown no more
}
