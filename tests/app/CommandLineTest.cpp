#include "app/shell/CommandLine.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

using Cmd = CommandLineInfo::ShellCommand;

struct RecordingHost : DocumentHost {
    QStringList calls;
    bool answer = true;
    bool openMapFile(const QString& path, const QString& imagePath) override {
        calls << QStringLiteral("open %1 [%2]").arg(path, imagePath);
        return answer;
    }
    bool newMap(const QString& mapPath, const QString& imagePath) override {
        calls << QStringLiteral("new [%1] [%2]").arg(mapPath, imagePath);
        return answer;
    }
};

} // namespace

TEST(CommandLine, FirstPlainArgumentIsTheFileAndSwitchesTakeEitherLead) {
    const CommandLineInfo info =
        CommandLineInfo::parse({"-g:pic.png", "site.map", "other.map", "/m:Main"});
    EXPECT_EQ(info.shellCommand, Cmd::FileOpen);
    EXPECT_EQ(info.fileName, "site.map");
    EXPECT_EQ(info.imageFile, "pic.png");
    EXPECT_EQ(info.mapName, "Main");
    EXPECT_FALSE(info.showSwitches);
}

TEST(CommandLine, SwitchesAreCaseSensitiveAndUnknownLettersIgnored) {
    const CommandLineInfo info = CommandLineInfo::parse({"/G:pic.png", "/x", "-zoom", "/M:a"});
    EXPECT_EQ(info.shellCommand, Cmd::FileNew);
    EXPECT_TRUE(info.fileName.isEmpty());
    EXPECT_TRUE(info.imageFile.isEmpty());
    EXPECT_TRUE(info.mapName.isEmpty());
}

TEST(CommandLine, QuestionMarkOrHelpAsksForTheSwitchList) {
    EXPECT_TRUE(CommandLineInfo::parse({"/?"}).showSwitches);
    EXPECT_TRUE(CommandLineInfo::parse({"-help"}).showSwitches);
    EXPECT_TRUE(CommandLineInfo::parse({"/helpme", "a.map"}).showSwitches);
    EXPECT_EQ(CommandLineInfo::parse({"/?", "a.map"}).shellCommand, Cmd::FileOpen);
}

TEST(CommandLine, AbsolutePathsAreFilesNotSwitches) {
    EXPECT_EQ(CommandLineInfo::parse({"/maps/site.map"}).fileName, "/maps/site.map");
    // A name at the root is a path when it exists.
    EXPECT_EQ(CommandLineInfo::parse({"/tmp"}).fileName, "/tmp");
    EXPECT_EQ(CommandLineInfo::parse({"/g:/pics/a.png"}).imageFile, "/pics/a.png");
    EXPECT_TRUE(CommandLineInfo::parse({"/nosuchswitch"}).fileName.isEmpty());
}

TEST(CommandLine, PlatformSwitchesChooseOtherShellCommands) {
    EXPECT_EQ(CommandLineInfo::parse({"/p", "a.map"}).shellCommand, Cmd::FilePrint);
    const CommandLineInfo printTo =
        CommandLineInfo::parse({"/pt", "a.map", "printer", "driver", "port"});
    EXPECT_EQ(printTo.shellCommand, Cmd::FilePrintTo);
    EXPECT_EQ(printTo.fileName, "a.map");
    EXPECT_EQ(CommandLineInfo::parse({"/dde"}).shellCommand, Cmd::FileDde);
    EXPECT_EQ(CommandLineInfo::parse({"-Unregserver"}).shellCommand, Cmd::AppUnregister);
    EXPECT_EQ(CommandLineInfo::parse({"/Embedding"}).shellCommand, Cmd::FileNothing);
}

TEST(CommandLineProcessing, OpensTheFileWithAGivenPicture) {
    RecordingHost host;
    ScriptedPrompter prompter;
    EXPECT_TRUE(processCommandLine(CommandLineInfo::parse({"site.map", "/g:pic.png"}), host));
    EXPECT_EQ(host.calls, QStringList{"open site.map [pic.png]"});
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST(CommandLineProcessing, MapNameAloneMakesANewMapOfThatName) {
    RecordingHost host;
    EXPECT_TRUE(processCommandLine(CommandLineInfo::parse({"/m:new.htm"}), host));
    EXPECT_TRUE(processCommandLine(CommandLineInfo::parse({"-g:pic.gif"}), host));
    EXPECT_EQ(host.calls, (QStringList{"new [new.htm] []", "new [] [pic.gif]"}));
}

TEST(CommandLineProcessing, NoArgumentsMakeNoDocument) {
    RecordingHost host;
    EXPECT_TRUE(processCommandLine(CommandLineInfo::parse({}), host));
    EXPECT_TRUE(processCommandLine(CommandLineInfo::parse({"/?"}), host));
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST(CommandLineProcessing, OtherShellCommandsBeepAndNameTheSwitchHelp) {
    RecordingHost host;
    ScriptedPrompter prompter;
    EXPECT_FALSE(processCommandLine(CommandLineInfo::parse({"/p", "a.map"}), host));
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_EQ(prompter.beeps(), 1);
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].text, "Unknown command line switch. Run with /? for switches.");
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Exclamation);
}
