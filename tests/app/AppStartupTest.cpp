#include "ShellFixture.h"

#include "app/shell/RecentFiles.h"

#include <QProcess>
#include <QProcessEnvironment>

TEST_F(ShellTest, ASecondStartWithAFileOpensItInTheFirstCopyAndEnds) {
    start();
    ASSERT_TRUE(frame().children().isEmpty());
    const QString map = sampleMap("site.map");

    // The second start is the real program, finding the first copy through
    // the per-user runtime folder.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", m_dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("second-config"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(TESSARY_BINARY_DIR "/bin/tessary"), {map});
    ASSERT_TRUE(second.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    ASSERT_TRUE(waitUntil([&] { return frame().children().size() == 1; }));
    EXPECT_EQ(frame().activeChild()->document().mapPath(), m_dir.filePath("site.htm"));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("second-config/Corvane/Tessary.ini")));
}

TEST_F(ShellTest, SettingsRoundTripAndASecondCopyDoesNotWriteThem) {
    storeValue("Settings/Grid SizeX", 21);
    storeValue("Settings/NeverShowWelcome", 1);
    start();
    EXPECT_EQ(Settings::app().grid.sizeX, 21);
    Settings::app().fillType = 2;
    Settings::app().selectedColor = 0x123456;

    TessaryApp second(options());
    EXPECT_EQ(second.start({"x.map"}), TessaryApp::StartResult::HandedOver);
    second.exit();
    EXPECT_EQ(QSettings(iniPath(), QSettings::IniFormat).value("Settings/Fill Type"), QVariant());

    m_app->exit();
    QSettings ini(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/Fill Type").toInt(), 2);
    EXPECT_EQ(ini.value("Settings/Selected Color").toUInt(), 0x123456u);
    EXPECT_EQ(ini.value("Settings/Grid SizeX").toInt(), 21);
    EXPECT_FALSE(ini.contains("Settings/DND"));
    EXPECT_FALSE(ini.contains("Settings/CWGR"));
}

TEST_F(ShellTest, SwitchListIsShownAndStartUpGoesOn) {
    start({"/?"});
    EXPECT_EQ(m_dialogs.switchesShown, 1);
    EXPECT_TRUE(frame().isVisible());
    runEvents();
    EXPECT_EQ(m_dialogs.welcomeShown, 1); // the welcome dialog still follows
}

TEST_F(ShellTest, MapAndPictureSwitchesStartANewMapWithoutAWizard) {
    start({"-m:" + m_dir.filePath("new.htm"), "/g:" + m_dir.filePath("pic.png")});
    ASSERT_EQ(frame().children().size(), 1);
    const CImageMapDoc& doc = frame().children()[0]->document();
    EXPECT_EQ(doc.mapPath(), m_dir.filePath("new.htm"));
    EXPECT_EQ(doc.imagePath(), m_dir.filePath("pic.png"));
    EXPECT_EQ(doc.titleText(), "<untitled> / pic.png (new.htm)");
}

TEST_F(ShellTest, AnUnknownShellCommandIsReportedAndNothingOpens) {
    start({"/dde"});
    EXPECT_TRUE(frame().children().isEmpty());
    EXPECT_EQ(m_prompter.texts(),
              QStringList{"Unknown command line switch. Run with /? for switches."});
}

TEST_F(ShellTest, WelcomeDialogIsSkippedWhenNeverShowIsSet) {
    storeValue("Settings/NeverShowWelcome", 1);
    start();
    runEvents();
    EXPECT_EQ(m_dialogs.welcomeShown, 0);
}

TEST_F(ShellTest, WelcomeChoiceIsRememberedAndCarriedOut) {
    storeValue("Settings/LastUsedWelcome", 2);
    m_dialogs.welcomeAnswer = {{AppDialogs::WelcomeChoice::OpenMap, true}};
    m_dialogs.openAnswers << sampleMap("site.map");
    start();
    // The welcome dialog comes up from the event loop once start-up is done;
    // a busy machine may need more than one short round of events.
    ASSERT_TRUE(waitUntil([&] { return frame().children().size() == 1; }));
    EXPECT_EQ(m_dialogs.welcomePreset, AppDialogs::WelcomeChoice::CreateNewImage);
    EXPECT_EQ(Settings::app().lastUsedWelcome, 0);
    EXPECT_TRUE(Settings::app().neverShowWelcome);
    EXPECT_EQ(m_dialogs.openShown, 1);
    EXPECT_EQ(frame().children().size(), 1);
}

TEST_F(ShellTest, ARecentFileDeletedBetweenRunsIsGoneAtTheNextStart) {
    const QString kept = sampleMap("kept.map");
    storeValue("Recent File List/File1", m_dir.filePath("gone.map"));
    storeValue("Recent File List/File2", kept);
    storeValue("Settings/MaxRecent", 3);
    start();
    EXPECT_EQ(m_app->recentFiles().files(), QStringList{kept});
    EXPECT_EQ(m_app->recentFiles().maxEntries(), 3);
}

TEST_F(ShellTest, OpenStartsInTheLastMapFolderAndCanOpenReadOnly) {
    const QString map = sampleMap("site.map");
    storeValue("Settings/Last Map Folder", m_dir.filePath("config"));
    m_dialogs.openAnswers << map;
    m_dialogs.openReadOnly = true;
    start();
    dispatch(CommandId::Open);
    EXPECT_EQ(m_dialogs.openFolders, QStringList{m_dir.filePath("config")});
    ASSERT_EQ(frame().children().size(), 1);
    EXPECT_TRUE(frame().activeChild()->document().isReadOnly());
    EXPECT_FALSE(state(CommandId::EditMapInfo).enabled);
    EXPECT_FALSE(state(CommandId::RectangleTool).enabled);
    EXPECT_EQ(Settings::app().lastMapFolder, m_dir.path());
    EXPECT_EQ(m_app->recentFiles().files(), QStringList{map});
}

TEST_F(ShellTest, AMapThatFailsToOpenLeavesNoWindow) {
    start({m_dir.filePath("missing.map")});
    EXPECT_TRUE(frame().children().isEmpty());
    EXPECT_TRUE(m_prompter.texts().contains(
        "Unable to load the map file. This could be because the file in question is not a "
        "image map file, the file is damaged, or the file is in use."));
}
