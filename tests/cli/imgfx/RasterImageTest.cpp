// Picture files held as kernel bitmaps of their own kind, and written back.
#include "RasterImage.h"

#include "CliTestSupport.h"

#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

using imgfxcli::RasterImage;

namespace {

QImage argbOf(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of any channel (alpha included) between two
// pictures of the same size; 256 when the sizes differ.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                          qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}

QImage indexed(int w, int h, int colors) {
    QImage image(w, h, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i)
        table << qRgb(i * 13 % 256, 255 - i * 7 % 256, i * 29 % 256);
    image.setColorTable(table);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, uint((x * 3 + y * 5) % colors));
    return image;
}

// A 16-bit BMP (five bits a channel) that Qt reads but does not write.
void write16BitBmp(const QString& path, int w, int h) {
    const int stride = (w * 2 + 3) & ~3;
    QByteArray data(54 + stride * h, '\0');
    auto put16 = [&](int at, int v) { qToLittleEndian<quint16>(quint16(v), data.data() + at); };
    auto put32 = [&](int at, int v) { qToLittleEndian<quint32>(quint32(v), data.data() + at); };
    data[0] = 'B', data[1] = 'M';
    put32(2, int(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    put16(26, 1);
    put16(28, 16);
    for (int row = 0; row < h; ++row)
        for (int x = 0; x < w; ++x)
            put16(54 + row * stride + 2 * x,
                  (x * 3 % 32) << 10 | (row * 5 % 32) << 5 | (x + row) % 32);
    imgfxclitest::writeFile(path, data);
}

struct KindCase {
    const char* file;
    int bits;
};

} // namespace

class RasterImageKinds : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(RasterImageKinds, PicturesKeepTheirKindOnTheWayInAndOut) {
    QImage mono(19, 5, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 19; ++x)
            mono.setPixel(x, y, uint((x + y) % 3 == 0));
    ASSERT_TRUE(mono.save(path("mono.png")));
    ASSERT_TRUE(mono.save(path("mono.pbm")));
    ASSERT_TRUE(indexed(11, 4, 16).save(path("four.bmp")));
    ASSERT_TRUE(indexed(11, 4, 200).save(path("eight.png")));
    ASSERT_TRUE(indexed(11, 4, 200).save(path("eight.bmp")));
    QImage grey(9, 4, QImage::Format_Grayscale8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x)
            grey.scanLine(y)[x] = uchar(x * 28 + y);
    ASSERT_TRUE(grey.save(path("grey.pgm")));
    write16BitBmp(path("sixteen.bmp"), 7, 3);
    QImage rgb(13, 6, QImage::Format_RGB32);
    QImage argb(13, 6, QImage::Format_ARGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 13; ++x) {
            rgb.setPixel(x, y, qRgb(x * 19, y * 40, 255 - x * 7));
            argb.setPixel(x, y, qRgba(x * 19, y * 40, 255 - x * 7, 40 * y + 5));
        }
    ASSERT_TRUE(rgb.save(path("rgb.ppm")));
    ASSERT_TRUE(rgb.save(path("rgb.bmp")));
    ASSERT_TRUE(argb.save(path("argb.png")));

    const KindCase cases[] = {
        {"mono.png", 1}, {"mono.pbm", 1},     {"four.bmp", 4}, {"eight.png", 8}, {"eight.bmp", 8},
        {"grey.pgm", 8}, {"sixteen.bmp", 16}, {"rgb.ppm", 24}, {"rgb.bmp", 24},  {"argb.png", 32},
    };
    for (const KindCase& c : cases)
        for (bool bottomUp : {false, true}) {
            SCOPED_TRACE(std::string(c.file) + (bottomUp ? " bottom-up" : ""));
            RasterImage image;
            QString error;
            ASSERT_TRUE(image.load(path(c.file), &error, bottomUp)) << error.toStdString();
            EXPECT_EQ(image.bitmap()->BitsPerPixel, c.bits);
            EXPECT_EQ(image.bitmap()->RowOrder, bottomUp ? RB_ROWS_BOTTOM_UP : 0);
            const QString out = path(QStringLiteral("out-") + c.file);
            ASSERT_TRUE(image.save(out, &error)) << error.toStdString();
            // Five-bit channels widen by repeating their top bits, which Qt's
            // BMP reader does not quite do.
            EXPECT_LE(largestDifference(argbOf(out), argbOf(path(c.file))), c.bits == 16 ? 7 : 0);
            RasterImage again;
            ASSERT_TRUE(again.load(out, &error));
            // BMP has no 16-bit writer in Qt: that kind comes back as 24 bits.
            EXPECT_EQ(again.bitmap()->BitsPerPixel, c.bits == 16 ? 24 : c.bits);
        }
    RasterImage greyImage;
    QString error;
    ASSERT_TRUE(greyImage.load(path("grey.pgm"), &error));
    EXPECT_EQ(KGreyKind(greyImage.bitmap()), 1);
}

TEST_F(RasterImageKinds, RegionsAreGivenInPictureCoordinatesWhateverTheRowOrder) {
    QImage rgb(10, 8, QImage::Format_RGB32);
    rgb.fill(Qt::black);
    ASSERT_TRUE(rgb.save(path("pic.bmp")));
    for (bool bottomUp : {false, true}) {
        const char* name = bottomUp ? "bottom-up" : "top-down";
        RasterImage image;
        QString error;
        ASSERT_TRUE(image.load(path("pic.bmp"), &error, bottomUp));
        ASSERT_EQ(image.addRect(2, 1, 3, 2, false), K_OK);
        ASSERT_EQ(R_InvertBitmap(image.bitmap()), FX_OK);
        const QImage result = image.toImage();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
                EXPECT_EQ(qRed(result.pixel(x, y)), inside ? 255 : 0)
                    << name << " " << x << "," << y;
            }
    }
}

TEST_F(RasterImageKinds, UnreadableAndUnwritableFilesAreReported) {
    RasterImage image;
    QString error;
    EXPECT_FALSE(image.load(path("missing.png"), &error));
    EXPECT_FALSE(error.isEmpty());
    QImage rgb(4, 4, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    ASSERT_TRUE(rgb.save(path("red.png")));
    ASSERT_TRUE(image.load(path("red.png"), &error));
    error.clear();
    EXPECT_FALSE(image.save(path("red.gif"), &error)); // Qt has no GIF writer
    EXPECT_TRUE(error.contains(QLatin1String("gif")));
    EXPECT_FALSE(QFile::exists(path("red.gif")));
}

// Rows of a BMP are padded to four bytes; the padding was once whatever
// memory the picture was made in, so equal pictures gave different files.
TEST(RasterImageFiles, RowPaddingIsWrittenAsZeros) {
    QTemporaryDir dir;
    for (const QImage::Format format : {QImage::Format_Grayscale8, QImage::Format_RGB888}) {
        QImage picture(5, 3, format);
        picture.fill(Qt::white);
        const QString in = dir.filePath(QStringLiteral("in.png"));
        const QString out = dir.filePath(QStringLiteral("out.bmp"));
        ASSERT_TRUE(picture.save(in));
        RasterImage image;
        QString error;
        ASSERT_TRUE(image.load(in, &error)) << error.toStdString();
        ASSERT_TRUE(image.save(out, &error)) << error.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int offset = qFromLittleEndian<quint32>(bytes.constData() + 10);
        const int pixel = format == QImage::Format_Grayscale8 ? 1 : 3;
        const int stride = (5 * pixel + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), offset + 3 * stride);
        for (int y = 0; y < 3; ++y)
            for (int i = 5 * pixel; i < stride; ++i)
                EXPECT_EQ(bytes[offset + y * stride + i], 0) << pixel << " " << y << " " << i;
    }
}

namespace {

// The bitmap's stored rows, padding included.
QByteArray storedBytes(RasterBitmap* b) {
    QByteArray bytes(qsizetype(b->BytesPerLine) * b->Height, '\0');
    const intptr_t token = KBeginAccess(b);
    for (int y = 0; y < b->Height; ++y)
        EXPECT_EQ(KReadRow(b, bytes.data() + qsizetype(y) * b->BytesPerLine, y, b->BytesPerLine),
                  K_OK);
    KEndAccess(b, token);
    return bytes;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Binary PGM and PPM files are read and written without Qt's readers and
// writers: the bitmaps and files must be the ones Qt's give, whatever the
// header's spacing and comments, the size, the row order and the colour
// order; files the straight path does not take (other sample sizes, short
// samples, absurd sizes) still go to Qt and are refused or read as before.
TEST_F(RasterImageKinds, NetpbmFilesReadAndWriteAsQtReadsAndWritesThem) {
    std::srand(7);
    const char* spacings[] = {"%1\n%2\n255\n", "%1 %2 255 ", "# made by hand\n%1\t%2\r\n255\r",
                              "%1 # width\n %2\n#\n255\n"};
    for (int round = 0; round < 28; ++round) {
        const bool colour = round % 2;
        int w = 1 + std::rand() % 37, h = 1 + std::rand() % 9;
        // The last rounds span several blocks of rows: rows that follow one
        // another in the bitmap as in the file (a width of four pixels' worth)
        // and padded ones.
        if (round >= 24)
            w = round < 26 ? 1024 : 1021, h = 300;
        QByteArray samples(w * h * (colour ? 3 : 1), '\0');
        for (char& c : samples)
            c = char(std::rand());
        const QByteArray head = QString::fromLatin1(spacings[round % 4]).arg(w).arg(h).toLatin1();
        const QString in = path(colour ? "in.ppm" : "in.pgm");
        imgfxclitest::writeFile(in, (colour ? "P6\n" : "P5\n") + head + samples + "trailing");
        const bool bottomUp = round % 3 == 0;
        SCOPED_TRACE(QStringLiteral("%1 x %2, round %3").arg(w).arg(h).arg(round).toStdString());
        RasterImage straight, viaQt;
        QString error;
        ASSERT_TRUE(straight.load(in, &error, bottomUp)) << error.toStdString();
        ASSERT_TRUE(
            viaQt.fromImage(QImage(in), colour ? 24 : 8, bottomUp ? RB_ROWS_BOTTOM_UP : 0, &error));
        EXPECT_EQ(straight.bitmap()->BitsPerPixel, colour ? 24 : 8);
        EXPECT_EQ(storedBytes(straight.bitmap()), storedBytes(viaQt.bitmap()));
        if (!colour) {
            EXPECT_EQ(KGreyKind(straight.bitmap()), 1);
        }

        // Written back, to either suffix, in both colour orders.
        if (colour && round % 4 == 1) {
            RasterBitmap* b = straight.bitmap();
            const intptr_t token = KBeginAccess(b);
            for (int y = 0; y < h; ++y)
                KConvertRow(KRowAddress(b, y), w, 24, 24, RB_ORDER_BGR, RB_ORDER_RGB, nullptr,
                            nullptr);
            KEndAccess(b, token);
            b->ColorOrder = RB_ORDER_RGB;
        }
        for (const char* suffix : {"ppm", "pgm"}) {
            const QString out = path(QStringLiteral("out.") + suffix);
            ASSERT_TRUE(straight.save(out, &error)) << error.toStdString();
            QFile qtFile(path(QStringLiteral("qt.") + suffix));
            ASSERT_TRUE(qtFile.open(QIODevice::WriteOnly));
            ASSERT_TRUE(QImageWriter(&qtFile, suffix).write(straight.toImage()));
            qtFile.close();
            EXPECT_EQ(fileBytes(out), fileBytes(qtFile.fileName())) << suffix;
        }
    }

    // Not the straight path's: Qt reads or refuses them as it always has.
    const QByteArray pixels(12, '\x40');
    const struct {
        QByteArray bytes;
        bool readable;
    } others[] = {
        {"P5\n4 3\n255\n" + pixels.left(11), false}, // a sample short
        {"P5\n4 3\n100\n" + pixels, true},           // another largest sample
        {"P5\n99999 99999\n255\n" + pixels, false},  // a size the file does not hold
        {"P2\n2 1\n255\n1 2\n", true},               // samples written in decimal
        {"P5\n#" + QByteArray(5000, 'c') + "\n4 3\n255\n" + pixels, true}, // a long comment
    };
    for (const auto& other : others) {
        SCOPED_TRACE(other.bytes.left(20).toStdString());
        imgfxclitest::writeFile(path("other.pgm"), other.bytes);
        RasterImage image;
        QString error;
        EXPECT_EQ(image.load(path("other.pgm"), &error), other.readable);
        EXPECT_EQ(!QImage(path("other.pgm")).isNull(), other.readable);
        if (other.readable) {
            RasterImage viaQt;
            ASSERT_TRUE(viaQt.fromImage(QImage(path("other.pgm")), 8, 0, &error));
            EXPECT_EQ(storedBytes(image.bitmap()), storedBytes(viaQt.bitmap()));
        }
    }
}
