// The main window's first size follows the screen's room in
// device-independent pixels, so a high scale factor does not leave it a
// corner of the screen.
#include "app/frames/FrameSize.h"
#include "ShellFakes.h"
#include "app/commands/ActionTable.h"
#include "app/frames/MainFrame.h"
#include "support/QtTestApp.h"

#include "model/Settings.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

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

TEST(FrameSize, ARememberedSizeIsKeptWithinTheRoom) {
    EXPECT_EQ(openingFrameSize({1280, 800}, {}), QSize(960, 640));
    EXPECT_EQ(openingFrameSize({1280, 800}, {700, 500}), QSize(700, 500));
    EXPECT_EQ(openingFrameSize({1280, 800}, {3000, 2000}), QSize(1280, 800));
    EXPECT_EQ(openingFrameSize({1280, 800}, {10, 10}), QSize(320, 240));
    EXPECT_EQ(openingFrameSize({1280, 800}, {0, 500}), QSize(960, 640));
}

// At a scale factor of 2 the frame is a share of the screen's room in
// device-independent pixels, and the size it was left at opens again in
// the same units. The scale factor is read when the application starts, so
// the case runs in a child process of this test program on a 2560 x 1600
// offscreen screen.
TEST(FrameSize, AtScaleTwoTheFrameFollowsTheRoomAndIsRestoredInTheSameUnits) {
    qtTestApp(); // for the program's own path
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile config(dir.filePath("screen.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560, "height": 1600,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    env.insert("QT_SCALE_FACTOR", "2");
    env.insert("TESSARY_FRAME_STORE", dir.filePath("config"));
    for (const char* step : {"first", "again"}) {
        QProcess child;
        env.insert("TESSARY_FRAME_STEP", step);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=FrameSize.ScaledChild"});
        ASSERT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << step << "\n" << child.readAll().toStdString();
    }
}

// The child's part; it does nothing unless started by the case above.
TEST(FrameSize, ScaledChild) {
    const QByteArray step = qgetenv("TESSARY_FRAME_STEP");
    if (step.isEmpty())
        GTEST_SKIP() << "run by AtScaleTwoTheFrameFollowsTheRoomAndIsRestoredInTheSameUnits";
    qtTestApp();
    Settings::setStoreFolder(QString::fromLocal8Bit(qgetenv("TESSARY_FRAME_STORE")));
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->devicePixelRatio(), 2.0);
    const QRect room = screen->availableGeometry();
    ASSERT_EQ(room.size(), QSize(1280, 800)); // 2560 x 1600 device pixels
    ActionTable actions;
    ScriptedAppDialogs dialogs;
    MainFrame frame(actions, dialogs, {});
    frame.show();
    if (step == "first") {
        // Three quarters of the room across, as at a scale of 1: 960 x 640,
        // which is 1920 x 1280 device pixels, not 960 x 600 of them.
        EXPECT_EQ(frame.size(), QSize(960, 640));
        EXPECT_EQ(frame.windowHandle()->devicePixelRatio(), 2.0);
        EXPECT_EQ(frame.grab().size(), QSize(1920, 1280));
        frame.resize(1000, 700);
        frame.close();
    } else {
        EXPECT_EQ(frame.size(), QSize(1000, 700));
        EXPECT_EQ(frame.grab().size(), QSize(2000, 1400));
        EXPECT_TRUE(room.contains(frame.geometry()));
    }
}
