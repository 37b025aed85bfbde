// imgfx-cli running the point and colour operations: every one of them,
// table files, the printed histogram and failing arguments.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace imgfxclitest;

namespace {

class PointCli : public ::testing::Test {
protected:
    void SetUp() override {
        QImage image(16, 4, QImage::Format_RGB888);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixel(x, y, qRgb(x * 16, y * 60, 200 - x * 10));
        ASSERT_TRUE(image.save(in()));
    }
    QString in() const { return dir.filePath(QStringLiteral("in.png")); }
    QString out() const { return dir.filePath(QStringLiteral("out.png")); }
    QString table(const QByteArray& text) const {
        return writeFile(dir.filePath(QStringLiteral("table.txt")), text);
    }
    QTemporaryDir dir;
};

QByteArray invertedLevels() {
    QByteArray text;
    for (int i = 0; i < 256; ++i)
        text += QByteArray::number(255 - i) + (i % 16 == 15 ? "\n" : " ");
    return text;
}

} // namespace

TEST_F(PointCli, RunsEveryOperationThatChangesThePicture) {
    const QStringList calls[] = {
        {QStringLiteral("R_ChangeBitmapIntensity"), QStringLiteral("-300")},
        {QStringLiteral("R_ChangeBitmapContrast"), QStringLiteral("500")},
        {QStringLiteral("R_PosterizeBitmap"), QStringLiteral("3")},
        {QStringLiteral("R_IntensityDetectBitmap"), QStringLiteral("50"), QStringLiteral("150")},
        {QStringLiteral("R_GammaCorrectBitmap"), QStringLiteral("250")},
        {QStringLiteral("R_HistoEqualizeBitmap")},
        {QStringLiteral("R_StretchBitmapIntensity")},
        {QStringLiteral("R_HistoContrastBitmap"), QStringLiteral("400")},
        {QStringLiteral("R_ChangeBitmapHue"), QStringLiteral("120")},
        {QStringLiteral("R_ChangeBitmapSaturation"), QStringLiteral("-500")},
    };
    const QImage before(in());
    for (const QStringList& call : calls) {
        QFile::remove(out());
        Result r = run(call + QStringList{in(), out()});
        EXPECT_EQ(r.exitCode, 0) << call.join(u' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out, QStringLiteral("FX_OK\n"));
        EXPECT_NE(QImage(out()), before) << call.first().toStdString();
    }
}

TEST_F(PointCli, RemapReadsItsTableFromAFile) {
    Result r = run({QStringLiteral("R_RemapBitmapIntensity"), table(invertedLevels()),
                    QStringLiteral("1"), in(), out()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage before(in()), after(out());
    EXPECT_EQ(qRed(after.pixel(5, 2)), 255 - qRed(before.pixel(5, 2)));
    EXPECT_EQ(qGreen(after.pixel(5, 2)), qGreen(before.pixel(5, 2)));
    EXPECT_EQ(qBlue(after.pixel(5, 2)), qBlue(before.pixel(5, 2)));
}

TEST_F(PointCli, TableFilesThatCannotBeReadAreInputErrors) {
    // Malformed or missing, a table file is an input file that cannot be
    // read, like IN or a record file: exit code 3, no usage, nothing
    // printed and nothing written.
    const QString cases[] = {table("1 2 3"), table(invertedLevels() + " 7"),
                             table(invertedLevels().replace("200", "two")),
                             dir.filePath(QStringLiteral("missing.txt"))};
    for (const QString& file : cases) {
        Result bad =
            run({QStringLiteral("R_RemapBitmapIntensity"), file, QStringLiteral("1"), in(), out()});
        EXPECT_EQ(bad.exitCode, 3) << bad.err.toStdString();
        EXPECT_TRUE(bad.err.contains(QStringLiteral("table file"))) << bad.err.toStdString();
        EXPECT_FALSE(bad.err.contains(QStringLiteral("usage"))) << bad.err.toStdString();
        EXPECT_TRUE(bad.out.isEmpty());
        EXPECT_FALSE(QFile::exists(out()));
    }
    // A table argument missing altogether is still a bad command line.
    EXPECT_EQ(
        run({QStringLiteral("R_RemapBitmapIntensity"), QStringLiteral("1"), in(), out()}).exitCode,
        2);
}

TEST_F(PointCli, HistogramIsPrintedAsTwoHundredFiftySixCounts) {
    Result r = run({QStringLiteral("R_GetBitmapHistogram"), QStringLiteral("1"), in()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 257);
    EXPECT_EQ(lines.first(), QStringLiteral("FX_OK"));
    // Red is x * 16: four pixels at each of 0, 16, ..., 240.
    for (int level = 0; level < 256; ++level)
        EXPECT_EQ(lines[level + 1].toInt(), level % 16 == 0 ? 4 : 0) << level;

    Result region = run({QStringLiteral("R_GetBitmapHistogram"), QStringLiteral("1"), in(),
                         QStringLiteral("--rect"), QStringLiteral("0,0,2,1")});
    lines = region.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 257);
    EXPECT_EQ(lines[1].toInt(), 1);
    EXPECT_EQ(lines[17].toInt(), 1);

    Result bad = run({QStringLiteral("R_GetBitmapHistogram"), QStringLiteral("4"), in()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, QStringLiteral("FX_ERR_BAD_PARAMETER\n"));
    Result extra = run({QStringLiteral("R_GetBitmapHistogram"), QStringLiteral("0"), in(), out()});
    EXPECT_EQ(extra.exitCode, 2);
}

TEST_F(PointCli, ArgumentsOutOfRangeFailWithoutWritingOut) {
    const QStringList calls[] = {
        {QStringLiteral("R_ChangeBitmapIntensity"), QStringLiteral("1001")},
        {QStringLiteral("R_PosterizeBitmap"), QStringLiteral("1")},
        {QStringLiteral("R_GammaCorrectBitmap"), QStringLiteral("0")},
        {QStringLiteral("R_IntensityDetectBitmap"), QStringLiteral("0"), QStringLiteral("256")},
        {QStringLiteral("R_ChangeBitmapSaturation"), QStringLiteral("-1001")},
    };
    for (const QStringList& call : calls) {
        Result r = run(call + QStringList{in(), out()});
        EXPECT_EQ(r.exitCode, 1) << call.join(u' ').toStdString();
        EXPECT_EQ(r.out, QStringLiteral("FX_ERR_BAD_PARAMETER\n"));
        EXPECT_FALSE(QFile::exists(out()));
    }
}
