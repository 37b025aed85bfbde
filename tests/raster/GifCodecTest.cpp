#include "raster/GifCodec.h"
#include "raster/PackedDib.h"
#include "raster/RasterDispid.h"
#include "support/TestPictures.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

int appendTo(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlace = false;
    int transparent = NO_TRANSPARENT_COLOR;
    std::function<int(int x, int y)> pixel = [](int, int) { return 1; };
};

// A GIF with a global table of `colours` entries (entry i grey i * 16) and
// the given frames, written straight through giflib.
QByteArray gifFile(int width, int height, int colours, int background,
                   const std::vector<Frame>& frames) {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendTo, &error);
    EGifSetGifVersion(gif, true);
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < (1 << bits); ++i)
        map->Colors[i] = {GifByteType(i * 16), GifByteType(i * 16), GifByteType(i * 16)};
    EGifPutScreenDesc(gif, width, height, bits, background, map);
    for (const Frame& f : frames) {
        GraphicsControlBlock control{0, false, 0, f.transparent};
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
        EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlace, nullptr);
        std::vector<int> order;
        const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < (f.interlace ? 4 : 1); ++pass) {
            for (int y = f.interlace ? starts[pass] : 0; y < f.height;
                 y += f.interlace ? steps[pass] : 1)
                order.push_back(y);
        }
        for (int y : order) {
            std::vector<GifPixelType> row(size_t(f.width));
            for (int x = 0; x < f.width; ++x)
                row[size_t(x)] = GifPixelType(f.pixel(x, y));
            EGifPutLine(gif, row.data(), f.width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

// Decodes and unpacks for inspection; null when decoding fails.
QImage decoded(const QByteArray& gif, quint16* status = nullptr) {
    QByteArray packed;
    const quint16 result = GifCodec::decode(gif, 1 << 20, &packed);
    if (status)
        *status = result;
    return result == 0 ? PackedDib::toImage(packed) : QImage();
}

} // namespace

TEST(GifCodec, KeepsTheColourTableAndIndices) {
    Frame f;
    f.width = 9;
    f.height = 20;
    f.interlace = true;
    f.pixel = [](int x, int y) { return (x + y) % 16; };
    const QImage picture = decoded(gifFile(9, 20, 16, 0, {f}));
    ASSERT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.colorCount(), 16);
    EXPECT_EQ(picture.color(3), qRgb(48, 48, 48));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(picture.pixelIndex(x, y), (x + y) % 16) << x << "," << y;
    }
}

TEST(GifCodec, TableLengthFollowsTheFilesColourCount) {
    struct Case {
        int colours, bits;
    };
    for (Case c : {Case{2, 1}, Case{4, 4}, Case{16, 4}, Case{32, 8}, Case{256, 8}}) {
        Frame f;
        f.width = 3;
        f.height = 3;
        const QByteArray gif = gifFile(3, 3, c.colours, 0, {f});
        GifCodec::Info info;
        ASSERT_TRUE(GifCodec::probe(gif, &info));
        EXPECT_EQ(info.bits, c.bits) << c.colours;
        QByteArray packed;
        ASSERT_EQ(GifCodec::decode(gif, 1 << 20, &packed), 0);
        PackedDib::Layout l;
        ASSERT_TRUE(PackedDib::layout(packed, &l));
        EXPECT_EQ(l.bits, c.bits);
        EXPECT_EQ(l.entries, 1 << c.bits);
    }
}

TEST(GifCodec, UncoveredAndTransparentPixelsAreWhite) {
    Frame f;
    f.left = 2;
    f.top = 1;
    f.width = 3;
    f.height = 2;
    f.transparent = 5;
    f.pixel = [](int x, int) { return x == 0 ? 5 : 2; };
    const QImage picture = decoded(gifFile(8, 4, 16, 1, {f}));
    EXPECT_EQ(picture.size(), QSize(8, 4));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255)); // outside the frame
    EXPECT_EQ(picture.pixel(2, 1), qRgb(255, 255, 255)); // transparent index
    EXPECT_EQ(picture.pixel(3, 1), qRgb(32, 32, 32));
}

TEST(GifCodec, ReadsTheFirstPictureOfAnAnimation) {
    Frame first, second;
    first.width = second.width = 4;
    first.height = second.height = 4;
    second.pixel = [](int, int) { return 3; };
    const QImage picture = decoded(gifFile(4, 4, 4, 0, {first, second}));
    EXPECT_EQ(picture.pixelIndex(1, 1), 1);
}

TEST(GifCodec, RefusesTruncatedAndOversizedPictures) {
    Frame f;
    f.width = 64;
    f.height = 64;
    f.pixel = [](int x, int y) { return (x * y) & 0xff; };
    const QByteArray gif = gifFile(64, 64, 256, 0, {f});
    QByteArray packed;
    EXPECT_EQ(GifCodec::decode(gif.left(gif.size() / 2), 1 << 20, &packed),
              RasterStatus::FormatBad);
    EXPECT_EQ(GifCodec::decode(gif, 64 * 64 - 1, &packed), RasterStatus::OutOfMemory);
    EXPECT_EQ(GifCodec::decode("GIF89a", 1 << 20, &packed), RasterStatus::FormatBad);
    EXPECT_TRUE(packed.isEmpty());
}
