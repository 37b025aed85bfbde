#include "raster/PackedDib.h"
#include "support/TestPictures.h"

#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

namespace {

int headerField(const QByteArray& packed, int at) {
    return qFromLittleEndian<qint32>(packed.constData() + at);
}

} // namespace

TEST(PackedDib, PalettePicturesPackWithTwoToTheBitsEntries) {
    struct Case {
        int colours;
        int bits;
    };
    for (Case c : {Case{2, 1}, Case{3, 4}, Case{16, 4}, Case{17, 8}, Case{256, 8}}) {
        SCOPED_TRACE(c.colours);
        const QImage picture = TestPictures::palette(13, 5, c.colours);
        const QByteArray packed = PackedDib::fromImage(picture);
        PackedDib::Layout l;
        ASSERT_TRUE(PackedDib::layout(packed, &l));
        EXPECT_EQ(l.bits, c.bits);
        EXPECT_EQ(l.entries, 1 << c.bits);
        EXPECT_EQ(l.pixelOffset, 40 + 4 * (1 << c.bits));
        EXPECT_EQ(packed.size(), l.pixelOffset + l.stride * 5);
        EXPECT_TRUE(TestPictures::samePixels(PackedDib::toImage(packed), picture));
    }
}

TEST(PackedDib, DirectColourPacksAs24BitsBottomUpWithoutTable) {
    const QImage picture = TestPictures::rgb(5, 3);
    const QByteArray packed = PackedDib::fromImage(picture);
    EXPECT_EQ(headerField(packed, 0), 40);
    EXPECT_EQ(headerField(packed, 4), 5);
    EXPECT_EQ(headerField(packed, 8), 3); // positive: bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(packed.constData() + 14), 24);
    EXPECT_EQ(packed.size(), 40 + 16 * 3); // 15 bytes a row padded to 16
    // The first stored row is the picture's bottom row, blue first.
    const QRgb bottomLeft = picture.pixel(0, 2);
    EXPECT_EQ(uchar(packed[40]), qBlue(bottomLeft));
    EXPECT_EQ(uchar(packed[41]), qGreen(bottomLeft));
    EXPECT_EQ(uchar(packed[42]), qRed(bottomLeft));
    EXPECT_EQ(packed[40 + 15], '\0'); // padding
    EXPECT_TRUE(TestPictures::samePixels(PackedDib::toImage(packed), picture));
}

TEST(PackedDib, GreyPicturesPackAs8BitsWithAGreyTable) {
    QImage grey(4, 2, QImage::Format_Grayscale8);
    grey.fill(77);
    const QByteArray packed = PackedDib::fromImage(grey);
    PackedDib::Layout l;
    ASSERT_TRUE(PackedDib::layout(packed, &l));
    EXPECT_EQ(l.bits, 8);
    EXPECT_EQ(uchar(packed[40 + 4 * 77]), 77);
    EXPECT_EQ(uchar(packed[l.pixelOffset]), 77);
}

TEST(PackedDib, TransparencyIsFlattenedOntoWhite) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 128));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage flat = PackedDib::toImage(PackedDib::fromImage(picture));
    EXPECT_EQ(flat.pixel(0, 0), qRgb(255, 127, 127));
    EXPECT_EQ(flat.pixel(1, 0), qRgb(255, 255, 255));

    QImage indexed = TestPictures::palette(2, 1, 2);
    indexed.setColor(1, qRgba(0, 0, 0, 0));
    EXPECT_EQ(PackedDib::toImage(PackedDib::fromImage(indexed)).pixel(1, 0), qRgb(255, 255, 255));

    // Flattening works in place only on pictures nobody else holds.
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
    EXPECT_EQ(picture.pixel(0, 0), qRgba(255, 0, 0, 128));
    EXPECT_EQ(indexed.color(1), qRgba(0, 0, 0, 0));
    const QImage indexedCopy = indexed;
    EXPECT_EQ(PackedDib::flattened(std::move(indexed)).color(1), qRgb(255, 255, 255));
    EXPECT_EQ(indexedCopy.color(1), qRgba(0, 0, 0, 0));
}

TEST(PackedDib, IndicesPastTheColourTablePackAsEntryZero) {
    QImage picture = TestPictures::palette(3, 1, 4); // packed at 4 bits
    picture.scanLine(0)[2] = 200;                    // setPixel refuses such an index
    const QImage back = PackedDib::toImage(PackedDib::fromImage(picture));
    EXPECT_EQ(back.pixelIndex(2, 0), 0);
    EXPECT_EQ(back.pixelIndex(1, 0), 1);
}

TEST(PackedDib, TakesTopDownRowsAndShortColourTables) {
    QByteArray packed(40 + 4 * 2 + 4 * 2, '\0');
    qToLittleEndian<qint32>(40, packed.data());
    qToLittleEndian<qint32>(2, packed.data() + 4);
    qToLittleEndian<qint32>(-2, packed.data() + 8); // top-down
    qToLittleEndian<quint16>(8, packed.data() + 14);
    qToLittleEndian<quint32>(2, packed.data() + 32); // two entries only
    packed[40 + 6] = char(0xff);                     // entry 1 red
    packed[48] = 1;                                  // top-left pixel
    const QImage picture = PackedDib::toImage(packed);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(0, 1), qRgb(0, 0, 0));
}

TEST(PackedDib, RefusesWhatIsNoCompleteUncompressedBitmap) {
    QByteArray packed = PackedDib::fromImage(TestPictures::rgb(4, 4));
    QByteArray truncated = packed;
    truncated.chop(1);
    EXPECT_TRUE(PackedDib::toImage(truncated).isNull());
    QByteArray compressed = packed;
    qToLittleEndian<quint32>(1, compressed.data() + 16);
    EXPECT_TRUE(PackedDib::toImage(compressed).isNull());
    QByteArray huge = packed;
    qToLittleEndian<qint32>(INT32_MAX, huge.data() + 4);
    qToLittleEndian<qint32>(INT32_MAX, huge.data() + 8);
    EXPECT_TRUE(PackedDib::toImage(huge).isNull());
    EXPECT_TRUE(PackedDib::toImage(QByteArray(12, '\0')).isNull());
}
