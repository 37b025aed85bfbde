// Opening maps and changing their pictures through the program's picture
// source: real files, the real loading window (offscreen), scripted dialogs
// and prompter.
#include "app/loading/LoaderPictureSource.h"
#include "app/loading/ImageLoadWindow.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TestPictures.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kFormatBad =
    QStringLiteral("Unable to open image file: data format bad. Press OK to abort loading.");

class LoaderPictureSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        QDir::setCurrent(elsewhere.path()); // holds none of the pictures
        Settings::app().lastImageFolder.clear();
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(TestPictures::writeFile(path, bytes));
        return path;
    }
    QString png(const QString& name, int width, int height) {
        return write(name, TestPictures::encoded(TestPictures::rgb(width, height), "png"));
    }
    // Starts like a PNG file and then is not one.
    QString corrupt(const QString& name) {
        QByteArray bytes = TestPictures::encoded(TestPictures::rgb(30, 20), "png").left(60);
        bytes.append(2000, '\x5a');
        return write(name, bytes);
    }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    LoaderPictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

TEST_F(LoaderPictureSourceTest, MapWithoutPictureNameLoadsThePngOfItsName) {
    png("site.png", 32, 24);
    write("other.jpg", TestPictures::encoded(TestPictures::rgb(8, 8), "jpg"));
    ASSERT_TRUE(doc.openDocument(write("site.map", "rect a.htm 1,1 5,5\n")));
    ASSERT_TRUE(doc.image());
    EXPECT_EQ(doc.imageWidth(), 32);
    EXPECT_EQ(doc.imageHeight(), 24);
    EXPECT_EQ(doc.imagePath(), dir.filePath("site.png"));
    EXPECT_EQ(doc.mapInfo().imageFile, "site.png");
    EXPECT_EQ(doc.titleText(), QStringLiteral("site / site.png (site.htm)"));
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(dialogs.missingImageNames.isEmpty());
}

TEST_F(LoaderPictureSourceTest, MissingPictureIsLocatedByHandThroughTheDialogs) {
    const QString map = write("site.map", "#$GIF:gone.gif\nrect a.htm 1,1 5,5\n");
    EXPECT_FALSE(doc.openDocument(map)); // "Missing Image" cancelled
    EXPECT_EQ(dialogs.missingImageNames, QList<QByteArray>({"gone.gif"}));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("Unable to load the map file."));

    QDir(dir.path()).mkpath("pictures");
    const QString chosen = png("pictures/found.png", 50, 40);
    dialogs.missingImageAnswer = true;
    dialogs.imageFiles = {chosen};
    prompter.clear();
    ASSERT_TRUE(doc.openDocument(map));
    EXPECT_EQ(doc.imageWidth(), 50);
    EXPECT_EQ(doc.imagePath(), chosen);
    EXPECT_EQ(doc.mapInfo().imageFile, "found.png");
    EXPECT_EQ(doc.mapInfo().imageFolder, QFile::encodeName(dir.filePath("pictures")));
    EXPECT_EQ(Settings::app().lastImageFolder, dir.filePath("pictures"));
    EXPECT_EQ(dialogs.imageFileStarts.last(), QStringLiteral("gone.gif"));
    EXPECT_TRUE(prompter.shown().isEmpty());
}

// A picture that is there but gives nothing (cut short, or not a picture
// under a picture's name) is named with the reason, and another can be
// chosen, as for a missing picture; giving up fails the open as giving up
// on a missing picture does.
TEST_F(LoaderPictureSourceTest, UnusablePictureIsNamedAndAnotherCanBeChosen) {
    const QByteArray pngBytes = TestPictures::encoded(TestPictures::rgb(40, 30), "png");
    const QByteArray jpgBytes = TestPictures::encoded(TestPictures::rgb(40, 30), "jpg");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"cut.png", pngBytes.left(pngBytes.size() / 2)},
        {"cut.jpg", jpgBytes.left(40)},
        {"notes.gif", "Shopping: milk, bread.\n"},
    };
    QDir(dir.path()).mkpath("good");
    const QString good = png("good/found.png", 50, 40);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString picture = write(QLatin1String(c.name), c.bytes);
        const QString map =
            write("site.map", QByteArray("#$GIF:") + c.name + "\nrect a.htm 1,1 5,5\n");
        const QString expected =
            QStringLiteral("Unable to open image file: data format bad.\nThe picture \"") +
            QDir::toNativeSeparators(picture) +
            QStringLiteral("\" cannot be used. Choose OK to choose another picture, or Cancel to "
                           "stop opening the map.");

        prompter.clear();
        prompter.script({Prompter::Answer::Cancel});
        EXPECT_FALSE(doc.openDocument(map));
        EXPECT_FALSE(doc.image());
        ASSERT_EQ(prompter.texts().size(), 2);
        EXPECT_EQ(prompter.texts()[0], expected);
        EXPECT_TRUE(prompter.shown()[0].question);
        EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Exclamation);
        EXPECT_TRUE(prompter.texts()[1].startsWith("Unable to load the map file."));

        // OK, then the picture chosen in the image file dialog.
        prompter.clear();
        prompter.script({Prompter::Answer::Ok});
        dialogs.imageFiles = {good};
        Settings::app().lastImageFolder.clear();
        ASSERT_TRUE(doc.openDocument(map));
        EXPECT_EQ(prompter.texts().size(), 1);
        EXPECT_EQ(doc.imageWidth(), 50);
        EXPECT_EQ(doc.imagePath(), good);
        EXPECT_EQ(doc.mapInfo().imageFile, "found.png");
        EXPECT_EQ(dialogs.imageFileStarts.last(), picture);
        EXPECT_EQ(Settings::app().lastImageFolder, dir.filePath("good"));
    }
    EXPECT_TRUE(dialogs.missingImageNames.isEmpty());
}

TEST_F(LoaderPictureSourceTest, EmptyAndAbsentPathsAreReportedAsSuch) {
    EXPECT_FALSE(pictures.load(QString()));
    EXPECT_FALSE(pictures.load(dir.filePath("absent.png")));
    EXPECT_FALSE(pictures.load(dir.path())); // a folder is no picture file
    EXPECT_EQ(prompter.texts(),
              QStringList({"Unable to open image file: filename is empty. Press OK to abort "
                           "loading.",
                           "Unable to open image file: unable to locate file. Press OK to abort "
                           "loading.",
                           "Unable to open image file: unable to locate file. Press OK to abort "
                           "loading."}));
    EXPECT_FALSE(pictures.lastLoadCancelled());
}

TEST_F(LoaderPictureSourceTest, CancelledLoadFailsWithoutAnyMessage) {
    QByteArray bytes = TestPictures::encoded(TestPictures::rgb(20, 20), "png");
    bytes.append(3000, '\0'); // more than one chunk
    write("site.png", bytes);
    const QString map = write("site.map", "rect a.htm 1,1 5,5\n");
    // Arrives with the events processed after the first chunk.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<ImageLoadWindow*>(w))
                window->reject();
        }
    });
    EXPECT_FALSE(doc.openDocument(map));
    EXPECT_TRUE(pictures.lastLoadCancelled());
    EXPECT_FALSE(doc.image());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(prompter.beeps(), 0);

    ASSERT_TRUE(doc.openDocument(map)); // nothing cancels this time
    EXPECT_FALSE(pictures.lastLoadCancelled());
}

TEST_F(LoaderPictureSourceTest, ChangeImageTakesTheChosenPicture) {
    png("site.png", 60, 60);
    ASSERT_TRUE(doc.openDocument(write("site.map", "rect a.htm 10,10 50,50\n")));
    doc.setModified(false);
    QList<int> hints;
    QObject::connect(&doc, &CImageMapDoc::allChanged, [&](int hint) { hints << hint; });

    QDir(dir.path()).mkpath("new");
    dialogs.imageFiles = {png("new/small.png", 30, 20)};
    prompter.script({Prompter::Answer::Yes}); // clip the area
    ASSERT_TRUE(doc.changeImage());
    EXPECT_EQ(dialogs.imageFileStarts, QStringList({dir.filePath("site.png")}));
    EXPECT_EQ(doc.imageWidth(), 30);
    EXPECT_EQ(doc.imageHeight(), 20);
    EXPECT_EQ(doc.mapInfo().imageFile, "small.png");
    EXPECT_EQ(doc.titleText(), QStringLiteral("site / small.png (site.htm)"));
    EXPECT_EQ(Settings::app().lastImageFolder, dir.filePath("new"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{10, 10, 30, 20}));
    ASSERT_FALSE(hints.isEmpty());
    EXPECT_EQ(hints.last(), int(CImageMapDoc::HintImageChanged));
}

TEST_F(LoaderPictureSourceTest, FailedChangeImageKeepsThePictureAndNames) {
    png("site.png", 60, 60);
    ASSERT_TRUE(doc.openDocument(write("site.map", "rect a.htm 10,10 50,50\n")));
    doc.setModified(false);
    const LoadedImage* before = doc.image();
    const QString title = doc.titleText();

    dialogs.imageFiles = {corrupt("broken.png")};
    EXPECT_FALSE(doc.changeImage());
    EXPECT_EQ(prompter.texts(), QStringList({kFormatBad}));
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(doc.imageWidth(), 60);
    EXPECT_EQ(doc.imagePath(), dir.filePath("site.png"));
    EXPECT_EQ(doc.mapInfo().imageFile, "site.png");
    EXPECT_EQ(doc.titleText(), title);
    EXPECT_FALSE(doc.isModified());
}
