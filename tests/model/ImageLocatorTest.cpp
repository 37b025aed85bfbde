#include "model/ImageLocator.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ImageLocatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        QDir(dir.path()).mkpath("maps");
        Settings::app().lastImageFolder.clear();
        QDir::setCurrent(elsewhere.path());
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    QString touch(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    QString inMaps(const QString& name) const { return dir.filePath("maps/" + name); }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    QTemporaryDir elsewhere; // the current folder
    FakeDocumentDialogs dialogs;
};

} // namespace

TEST_F(ImageLocatorTest, MapWithoutPictureTakesJpgThenPngThenGifOfItsName) {
    const QString map = inMaps("site.map");
    PictureSource::Location where{{}, map};
    EXPECT_FALSE(ImageLocator::search(where));
    EXPECT_EQ(where.imagePath, elsewhere.filePath("site.gif")); // the last place tried

    const struct {
        QStringList present;
        QString found;
    } cases[] = {
        {{"site.png"}, "site.png"},
        {{"site.gif"}, "site.gif"},
        {{"site.gif", "site.png"}, "site.png"},
        {{"site.gif", "site.png", "site.jpg"}, "site.jpg"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"site.jpg", "site.png", "site.gif"})
            QFile::remove(inMaps(name));
        for (const QString& name : c.present)
            touch(inMaps(name));
        where = {{}, map};
        EXPECT_TRUE(ImageLocator::search(where)) << c.found.toStdString();
        EXPECT_EQ(where.imagePath, inMaps(c.found));
    }
}

TEST_F(ImageLocatorTest, PictureIsLookedForInTheMapsFolderThenTheCurrentFolder) {
    const QString named = inMaps("img/pic.gif"); // where the map says
    PictureSource::Location where{named, inMaps("site.htm")};
    touch(elsewhere.filePath("pic.gif"));
    EXPECT_TRUE(ImageLocator::search(where));
    EXPECT_EQ(where.imagePath, elsewhere.filePath("pic.gif"));

    where.imagePath = named;
    touch(inMaps("pic.gif"));
    EXPECT_TRUE(ImageLocator::search(where));
    EXPECT_EQ(where.imagePath, inMaps("pic.gif"));

    QDir(dir.path()).mkpath("maps/img");
    touch(named);
    where.imagePath = named;
    EXPECT_TRUE(ImageLocator::search(where));
    EXPECT_EQ(where.imagePath, named);
}

TEST_F(ImageLocatorTest, FoldersAndEmptyNamesAreNeverPictures) {
    QDir(dir.path()).mkpath("maps/pic.gif");
    PictureSource::Location where{inMaps("pic.gif"), inMaps("site.htm")};
    EXPECT_FALSE(ImageLocator::search(where));
    where = {inMaps("img/"), inMaps("site.htm")};
    EXPECT_FALSE(ImageLocator::search(where));
    where = {};
    EXPECT_FALSE(ImageLocator::search(where));
}

TEST_F(ImageLocatorTest, CancellingEitherDialogGivesUp) {
    PictureSource::Location where{inMaps("pic.gif"), inMaps("site.htm")};
    EXPECT_FALSE(ImageLocator::locate(where, dialogs)); // "Missing Image" cancelled
    EXPECT_EQ(dialogs.missingImageNames, QList<QByteArray>({"pic.gif"}));
    EXPECT_TRUE(dialogs.imageFileStarts.isEmpty());

    dialogs.missingImageAnswer = true;
    where.imagePath = inMaps("pic.gif");
    EXPECT_FALSE(ImageLocator::locate(where, dialogs)); // file dialog cancelled
    EXPECT_EQ(dialogs.imageFileStarts, QStringList({"pic.gif"}));
    EXPECT_TRUE(Settings::app().lastImageFolder.isEmpty());
}

TEST_F(ImageLocatorTest, MissingPictureOfAnUnnamedMapIsAskedForWithItsOwnName) {
    dialogs.missingImageAnswer = true;
    PictureSource::Location where{{}, inMaps("site.map")};
    EXPECT_FALSE(ImageLocator::locate(where, dialogs));
    EXPECT_EQ(dialogs.missingImageNames, QList<QByteArray>({"site.gif"}));
    where = {};
    EXPECT_FALSE(ImageLocator::locate(where, dialogs));
    EXPECT_EQ(dialogs.missingImageNames.last(), QByteArray());
}
