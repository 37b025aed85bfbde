// Pages the editor writes a map into join File's recent files, as opened
// ones do, and a map window's title marks unsaved changes.
#include "ShellFixture.h"

#include "app/shell/DocumentManager.h"
#include "app/shell/RecentFiles.h"
#include "model/Settings.h"

TEST_F(ShellTest, ASavedAsPageJoinsTheRecentFiles) {
    start();
    Settings::app().maximizeOnOpen = false; // a maximized window leaves its title to the frame
    const QString map = sampleMap("site.map");
    ASSERT_TRUE(m_app->documents().openMapFile(map, QString(), false));
    EXPECT_EQ(m_app->recentFiles().files(), QStringList{map});
    MyMDIChildWnd* window = frame().activeChild();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->windowTitle().endsWith("[*]"));
    EXPECT_TRUE(window->isWindowModified()); // a .map continues as a page: changed

    const QString page = m_dir.filePath("saved.htm");
    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        request.path = page;
        return true;
    };
    ASSERT_TRUE(dispatch(CommandId::SaveAs));
    ASSERT_TRUE(QFile::exists(page));
    EXPECT_EQ(m_app->recentFiles().files(), (QStringList{page, map}));
    EXPECT_FALSE(window->isWindowModified());
    // Saving again into the same page does not move it again.
    window->document().setModified(true);
    ASSERT_TRUE(dispatch(CommandId::Save));
    EXPECT_EQ(m_app->recentFiles().files(), (QStringList{page, map}));
}
