#include "model/LoadedImage.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray packedDib(int width, int height, int bits) {
    const int entries = bits <= 8 ? 1 << bits : 0;
    const int stride = ((width * bits + 31) / 32) * 4;
    QByteArray b(40 + 4 * entries + stride * height, '\0');
    qToLittleEndian<qint32>(40, b.data());
    qToLittleEndian<qint32>(width, b.data() + 4);
    qToLittleEndian<qint32>(height, b.data() + 8);
    qToLittleEndian<quint16>(1, b.data() + 12);
    qToLittleEndian<quint16>(bits, b.data() + 14);
    for (int i = 0; i < entries; ++i) {
        b[40 + 4 * i] = char(i);         // blue
        b[40 + 4 * i + 1] = char(2 * i); // green
        b[40 + 4 * i + 2] = char(3 * i); // red
    }
    return b;
}

} // namespace

TEST(LoadedImage, PalettePictureTakesUpItsColourTable) {
    auto image = LoadedImage::fromPackedDib(packedDib(5, 3, 8));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 5);
    EXPECT_EQ(image->height(), 3);
    EXPECT_EQ(image->image().format(), QImage::Format_Indexed8);
    ASSERT_EQ(image->palette().size(), 256);
    EXPECT_EQ(image->palette()[7].red, 21);
    EXPECT_EQ(image->palette()[7].green, 14);
    EXPECT_EQ(image->palette()[7].blue, 7);
}

TEST(LoadedImage, DirectColourPictureHasNoPalette) {
    auto image = LoadedImage::fromPackedDib(packedDib(3, 2, 24));
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->palette().isEmpty());
    EXPECT_EQ(image->image().format(), QImage::Format_RGB32);
}

// Every depth unpacks to the same top-down picture: the stored rows run
// bottom-up, 4 bits widen to indices, 24 and 32 bits to RGB32.
TEST(LoadedImage, PackedRowsUnpackTheRightWayUpAtEveryDepth) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        QByteArray b = packedDib(9, 3, bits);
        const int entries = bits <= 8 ? 1 << bits : 0;
        const int stride = ((9 * bits + 31) / 32) * 4;
        uchar* rows = reinterpret_cast<uchar*>(b.data()) + 40 + 4 * entries;
        // Pixel (x, y) gets value v = (x + y) % 2 (1 bit), else x + 3y:
        // as an index, or as blue, green, red = v, 2v, 3v.
        const auto valueAt = [&](int x, int y) { return bits == 1 ? (x + y) % 2 : x + 3 * y; };
        for (int y = 0; y < 3; ++y) {
            uchar* row = rows + (2 - y) * stride;
            for (int x = 0; x < 9; ++x) {
                const int v = valueAt(x, y);
                if (bits == 1)
                    row[x / 8] |= uchar(v << (7 - x % 8));
                else if (bits == 4)
                    row[x / 2] |= uchar(v << (x % 2 ? 0 : 4));
                else if (bits == 8)
                    row[x] = uchar(v);
                else
                    for (int c = 0; c < 3; ++c)
                        row[x * bits / 8 + c] = uchar((c + 1) * v);
            }
        }
        const auto image = LoadedImage::fromPackedDib(b);
        ASSERT_TRUE(image);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 9; ++x) {
                const int v = valueAt(x, y);
                // Entry i of the table is blue i, green 2i, red 3i.
                EXPECT_EQ(image->image().pixel(x, y), qRgb(3 * v, 2 * v, v)) << x << "," << y;
            }
        }
    }
}

TEST(LoadedImage, APictureHandedOverIsSharedNotCopied) {
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    const auto image = LoadedImage::fromImage(picture);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->image().constBits(), picture.constBits());
    EXPECT_FALSE(LoadedImage::fromImage(QImage()));
    EXPECT_FALSE(LoadedImage::fromImage(picture.convertToFormat(QImage::Format_ARGB32)));
}

TEST(LoadedImage, RefusesWhatIsNotACompletePackedBitmap) {
    EXPECT_FALSE(LoadedImage::fromPackedDib(QByteArray(10, '\0')));
    QByteArray truncated = packedDib(4, 4, 24);
    truncated.chop(1);
    EXPECT_FALSE(LoadedImage::fromPackedDib(truncated));
    EXPECT_FALSE(LoadedImage::fromPackedDib(packedDib(4, 4, 16)));
}
