// imgfx-cli with the neighbourhood filters: every filter through the tool,
// filter records read from text files, and --bottom-up, which makes the
// stored-row and picture-row paths differ.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace imgfxclitest;

class ImgfxCliNeighbour : public ::testing::Test {
protected:
    void SetUp() override {
        // Rows differ from each other so that "above" and "below" matter.
        QImage image(16, 12, QImage::Format_RGB32);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixel(x, y, qRgb(y * y * 3, (x * 37 + y * 11) % 256, 200 - y * 9));
        image.setPixel(5, 4, qRgb(255, 255, 0)); // a speck
        ASSERT_TRUE(image.save(in()));
    }
    QString in() const { return dir.filePath(QStringLiteral("in.png")); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString writeText(const char* name, const char* text) const {
        return writeFile(path(name), text);
    }
    // Runs a filter into a new file and returns the picture written.
    QImage filtered(const QStringList& filterAndArgs, const char* outName,
                    const QStringList& options = {}) const {
        Result r = run(filterAndArgs + QStringList{in(), path(outName)} + options);
        EXPECT_EQ(r.exitCode, 0) << filterAndArgs.join(u' ').toStdString() << ": "
                                 << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("FX_OK\n"));
        return QImage(path(outName)).convertToFormat(QImage::Format_RGB32);
    }
    QTemporaryDir dir;
};

TEST_F(ImgfxCliNeighbour, RunsEveryNeighbourhoodFilter) {
    const QStringList calls[] = {
        {QStringLiteral("R_SpatialFilterBitmap"), QStringLiteral("17")},
        {QStringLiteral("R_SharpenBitmap"), QStringLiteral("-400")},
        {QStringLiteral("R_EmbossBitmap"), QStringLiteral("3"), QStringLiteral("700")},
        {QStringLiteral("R_AverageFilterBitmap"), QStringLiteral("5")},
        {QStringLiteral("R_MedianFilterBitmap"), QStringLiteral("4")},
        {QStringLiteral("R_DespeckleBitmap")},
        {QStringLiteral("R_BinaryFilterBitmap"), QStringLiteral("6")},
        {QStringLiteral("R_MosaicBitmap"), QStringLiteral("5")},
        {QStringLiteral("R_AddBitmapNoise"), QStringLiteral("300"), QStringLiteral("2")},
    };
    const QImage before(in());
    for (const QStringList& call : calls) {
        const QImage after = filtered(call, "out.png");
        EXPECT_NE(after, before.convertToFormat(QImage::Format_RGB32)) << call[0].toStdString();
    }
}

TEST_F(ImgfxCliNeighbour, ARecordFileActsLikeTheSameBuiltInFilter) {
    const QString laplacian = writeText("laplacian.txt", "# eight neighbours\n"
                                                         "1, 0, 3\n"
                                                         "-1 -1 -1\n-1 8 -1\n-1 -1 -1\n");
    EXPECT_EQ(
        filtered({QStringLiteral("R_SpatialFilterBitmap"), laplacian}, "record.png"),
        filtered({QStringLiteral("R_SpatialFilterBitmap"), QStringLiteral("17")}, "builtin.png"));
    const QString erode = writeText("erode.txt", "0 3  0 0 0  0 0 0  0 0 0");
    EXPECT_EQ(
        filtered({QStringLiteral("R_BinaryFilterBitmap"), erode}, "record.png"),
        filtered({QStringLiteral("R_BinaryFilterBitmap"), QStringLiteral("4")}, "builtin.png"));
}

TEST_F(ImgfxCliNeighbour, BadRecordFilesAreInputErrorsAndBadRecordsFilterFailures) {
    const QString cases[] = {
        path("missing.txt"),
        writeText("short.txt", "1 0 3  1 2 3"),
        writeText("long.txt", "1 0 1  5 6"),
        writeText("word.txt", "1 0 1 five"),
        writeText("huge.txt", "1 0 1 4294967296"),
        writeText("empty.txt", "# nothing\n"),
    };
    for (const QString& file : cases) {
        Result r = run({QStringLiteral("R_SpatialFilterBitmap"), file, in(), path("out.png")});
        EXPECT_EQ(r.exitCode, 3) << file.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("record file"))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("out.png")));
    // A record the file holds correctly but the filter refuses.
    Result zero = run({QStringLiteral("R_SpatialFilterBitmap"), writeText("zero.txt", "0 0 1 5"),
                       in(), path("out.png")});
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_EQ(zero.out, QStringLiteral("FX_ERR_BAD_PARAMETER\n"));
    // Out-of-range indexes reach the filter as indexes it refuses.
    Result index = run(
        {QStringLiteral("R_BinaryFilterBitmap"), QStringLiteral("70000"), in(), path("out.png")});
    EXPECT_EQ(index.out, QStringLiteral("FX_ERR_BAD_PARAMETER\n"));
    // Only record arguments may name files.
    Result median = run({QStringLiteral("R_MedianFilterBitmap"), writeText("three.txt", "3"), in(),
                         path("out.png")});
    EXPECT_EQ(median.exitCode, 2);
}

// Built-in 0 takes +1 from the row above on the 3 x 3 path, which works on
// stored rows; a 5 x 5 record with the same nine values in its centre works
// on picture rows. Held bottom-up, the stored row above is the picture row
// below, so built-in 0 turns into built-in 4 and the record does not.
TEST_F(ImgfxCliNeighbour, BottomUpShowsTheStoredRowPathsApartFromThePictureRowPaths) {
    const QString record = writeText("north5.txt", "1 128 5\n"
                                                   "0 0  0 0 0\n"
                                                   "0 0  1 0 0\n"
                                                   "0 0  0 0 0\n"
                                                   "0 0 -1 0 0\n"
                                                   "0 0  0 0 0\n");
    const QStringList builtin0{QStringLiteral("R_SpatialFilterBitmap"), QStringLiteral("0")};
    const QStringList builtin4{QStringLiteral("R_SpatialFilterBitmap"), QStringLiteral("4")};
    const QStringList recordCall{QStringLiteral("R_SpatialFilterBitmap"), record};
    const QStringList bottomUp{QStringLiteral("--bottom-up")};

    const QImage north = filtered(builtin0, "north.png");
    EXPECT_EQ(filtered(recordCall, "record.png"), north);
    EXPECT_EQ(filtered(recordCall, "record-up.png", bottomUp), north);
    const QImage northUp = filtered(builtin0, "north-up.png", bottomUp);
    EXPECT_NE(northUp, north);
    EXPECT_EQ(northUp, filtered(builtin4, "south.png"));
}
