// The main window's first size follows the screen's room in
// device-independent pixels, so a high scale factor does not leave it a
// corner of the screen.
#include "app/frames/FrameSize.h"
#include "ShellFakes.h"
#include "app/frames/MainFrame.h"
#include "app/shell/ActionTable.h"
#include "support/QtTestApp.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(FrameSize, AShareOfTheRoomAndEnoughForAMapOnASmallOne) {
    // 1280 x 800 at a scale of 1, and at 2 (640 x 400 device-independent).
    EXPECT_EQ(firstFrameSize({1280, 800}), QSize(960, 640));
    EXPECT_EQ(firstFrameSize({640, 400}), QSize(640, 400));
    EXPECT_EQ(firstFrameSize({2560, 1440}), QSize(1920, 1080));
    EXPECT_EQ(firstFrameSize({1000, 500}), QSize(960, 500));
}

TEST(FrameSize, TheFrameOpensCentredInTheRoom) {
    qtTestApp();
    ActionTable actions;
    ScriptedAppDialogs dialogs;
    MainFrame frame(actions, dialogs, {});
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(frame.size(), firstFrameSize(room.size()));
    EXPECT_TRUE(room.contains(frame.geometry()));
    EXPECT_LE(std::abs(frame.geometry().center().x() - room.center().x()), 1);
}
