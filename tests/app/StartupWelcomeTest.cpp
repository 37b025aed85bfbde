// The welcome dialog is offered only when start-up opened nothing, and it
// makes way for a map a second start hands over.
#include "ShellFixture.h"

#include "app/shell/DocumentManager.h"

TEST_F(ShellTest, WelcomeIsNotOfferedOverAMapGivenOnTheCommandLine) {
    start({sampleMap("site.map")});
    runEvents();
    EXPECT_EQ(frame().children().size(), 1);
    EXPECT_EQ(m_dialogs.welcomeShown, 0);
    // Asked for, it still comes.
    dispatch(CommandId::Welcome);
    EXPECT_EQ(m_dialogs.welcomeShown, 1);
}

TEST_F(ShellTest, WelcomeMakesWayForAMapHandedOverByASecondStart) {
    const QString map = sampleMap("site.map");
    bool handedOver = false;
    bool ran = false;
    // Clearing duringWelcome here would destroy the closure that is running.
    m_dialogs.duringWelcome = [&] {
        if (ran)
            return;
        ran = true;
        TessaryApp second(options());
        handedOver = second.start({map}) == TessaryApp::StartResult::HandedOver;
        second.exit();
        waitUntil([&] { return frame().children().size() == 1; });
    };
    start();
    runEvents();
    EXPECT_EQ(m_dialogs.welcomeShown, 1); // a start with nothing to open
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(frame().children().size(), 1);
    EXPECT_EQ(m_dialogs.welcomeClosed, 1);
}

// A map that opens between start-up and the welcome's turn (handed over,
// dropped): the welcome is dropped.
TEST_F(ShellTest, WelcomeIsDroppedWhenAMapOpenedBeforeItsTurn) {
    start();
    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("site.map"), QString(), false));
    runEvents();
    EXPECT_EQ(m_dialogs.welcomeShown, 0);
}
