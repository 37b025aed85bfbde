#include "app/frames/StatusBar.h"
#include "app/frames/StatePane.h"
#include "support/QtTestApp.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override { bar.show(); }
    QApplication& app = qtTestApp(); // before the bar
    StatusBar bar;
};

} // namespace

TEST_F(StatusBarTest, ValuePanesStayBlankWhileNoMapViewExists) {
    bar.showPosition(10, 20);
    bar.showDimensions(3, 4);
    bar.showZoom(ZoomLevel::in(2));
    EXPECT_TRUE(bar.positionText().isEmpty());
    EXPECT_TRUE(bar.dimensionsText().isEmpty());
    EXPECT_TRUE(bar.zoomText().isEmpty());
}

TEST_F(StatusBarTest, PanesWriteTheirFormatsAndBlankOutOfRange) {
    bar.viewOpened();
    bar.showPosition(10, 200);
    EXPECT_EQ(bar.positionText(), "  10, 200");
    bar.showPosition(-1, 5);
    EXPECT_TRUE(bar.positionText().isEmpty());
    bar.showDimensions(0, 7);
    EXPECT_EQ(bar.dimensionsText(), "   0 x   7");
    bar.showDimensions(0, 0);
    EXPECT_TRUE(bar.dimensionsText().isEmpty());
    bar.showZoom(ZoomLevel::in(8));
    EXPECT_EQ(bar.zoomText(), "8:1");
    bar.showZoom(ZoomLevel::out(12));
    EXPECT_EQ(bar.zoomText(), "1:12");
    bar.showPrompt("Drag to opposite corner; release button to end");
    EXPECT_EQ(bar.promptText(), "Drag to opposite corner; release button to end");
}

TEST_F(StatusBarTest, ClosingTheLastViewBlanksThePanes) {
    bar.viewOpened();
    bar.viewOpened();
    bar.showZoom(ZoomLevel::in(3));
    bar.showState(MapCheckStatus::Obscured, 2);
    bar.viewClosed();
    EXPECT_EQ(bar.zoomText(), "3:1");
    bar.viewClosed();
    EXPECT_TRUE(bar.zoomText().isEmpty());
    EXPECT_EQ(bar.statePane()->state(), MapCheckStatus::Clean);
}

TEST_F(StatusBarTest, ZoomPaneClicksAskForTheZoomMenuOnlyWithAView) {
    QSignalSpy requests(&bar, &StatusBar::zoomMenuRequested);
    QLabel* zoom = nullptr;
    for (QLabel* label : bar.findChildren<QLabel*>()) {
        if (label->toolTip() == "Zoom Level")
            zoom = label;
    }
    ASSERT_TRUE(zoom);
    QTest::mouseClick(zoom, Qt::LeftButton);
    EXPECT_EQ(requests.count(), 0);
    bar.viewOpened();
    QTest::mouseClick(zoom, Qt::LeftButton);
    QTest::mouseClick(zoom, Qt::RightButton);
    EXPECT_EQ(requests.count(), 2);
}

TEST(StatePane, MissingUrlIsReportedAheadOfAnObscuredArea) {
    qtTestApp();
    StatePane pane;
    // What one complete check run reports for a map whose area 2 has no URL
    // and whose area 3 is obscured: the missing URL.
    pane.showState(MapCheckStatus::MissingUrl, 2);
    EXPECT_EQ(pane.toolTip(), "Area 2 missing URL");
    EXPECT_FALSE(pane.pixmap().isNull());
    const QImage missing = pane.pixmap().toImage();
    pane.showState(MapCheckStatus::Obscured, 3);
    EXPECT_EQ(pane.toolTip(), "Area 3 is obscured");
    EXPECT_NE(pane.pixmap().toImage(), missing);
    pane.showState(MapCheckStatus::Clean, -1);
    EXPECT_TRUE(pane.toolTip().isEmpty());
    EXPECT_TRUE(pane.pixmap().isNull());
}

TEST(StatePane, ThePictureChangesOnlyWhenTheStateDoes) {
    qtTestApp();
    StatePane pane;
    pane.showState(MapCheckStatus::Obscured, 4);
    pane.showState(MapCheckStatus::Obscured, 6);
    EXPECT_EQ(pane.pictureChanges(), 1);
    EXPECT_EQ(pane.toolTip(), "Area 6 is obscured");
    pane.showState(MapCheckStatus::ReversedSearch, -1);
    EXPECT_EQ(pane.pictureChanges(), 2);
    EXPECT_TRUE(pane.toolTip().isEmpty());
}

TEST_F(StatusBarTest, ActivatingAnotherViewClearsTheState) {
    bar.viewOpened();
    bar.showState(MapCheckStatus::MissingUrl, 1);
    bar.viewActivated();
    EXPECT_EQ(bar.statePane()->state(), MapCheckStatus::Clean);
    EXPECT_GE(bar.minimumHeight(), 20);
}
