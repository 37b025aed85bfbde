#include "formats/MappedFile.h"
#include "support/TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(MappedFile, HoldsEveryByteOfTheFile) {
    TempFiles files;
    MappedFile file;
    ASSERT_TRUE(file.open(files.write("a.map", QByteArray("rect a 1,1 2,2\0tail", 20))));
    EXPECT_EQ(file.size(), 20);
    EXPECT_EQ(file.bytes(), QByteArrayView("rect a 1,1 2,2\0tail", 20));
    EXPECT_FALSE(file.isReadOnly());
}

TEST(MappedFile, ReportsWriteProtectionByThePermissionBit) {
    TempFiles files;
    const QString path = files.write("a.map", "x");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    MappedFile file;
    ASSERT_TRUE(file.open(path)); // even as root, who could write it
    EXPECT_TRUE(file.isReadOnly());
}

TEST(MappedFile, RefusesMissingFilesAndFolders) {
    TempFiles files;
    MappedFile file;
    EXPECT_FALSE(file.open(files.path("missing.map")));
    EXPECT_FALSE(file.open(files.dir.path()));
    ASSERT_TRUE(file.open(files.write("empty.map", {})));
    EXPECT_TRUE(file.bytes().isEmpty());
}
