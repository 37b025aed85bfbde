#include "raster/PackedDib.h"
#include "raster/PictureCodec.h"
#include "raster/Rastel.h"
#include "raster/RasterDispid.h"
#include "support/QtTestApp.h"
#include "support/TempFiles.h"
#include "support/TestPictures.h"

#include <QImageReader>

#include <gtest/gtest.h>

namespace {

class RasterFilesTest : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(dir.isValid());
    }
    // The picture as the component holds it.
    static QImage held(const QImage& picture) {
        return PackedDib::toImage(PackedDib::fromImage(picture));
    }
    // A file the component's writer made of picture.
    QString saved(const QString& name, const QImage& picture, qint16 format, qint16 bits) {
        EXPECT_EQ(PictureCodec::write(held(picture), path(name), format, bits, 2), 0);
        return path(name);
    }
    // Loads the file image at file into rastel.
    quint16 loaded(CRastel& rastel, const QString& file) const {
        QFile f(file);
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        return rastel.loadMemory(bytes, qint32(bytes.size()));
    }
};

} // namespace

TEST_F(RasterFilesTest, QueryGivesSizeBitsFormatAndFileSizeWithoutLoading) {
    struct Case {
        QString name;
        QByteArray bytes;
        qint16 bits, format;
    };
    QImage grey(7, 3, QImage::Format_Grayscale8);
    grey.fill(9);
    const QList<Case> cases = {
        {"p.png", TestPictures::encoded(TestPictures::rgb(7, 3), "png"), 24, RasterFormat::Png},
        {"g.png", TestPictures::encoded(grey, "png"), 8, RasterFormat::Png},
        {"j.jpg", TestPictures::encoded(TestPictures::rgb(7, 3), "jpeg"), 24, RasterFormat::Jpeg},
        {"b.bmp", TestPictures::encoded(TestPictures::rgb(7, 3), "bmp"), 24, RasterFormat::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        CRastel rastel;
        ASSERT_EQ(rastel.queryFile(write(c.name, c.bytes)), 0);
        EXPECT_EQ(rastel.infoWidth(), 7.0f);
        EXPECT_EQ(rastel.infoHeight(), 3.0f);
        EXPECT_EQ(rastel.infoBits(), c.bits);
        EXPECT_EQ(rastel.infoFormat(), c.format);
        EXPECT_EQ(rastel.infoSize(), c.bytes.size());
        EXPECT_EQ(rastel.pictureWidth(), 0.0f); // nothing decoded
    }
    CRastel rastel;
    EXPECT_EQ(rastel.queryFile(path("missing.png")), RasterStatus::FileNotFound);
    EXPECT_EQ(rastel.queryFile(write("junk.png", QByteArray(500, 'j'))), RasterStatus::FormatBad);
    EXPECT_EQ(rastel.infoWidth(), 0.0f);
}

TEST_F(RasterFilesTest, QueriedBitsAreTheBitsThePictureIsHandedOutWith) {
    QImage greyAlpha(5, 5, QImage::Format_ARGB32);
    greyAlpha.fill(qRgba(10, 10, 10, 100));
    QImage mono(5, 5, QImage::Format_Mono);
    mono.fill(1);
    const QList<QPair<QString, QByteArray>> files = {
        {"pal2.png", TestPictures::encoded(TestPictures::palette(5, 5, 2), "png")},
        {"pal3.png", TestPictures::encoded(TestPictures::palette(5, 5, 3), "png")},
        {"pal16.png", TestPictures::encoded(TestPictures::palette(5, 5, 16), "png")},
        {"pal200.png", TestPictures::encoded(TestPictures::palette(5, 5, 200), "png")},
        {"mono.png", TestPictures::encoded(mono, "png")},
        {"alpha.png", TestPictures::encoded(greyAlpha, "png")},
        {"grey.jpg",
         TestPictures::encoded(TestPictures::rgb(5, 5).convertToFormat(QImage::Format_Grayscale8),
                               "jpeg")},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name.toStdString());
        CRastel rastel;
        const QString file = write(name, bytes);
        ASSERT_EQ(rastel.queryFile(file), 0);
        ASSERT_EQ(loaded(rastel, file), 0);
        EXPECT_EQ(rastel.infoBits(), PackedDib::bitsFor(rastel.picture()));
    }
    for (int colours : {2, 9, 256}) {
        CRastel rastel;
        const QString file = saved("p.gif", TestPictures::palette(5, 5, colours), 2, 8);
        ASSERT_EQ(rastel.queryFile(file), 0);
        ASSERT_EQ(loaded(rastel, file), 0);
        EXPECT_EQ(rastel.infoBits(), PackedDib::bitsFor(rastel.picture())) << colours;
    }
}

TEST_F(RasterFilesTest, WrittenFilesReadBackWithTheSameSizeAndLosslessPixels) {
    const QImage palette = TestPictures::palette(31, 17, 256);
    const QImage direct = TestPictures::rgb(31, 17);
    const QString gif = saved("out.gif", palette, RasterFormat::Gif, 8);
    const QString png = saved("out.png", direct, RasterFormat::Png, 24);
    const QString jpg = saved("out.jpg", direct, RasterFormat::Jpeg, 24);

    QImageReader gifReader(gif);
    EXPECT_EQ(gifReader.format(), "gif");
    EXPECT_TRUE(TestPictures::samePixels(gifReader.read(), palette));
    QImageReader pngReader(png);
    EXPECT_EQ(pngReader.format(), "png");
    const QImage pngBack = pngReader.read();
    EXPECT_TRUE(TestPictures::samePixels(pngBack, direct));
    EXPECT_FALSE(pngBack.hasAlphaChannel()); // 24 bits
    QImageReader jpgReader(jpg);
    EXPECT_EQ(jpgReader.format(), "jpeg");
    EXPECT_EQ(jpgReader.read().size(), direct.size());

    CRastel rastel; // the component reads its own GIF back to the same indices
    ASSERT_EQ(loaded(rastel, gif), 0);
    EXPECT_EQ(rastel.picture(), PackedDib::toImage(PackedDib::fromImage(palette)));
}

TEST_F(RasterFilesTest, GifOfManyColoursGoesThroughAnEightBitConversion) {
    const QImage direct = TestPictures::rgb(64, 64); // far more than 256 colours
    QImageReader reader(saved("many.gif", direct, RasterFormat::Gif, 8));
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), direct.size());
}

TEST_F(RasterFilesTest, RefusedWritesLeaveTheOldFileAsItWas) {
    const QString target = write("keep.png", "old bytes");
    const QImage picture = held(TestPictures::rgb(4, 4));
    EXPECT_EQ(PictureCodec::write(QImage(), target, RasterFormat::Png, 24, 2),
              RasterStatus::NoPicture);
    EXPECT_EQ(PictureCodec::write(picture, target, RasterFormat::Gif, 24, 2),
              RasterStatus::BadArgument);
    EXPECT_EQ(PictureCodec::write(picture, target, 99, 24, 2), RasterStatus::BadArgument);
    EXPECT_EQ(PictureCodec::write(picture, path("no/such/folder/x.png"), RasterFormat::Png, 24, 2),
              RasterStatus::WriteFailed);
    EXPECT_EQ(read(target), "old bytes");
}

TEST_F(RasterFilesTest, EmptyAndCorruptFileImagesFail) {
    CRastel rastel;
    EXPECT_EQ(loaded(rastel, write("empty.gif", {})), RasterStatus::FormatBad);
    EXPECT_EQ(loaded(rastel, write("bad.gif", "GIF89a\x01\x00")), RasterStatus::FormatBad);
}
