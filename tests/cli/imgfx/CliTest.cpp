// imgfx-cli end to end: arguments, status output, exit codes and progress.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace imgfxclitest;

class ImgfxCli : public ::testing::Test {
protected:
    void SetUp() override {
        QImage image(12, 6, QImage::Format_RGB32);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 12; ++x)
                image.setPixel(x, y, qRgb(x * 20, y * 40, 100));
        ASSERT_TRUE(image.save(in()));
    }
    QString in() const { return dir.filePath(QStringLiteral("in.png")); }
    QString out() const { return dir.filePath(QStringLiteral("out.png")); }
    QTemporaryDir dir;
};

TEST_F(ImgfxCli, InvertsAPictureAndPrintsTheStatus) {
    Result r = run({QStringLiteral("R_InvertBitmap"), in(), out()});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("FX_OK\n"));
    QImage before(in()), after(out());
    EXPECT_EQ(qRed(after.pixel(3, 2)), 255 - qRed(before.pixel(3, 2)));
    EXPECT_EQ(qGreen(after.pixel(11, 5)), 255 - qGreen(before.pixel(11, 5)));
}

TEST_F(ImgfxCli, RegionsLimitTheFilterAndProgressIsDrawn) {
    Result r = run({QStringLiteral("--progress"), QStringLiteral("R_InvertBitmap"), in(), out(),
                    QStringLiteral("--rect"), QStringLiteral("0,0,2,2"),
                    QStringLiteral("--ellipse"), QStringLiteral("6,2,4,4")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("100%")));
    QImage before(in()), after(out());
    EXPECT_NE(after.pixel(1, 1), before.pixel(1, 1));
    EXPECT_NE(after.pixel(8, 4), before.pixel(8, 4));
    EXPECT_EQ(after.pixel(4, 4), before.pixel(4, 4));
    EXPECT_EQ(after.pixel(11, 0), before.pixel(11, 0));
}

TEST_F(ImgfxCli, BadCommandLinesExitWithUsage) {
    const QStringList bad[] = {
        {},
        {QStringLiteral("R_NoSuchBitmap"), in(), out()},
        {QStringLiteral("R_InvertBitmap"), QStringLiteral("5"), in(), out()},
        {QStringLiteral("R_InvertBitmap"), in(), out(), QStringLiteral("--rect"),
         QStringLiteral("1,2,3")},
        {QStringLiteral("R_InvertBitmap"), in(), out(), QStringLiteral("--frobnicate")},
    };
    for (const QStringList& args : bad) {
        Result r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage:")));
        EXPECT_TRUE(r.out.isEmpty());
    }
    Result help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("R_InvertBitmap")));
}

TEST_F(ImgfxCli, UnreadableInputAndUnwritableOutputHaveTheirOwnExitCodes) {
    Result missing =
        run({QStringLiteral("R_InvertBitmap"), dir.filePath(QStringLiteral("no.png")), out()});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_FALSE(QFile::exists(out()));

    // An existing OUT that cannot be replaced stays as it was.
    Result gif =
        run({QStringLiteral("R_InvertBitmap"), in(), dir.filePath(QStringLiteral("x.gif"))});
    EXPECT_EQ(gif.exitCode, 4);
    EXPECT_EQ(gif.out, QStringLiteral("FX_OK\n"));
    Result intoFolder = run(
        {QStringLiteral("R_InvertBitmap"), in(), dir.path() + QStringLiteral("/sub/none/out.png")});
    EXPECT_EQ(intoFolder.exitCode, 4);
}
