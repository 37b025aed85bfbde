// The program's data folder in the three places a program can run from: the
// build (res/ beside it), an installation (share/tessary/ beside its bin/)
// and a bare folder.
#include "model/ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProgramFolder, BuildThenInstalledLayoutThenTheProgramsOwnFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("prefix/bin")));
    const QString bin = dir.filePath(QStringLiteral("prefix/bin"));

    EXPECT_EQ(ProgramFolder::forProgramDir(bin), bin);

    ASSERT_TRUE(dir.mkpath(QStringLiteral("prefix/share/tessary/samples")));
    EXPECT_EQ(ProgramFolder::forProgramDir(bin),
              dir.filePath(QStringLiteral("prefix/share/tessary")));

    // A build's res/ comes first, so a build never reads an older installation.
    ASSERT_TRUE(dir.mkpath(QStringLiteral("prefix/bin/res")));
    EXPECT_EQ(ProgramFolder::forProgramDir(bin), dir.filePath(QStringLiteral("prefix/bin/res")));
}
