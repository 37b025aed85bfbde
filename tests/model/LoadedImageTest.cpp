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
    EXPECT_EQ(image->stride(), 8);
    ASSERT_EQ(image->palette().size(), 256);
    EXPECT_EQ(image->palette()[7].red, 21);
    EXPECT_EQ(image->palette()[7].green, 14);
    EXPECT_EQ(image->palette()[7].blue, 7);
    EXPECT_EQ(image->bits(),
              reinterpret_cast<const uchar*>(image->packedDib().constData()) + 40 + 1024);
}

TEST(LoadedImage, DirectColourPictureHasNoPalette) {
    auto image = LoadedImage::fromPackedDib(packedDib(3, 2, 24));
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->palette().isEmpty());
    EXPECT_EQ(image->bits(), reinterpret_cast<const uchar*>(image->packedDib().constData()) + 40);
}

TEST(LoadedImage, RefusesWhatIsNotACompletePackedBitmap) {
    EXPECT_FALSE(LoadedImage::fromPackedDib(QByteArray(10, '\0')));
    QByteArray truncated = packedDib(4, 4, 24);
    truncated.chop(1);
    EXPECT_FALSE(LoadedImage::fromPackedDib(truncated));
    EXPECT_FALSE(LoadedImage::fromPackedDib(packedDib(4, 4, 16)));
}
