// imgfx-cli running colour separation and merge (one picture file a plane)
// and deskew (the angle told on standard error).
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace imgfxclitest;

namespace {

class ColourDeskewCli : public ::testing::Test {
protected:
    void SetUp() override {
        QImage image(20, 6, QImage::Format_RGB888);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 20; ++x)
                image.setPixel(x, y, qRgb(x * 12, y * 40, 250 - x * 9));
        ASSERT_TRUE(image.save(in()));
    }
    QString in() const { return file(QStringLiteral("in.png")); }
    QString file(const QString& name) const { return dir.filePath(name); }
    QStringList files(const QStringList& names) const {
        QStringList paths;
        for (const QString& n : names)
            paths << file(n);
        return paths;
    }
    QTemporaryDir dir;
};

// A picture of black lines on white falling drop rows over 128 columns.
QImage slopingLines(int drop) {
    QImage image(602, 150, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.scanLine(y)[x] = (y - (x * drop + 64) / 128 + 1000) % 37 < 3 ? 0 : 255;
    return image;
}

} // namespace

TEST_F(ColourDeskewCli, SeparatesIntoGreyPlanesAndMergesBack) {
    const QStringList planes = files({"b.png", "g.png", "r.png"});
    Result r = run(QStringList{"R_ColorSeparateBitmap", "0", in()} + planes);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("FX_OK\n"));
    const QImage before(in()), blue(planes[0]), red(planes[2]);
    EXPECT_TRUE(blue.isGrayscale());
    EXPECT_EQ(blue.size(), before.size());
    EXPECT_EQ(qGray(blue.pixel(7, 3)), qBlue(before.pixel(7, 3)));
    EXPECT_EQ(qGray(red.pixel(19, 5)), qRed(before.pixel(19, 5)));

    Result merged =
        run(QStringList{"R_ColorMergeBitmap", "0"} + planes + QStringList{file("m.png")});
    ASSERT_EQ(merged.exitCode, 0) << merged.err.toStdString();
    const QImage after(file(QStringLiteral("m.png")));
    ASSERT_EQ(after.size(), before.size());
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;

    // CMYK takes four planes.
    const QStringList cmyk = files({"c.png", "m4.png", "y.png", "k.png"});
    EXPECT_EQ(run(QStringList{"R_ColorSeparateBitmap", "1", in()} + cmyk).exitCode, 0);
    Result back = run(QStringList{"R_ColorMergeBitmap", "1"} + cmyk + QStringList{file("n.png")});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_EQ(QImage(file(QStringLiteral("n.png"))).pixel(4, 4), before.pixel(4, 4));
}

TEST_F(ColourDeskewCli, WrongPlaneCountsKindsAndFilesFail) {
    const QStringList three = files({"p0.png", "p1.png", "p2.png"});
    // Kind 1 makes four planes.
    Result count = run(QStringList{"R_ColorSeparateBitmap", "1", in()} + three);
    EXPECT_EQ(count.exitCode, 2);
    EXPECT_TRUE(count.err.contains(QStringLiteral("takes 5 files, got 4")));
    EXPECT_TRUE(count.out.isEmpty());
    // A kind past 4 is the export's to refuse.
    Result kind = run(QStringList{"R_ColorSeparateBitmap", "5", in()} + three);
    EXPECT_EQ(kind.exitCode, 1);
    EXPECT_EQ(kind.out, QStringLiteral("FX_ERR_BAD_PARAMETER\n"));
    for (const QString& plane : three)
        EXPECT_FALSE(QFile::exists(plane));
    // A plane that cannot be read.
    Result missing =
        run(QStringList{"R_ColorMergeBitmap", "0", in(), file("none.png"), in(), file("out.png")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.png")));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("out.png"))));
}

TEST_F(ColourDeskewCli, DeskewTellsTheAngleItRotatedBy) {
    ASSERT_TRUE(slopingLines(10).save(file(QStringLiteral("skewed.png"))));
    Result r = run({"R_DeskewBitmap", file("skewed.png"), file("straight.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("FX_OK\n"));
    EXPECT_EQ(r.err, QStringLiteral("imgfx-cli: rotated by -447 hundredths of a degree\n"));
    EXPECT_EQ(QImage(file(QStringLiteral("straight.png"))).size(), QSize(602, 150));
    // Held bottom-up the rows compare the other way round, and the angle is
    // the same.
    Result up = run({"R_DeskewBitmap", file("skewed.png"), file("up.png"), "--bottom-up"});
    EXPECT_EQ(up.err, r.err);
    EXPECT_EQ(QImage(file(QStringLiteral("up.png"))), QImage(file(QStringLiteral("straight.png"))));

    ASSERT_TRUE(slopingLines(0).save(file(QStringLiteral("level.png"))));
    Result level = run({"R_DeskewBitmap", file("level.png"), file("same.png")});
    ASSERT_EQ(level.exitCode, 0);
    EXPECT_TRUE(level.err.contains(QStringLiteral("rotated by 0 ")));
    EXPECT_EQ(QImage(file(QStringLiteral("same.png"))), QImage(file(QStringLiteral("level.png"))));
}
