#include "app/shell/RecentFiles.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_store.isValid() && m_files.isValid());
        Settings::setStoreFolder(m_store.path());
    }
    QString file(const QString& name) {
        const QString path = QDir(m_files.path()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    QSettings raw() {
        return QSettings(m_store.path() + "/Corvane/Tessary.ini", QSettings::IniFormat);
    }
    QTemporaryDir m_store;
    QTemporaryDir m_files;
};

} // namespace

TEST_F(RecentFilesTest, NewestFirstWithoutRepeatsUpToTheMaximum) {
    RecentFiles recent(3);
    for (const char* name : {"a.map", "b.map", "c.map", "a.map", "d.map"})
        recent.add(file(name));
    ASSERT_EQ(recent.count(), 3);
    EXPECT_TRUE(recent.files()[0].endsWith("/d.map"));
    EXPECT_TRUE(recent.files()[1].endsWith("/a.map"));
    EXPECT_TRUE(recent.files()[2].endsWith("/c.map"));
}

TEST_F(RecentFilesTest, StoredAsNumberedEntriesAndReadBackUpToMaxRecent) {
    RecentFiles recent(4);
    recent.add(file("a.map"));
    recent.add(file("b.map"));
    recent.save();
    EXPECT_TRUE(raw().value("Recent File List/File1").toString().endsWith("/b.map"));
    EXPECT_TRUE(raw().value("Recent File List/File2").toString().endsWith("/a.map"));

    RecentFiles fewer(1);
    fewer.load();
    ASSERT_EQ(fewer.count(), 1);
    EXPECT_TRUE(fewer.files()[0].endsWith("/b.map"));
    fewer.save();
    EXPECT_FALSE(raw().contains("Recent File List/File2"));
}

TEST_F(RecentFilesTest, FilesDeletedSinceAreDropped) {
    RecentFiles recent(4);
    const QString kept = file("kept.map");
    const QString gone = file("gone.map");
    recent.add(kept);
    recent.add(gone);
    recent.add(file("also.map"));
    QFile::remove(gone);
    EXPECT_EQ(recent.dropMissing(), 1);
    ASSERT_EQ(recent.count(), 2);
    EXPECT_TRUE(recent.files()[1].endsWith("/kept.map"));
}

TEST_F(RecentFilesTest, TheListIsBoundedWhateverTheSettingSays) {
    EXPECT_EQ(RecentFiles(0).maxEntries(), 1);
    EXPECT_EQ(RecentFiles(1000).maxEntries(), RecentFiles::kLimit);
}
