#include "app/loading/ImageLoader.h"
#include "app/loading/ImageLoadProgress.h"
#include "raster/PackedDib.h"
#include "raster/PictureCodec.h"
#include "raster/Rastel.h"
#include "raster/RasterDispid.h"
#include "support/QtTestApp.h"
#include "support/TestPictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Records what the loader tells it; cancels once a given number of chunks
// has been fed.
class RecordedProgress : public ImageLoadProgress {
public:
    void begin(const QString& sizeLine, const QString& formatLine, qint64 fileSize) override {
        lines = {sizeLine, formatLine};
        total = fileSize;
    }
    void advance(qint64 fed) override {
        advances << fed;
        if (advances.size() == cancelAfter)
            stop = true;
    }
    bool cancelled() const override { return stop; }
    void finish() override { ++finishes; }

    QStringList lines;
    qint64 total = -1;
    QList<qint64> advances;
    int cancelAfter = -1;
    bool stop = false;
    int finishes = 0;
};

class ImageLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(m_dir.isValid());
    }
    // A PNG file padded after its end to exactly size bytes.
    QString pngOfSize(const QString& name, int size) {
        QByteArray bytes = TestPictures::encoded(TestPictures::rgb(6, 5), "png");
        EXPECT_LE(bytes.size(), size);
        bytes.append(size - bytes.size(), '\0');
        return written(name, bytes);
    }
    QString written(const QString& name, const QByteArray& bytes) {
        EXPECT_TRUE(TestPictures::writeFile(m_dir.filePath(name), bytes));
        return m_dir.filePath(name);
    }
    QString savedGif(const QString& name, const QImage& picture) {
        EXPECT_EQ(PictureCodec::write(PackedDib::toImage(PackedDib::fromImage(picture)),
                                      m_dir.filePath(name), RasterFormat::Gif, 8, 2),
                  0);
        return m_dir.filePath(name);
    }
    ImageLoader::Result load(const QString& path) {
        ImageLoader loader(m_rastel, m_progress);
        const ImageLoader::Result result = loader.load(path);
        m_image = loader.takeImage();
        return result;
    }

    QApplication& m_app = qtTestApp(); // before the component
    QTemporaryDir m_dir;
    CRastel m_rastel;
    RecordedProgress m_progress;
    std::unique_ptr<LoadedImage> m_image;
};

} // namespace

TEST_F(ImageLoaderTest, FeedsTheFileInChunksOf1024Bytes) {
    ASSERT_EQ(load(pngOfSize("a.png", 1024)), ImageLoader::Loaded);
    EXPECT_EQ(m_progress.advances, QList<qint64>({1024}));
    ASSERT_EQ(load(pngOfSize("b.png", 1025)), ImageLoader::Loaded);
    EXPECT_EQ(m_progress.advances, QList<qint64>({1024, 1024, 1025}));
    EXPECT_EQ(m_progress.total, 1025);
    ASSERT_TRUE(m_image);
    EXPECT_EQ(m_image->width(), 6);
    EXPECT_EQ(m_image->height(), 5);
}

TEST_F(ImageLoaderTest, DescribesTheFileBeforeFeedingIt) {
    const QString gif = savedGif("pal.gif", TestPictures::palette(40, 30, 256));
    ASSERT_EQ(load(gif), ImageLoader::Loaded);
    EXPECT_EQ(
        m_progress.lines,
        QStringList({"40 by 30, 256 colors",
                     QStringLiteral("GIF format, %1 bytes long").arg(QFileInfo(gif).size())}));
    EXPECT_EQ(m_progress.finishes, 1);
}

TEST_F(ImageLoaderTest, EightBitPicturesCarryA256EntryPalette) {
    const QImage picture = TestPictures::palette(7, 3, 256);
    ASSERT_EQ(load(savedGif("pal.gif", picture)), ImageLoader::Loaded);
    ASSERT_TRUE(m_image);
    EXPECT_EQ(m_image->image().format(), QImage::Format_Indexed8);
    ASSERT_EQ(m_image->palette().size(), 256);
    EXPECT_EQ(m_image->palette()[5].red, qRed(picture.color(5)));
    EXPECT_EQ(m_image->palette()[5].blue, qBlue(picture.color(5)));
    // The file's own indices, top row first.
    EXPECT_EQ(m_image->image().pixelIndex(1, 2), picture.pixelIndex(1, 2));
    EXPECT_EQ(m_image->image().pixelIndex(4, 0), picture.pixelIndex(4, 0));
}

TEST_F(ImageLoaderTest, DirectColourPicturesHaveNoPaletteAndShareTheComponentsPixels) {
    ASSERT_EQ(load(written("c.jpg", TestPictures::encoded(TestPictures::rgb(33, 9), "jpeg"))),
              ImageLoader::Loaded);
    ASSERT_TRUE(m_image);
    EXPECT_EQ(m_image->image().format(), QImage::Format_RGB32);
    EXPECT_EQ(m_image->image().size(), QSize(33, 9));
    EXPECT_TRUE(m_image->palette().isEmpty());
    // Handed over, not copied: the document's picture is the component's.
    EXPECT_EQ(m_image->image().constBits(), m_rastel.picture().constBits());
}

TEST_F(ImageLoaderTest, CancellingStopsAtTheNextChunkAndKeepsNothing) {
    m_progress.cancelAfter = 2;
    EXPECT_EQ(load(pngOfSize("big.png", 5000)), ImageLoader::Cancelled);
    EXPECT_EQ(m_progress.advances, QList<qint64>({1024, 2048}));
    EXPECT_FALSE(m_image);
    EXPECT_EQ(m_progress.finishes, 1);
}

TEST_F(ImageLoaderTest, FilesThatAreNoPicturesFail) {
    EXPECT_EQ(load(written("junk.gif", QByteArray(3000, 'x'))), ImageLoader::Failed);
    EXPECT_TRUE(m_progress.advances.isEmpty()); // the query already refused it
    QByteArray png = TestPictures::encoded(TestPictures::rgb(50, 50), "png");
    png.truncate(png.size() - 200);
    EXPECT_EQ(load(written("cut.png", png)), ImageLoader::Failed);
    EXPECT_FALSE(m_progress.advances.isEmpty());
    EXPECT_FALSE(m_image);
    EXPECT_EQ(load(m_dir.filePath("missing.png")), ImageLoader::Failed);
    EXPECT_EQ(load(QString()), ImageLoader::Failed);
}
