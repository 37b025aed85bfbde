// Switching map windows: the prompt one map's view wrote (an area's number,
// kind and URL) is not left standing for the other.
#include "ShellFixture.h"

#include "app/frames/StatusBar.h"
#include "app/shell/DocumentManager.h"

#include <QMdiArea>

TEST_F(ShellTest, AnotherMapWindowDoesNotKeepTheFirstOnesAreaMessage) {
    start();
    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("one.map"), QString(), false));
    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("two.map"), QString(), false));
    ASSERT_EQ(frame().children().size(), 2);
    StatusBar& bar = *frame().mainStatusBar();
    frame().mdiArea()->setActiveSubWindow(frame().children()[0]);
    bar.showPrompt("1: Rectangle URL=http://one.example/");
    frame().mdiArea()->setActiveSubWindow(frame().children()[1]);
    EXPECT_EQ(bar.promptText(), "");
}
