// imgfx-cli --batch: many pictures on several threads give the bytes of
// separate runs, failures are told input by input, and outputs never land
// on inputs.
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

using namespace imgfxclitest;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ImgfxCliBatch : public ::testing::Test {
protected:
    // Pictures of three kinds (grey, colour, colour with alpha), each
    // different, so that a picture written under another's name shows.
    void SetUp() override {
        const QImage::Format formats[] = {QImage::Format_Grayscale8, QImage::Format_RGB32,
                                          QImage::Format_ARGB32};
        for (int i = 0; i < 6; ++i) {
            QImage image(23 + i, 17, formats[i % 3]);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y,
                                   qRgba((x * 41 + y * i) % 256, (y * 29 + i * 7) % 256,
                                         (x * y + 13 * i) % 256, 100 + i * 20));
            const QString name = path(QStringLiteral("in%1.png").arg(i));
            ASSERT_TRUE(image.save(name));
            inputs << name;
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString outDir() const { return dir.filePath(QStringLiteral("out")); }
    QString outFile(const QString& name) const { return outDir() + u'/' + name; }
    QTemporaryDir dir;
    QStringList inputs;
};

TEST_F(ImgfxCliBatch, GivesTheBytesOfSeparateRunsOnEveryThread) {
    // Noise draws on the thread's seed: each picture must still get the
    // noise of a run of its own.
    const QStringList filters[] = {
        {QStringLiteral("R_MedianFilterBitmap"), QStringLiteral("3")},
        {QStringLiteral("R_AddBitmapNoise"), QStringLiteral("400"), QStringLiteral("0")},
    };
    for (const QStringList& filter : filters) {
        QDir(outDir()).removeRecursively();
        const Result batch =
            run(filter + QStringList{QStringLiteral("--batch")} + inputs +
                QStringList{QStringLiteral("--out-dir"), outDir(), QStringLiteral("--jobs"),
                            QStringLiteral("3"), QStringLiteral("--suffix"), QStringLiteral("bmp"),
                            QStringLiteral("--progress")});
        ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
        QString expected;
        for (const QString& in : inputs)
            expected += QStringLiteral("FX_OK ") + in + u'\n';
        EXPECT_EQ(batch.out, expected);
        EXPECT_TRUE(batch.err.contains(QStringLiteral("6/6 files"))) << batch.err.toStdString();
        for (int i = 0; i < inputs.size(); ++i) {
            const QString single = path(QStringLiteral("single%1.bmp").arg(i));
            ASSERT_EQ(run(filter + QStringList{inputs[i], single}).exitCode, 0);
            EXPECT_EQ(bytesOf(outFile(QStringLiteral("in%1.bmp").arg(i))), bytesOf(single))
                << filter[0].toStdString() << " " << i;
        }
    }
}

// Outputs are made durable and renamed into place after their thread has
// moved on: with more pictures than wait for that at once, on one thread
// and on two, every older output is replaced by the whole new one and no
// temporary file stays behind.
TEST_F(ImgfxCliBatch, OutputsReplaceOlderOnesWholeAndLeaveNoTemporaries) {
    QStringList many = inputs;
    for (int i = 0; i < 14; ++i) {
        const QString copy = path(QStringLiteral("more%1.png").arg(i));
        ASSERT_TRUE(QFile::copy(inputs[i % inputs.size()], copy));
        many << copy;
    }
    QStringList names;
    for (const QString& in : many)
        names << QFileInfo(in).completeBaseName() + QStringLiteral(".bmp");
    names.sort();
    for (const char* jobs : {"1", "2"}) {
        QDir(outDir()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(outDir()));
        for (const QString& name : names)
            writeFile(outFile(name), "an older output");
        const Result r =
            run(QStringList{QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch")} + many +
                QStringList{QStringLiteral("--out-dir"), outDir(), QStringLiteral("--suffix"),
                            QStringLiteral("bmp"), QStringLiteral("--jobs"),
                            QString::fromLatin1(jobs)});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(QDir(outDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names) << jobs;
        for (const QString& in : many) {
            QImage expected(in);
            expected.invertPixels();
            const QString out = outFile(QFileInfo(in).completeBaseName() + QStringLiteral(".bmp"));
            EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32),
                      expected.convertToFormat(QImage::Format_RGB32))
                << jobs << " " << out.toStdString();
        }
    }
}

TEST_F(ImgfxCliBatch, AFailingInputIsToldByNameAndTheOthersGoOn) {
    writeFile(path(QStringLiteral("broken.png")), "\x89PNG not really");
    const QString missing = path(QStringLiteral("missing.png"));
    const QStringList some = {inputs[0], path(QStringLiteral("broken.png")), missing, inputs[1]};
    const Result r = run(QStringList{QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch")} +
                         some + QStringList{QStringLiteral("--out-dir"), outDir()});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("broken.png"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(missing)) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("FX_OK %1\nFX_OK %2\n").arg(inputs[0], inputs[1]));
    EXPECT_TRUE(QFile::exists(outFile(QStringLiteral("in0.png"))));
    EXPECT_TRUE(QFile::exists(outFile(QStringLiteral("in1.png"))));
    EXPECT_FALSE(QFile::exists(outFile(QStringLiteral("broken.png"))));

    // A filter failure is exit code 1 and leaves an older output as it was.
    const QByteArray before = bytesOf(outFile(QStringLiteral("in0.png")));
    const Result bad =
        run({QStringLiteral("R_MedianFilterBitmap"), QStringLiteral("0"), QStringLiteral("--batch"),
             inputs[0], QStringLiteral("--out-dir"), outDir()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(inputs[0] + QStringLiteral(": FX_ERR_BAD_PARAMETER")))
        << bad.err.toStdString();
    EXPECT_EQ(bytesOf(outFile(QStringLiteral("in0.png"))), before);

    // Outputs that cannot be written are exit code 4, and outweigh the rest.
    const Result gif = run(QStringList{QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"),
                                       inputs[2], missing, QStringLiteral("--out-dir"), outDir(),
                                       QStringLiteral("--suffix"), QStringLiteral(".gif")});
    EXPECT_EQ(gif.exitCode, 4);
    EXPECT_FALSE(QFile::exists(outFile(QStringLiteral("in2.gif"))));
}

TEST_F(ImgfxCliBatch, OutputsNeverLandOnInputsOrOnEachOther) {
    const QByteArray original = bytesOf(inputs[0]);
    // The inputs' own folder with their own suffix: every output is an input.
    const Result same = run({QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"), inputs[0],
                             inputs[1], QStringLiteral("--out-dir"), dir.path()});
    EXPECT_EQ(same.exitCode, 4);
    EXPECT_TRUE(same.err.contains(QStringLiteral("would replace an input")))
        << same.err.toStdString();
    EXPECT_EQ(bytesOf(inputs[0]), original);

    // Two inputs of one name in different folders: the first one wins.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other")));
    const QString twin = path(QStringLiteral("other/in0.png"));
    ASSERT_TRUE(QFile::copy(inputs[3], twin));
    const Result twins = run({QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"),
                              inputs[0], twin, QStringLiteral("--out-dir"), outDir()});
    EXPECT_EQ(twins.exitCode, 4);
    EXPECT_TRUE(twins.err.contains(twin)) << twins.err.toStdString();
    QImage expected(inputs[0]);
    expected.invertPixels();
    EXPECT_EQ(QImage(outFile(QStringLiteral("in0.png"))).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ImgfxCliBatch, BadBatchCommandLinesExitWithUsage) {
    const QStringList cases[] = {
        {QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"), inputs[0]},
        {QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"), QStringLiteral("--out-dir"),
         outDir()},
        {QStringLiteral("R_InvertBitmap"), inputs[0], QStringLiteral("out.png"),
         QStringLiteral("--out-dir"), outDir()},
        {QStringLiteral("R_InvertBitmap"), QStringLiteral("--batch"), inputs[0],
         QStringLiteral("--out-dir"), outDir(), QStringLiteral("--jobs"), QStringLiteral("0")},
        {QStringLiteral("R_GetBitmapHistogram"), QStringLiteral("0"), QStringLiteral("--batch"),
         inputs[0], QStringLiteral("--out-dir"), outDir()},
        {QStringLiteral("R_MedianFilterBitmap"), QStringLiteral("--batch"), inputs[0],
         QStringLiteral("--out-dir"), outDir()},
    };
    for (const QStringList& args : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QDir(outDir()).exists());
}
