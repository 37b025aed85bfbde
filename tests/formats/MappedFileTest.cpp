#include "formats/MappedFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

} // namespace

TEST(MappedFile, HoldsTheBytesAndEndsTheTextAtTheFirstNul) {
    QTemporaryDir dir;
    MappedFile file;
    ASSERT_TRUE(file.open(writeFile(dir, "a.map", QByteArray("rect a 1,1 2,2\0tail", 20))));
    EXPECT_EQ(file.size(), 20);
    EXPECT_EQ(file.text(), "rect a 1,1 2,2");
    EXPECT_FALSE(file.isReadOnly());
}

TEST(MappedFile, ReportsWriteProtectionByThePermissionBit) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "a.map", "x");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    MappedFile file;
    ASSERT_TRUE(file.open(path)); // even as root, who could write it
    EXPECT_TRUE(file.isReadOnly());
}

TEST(MappedFile, RefusesMissingFilesAndFolders) {
    QTemporaryDir dir;
    MappedFile file;
    EXPECT_FALSE(file.open(dir.filePath("missing.map")));
    EXPECT_FALSE(file.open(dir.path()));
    ASSERT_TRUE(file.open(writeFile(dir, "empty.map", {})));
    EXPECT_TRUE(file.text().isEmpty());
}
