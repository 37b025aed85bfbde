#include "raster/GifCodec.h"

#include "raster/PackedDib.h"
#include "raster/RasterDispid.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct MemoryReader {
    const QByteArray& data;
    qint64 at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const qint64 n = qMin(qint64(length), qint64(reader->data.size() - reader->at));
    std::memcpy(buffer, reader->data.constData() + reader->at, size_t(n));
    reader->at += n;
    return int(n);
}

int writeToBuffer(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct DecoderClose {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using Decoder = std::unique_ptr<GifFileType, DecoderClose>;

Decoder open(MemoryReader* reader) {
    int error = 0;
    return Decoder(DGifOpen(reader, readFromMemory, &error));
}

// Skips the records before the first picture and reads its descriptor,
// noting the transparent index of a graphics control block on the way.
bool toFirstPicture(GifFileType* gif, int* transparent) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type != EXTENSION_RECORD_TYPE)
            return false;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
            return false;
        GraphicsControlBlock control;
        if (code == GRAPHICS_EXT_FUNC_CODE && block &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            *transparent = control.TransparentColor;
        while (block) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return false;
        }
    }
}

const ColorMapObject* colourMap(const GifFileType* gif) {
    return gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
}

int bitsForColours(int count) {
    return count <= 2 ? 1 : count <= 16 ? 4 : 8;
}

GifCodec::Info infoOf(const GifFileType* gif) {
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = colourMap(gif);
    GifCodec::Info info;
    info.width = qMax(gif->SWidth, frame.Left + frame.Width);
    info.height = qMax(gif->SHeight, frame.Top + frame.Height);
    info.bits = map ? bitsForColours(map->ColorCount) : 8;
    return info;
}

QList<QRgb> colourTable(const GifFileType* gif, int bits, int transparent) {
    QList<QRgb> table(1 << bits, qRgb(0, 0, 0));
    if (const ColorMapObject* map = colourMap(gif)) {
        for (int i = 0; i < map->ColorCount && i < table.size(); ++i)
            table[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    } else {
        for (int i = 0; i < table.size(); ++i)
            table[i] = qRgb(i, i, i);
    }
    if (transparent >= 0 && transparent < table.size())
        table[transparent] = qRgb(255, 255, 255);
    return table;
}

// Sets pixel x of a packed row of 1, 4 or 8 bits per pixel, the leftmost
// pixel in the high bits.
void putIndex(uchar* row, int x, int bits, int index) {
    if (bits == 8) {
        row[x] = uchar(index);
        return;
    }
    const int perByte = 8 / bits;
    const int shift = (perByte - 1 - x % perByte) * bits;
    const int mask = ((1 << bits) - 1) << shift;
    row[x / perByte] = uchar((row[x / perByte] & ~mask) | (index << shift));
}

// Fills every row, padding included, with one index.
void fillRows(const PackedDib::Layout& l, uchar* pixels, int index) {
    const int byte = l.bits == 8 ? index : l.bits == 4 ? index * 0x11 : (index ? 0xff : 0);
    std::memset(pixels, byte, size_t(l.stride * l.height));
}

// Reads the frame's rows into their bottom-up places, in interlaced order
// when the frame is stored so. 8-bit rows are decoded in place; narrower
// ones through a line that is packed.
bool readFrame(GifFileType* gif, const PackedDib::Layout& l, uchar* pixels) {
    const GifImageDesc& frame = gif->Image;
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    const int tableSize = 1 << l.bits;
    std::vector<GifPixelType> line(size_t(l.bits == 8 ? 0 : frame.Width));
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? kStart[pass] : 0;
        const int step = frame.Interlace ? kStep[pass] : 1;
        for (int row = start; row < frame.Height; row += step) {
            uchar* stored = pixels + l.stride * (l.height - 1 - (frame.Top + row));
            if (l.bits == 8) {
                if (DGifGetLine(gif, stored + frame.Left, frame.Width) == GIF_ERROR)
                    return false;
                continue;
            }
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                return false;
            for (int x = 0; x < frame.Width; ++x)
                putIndex(stored, frame.Left + x, l.bits, line[x] < tableSize ? line[x] : 0);
        }
    }
    return true;
}

// The picture as 8-bit indices: palette pictures as they are, grey ones
// relabelled with a grey table, others through Qt's conversion.
QImage asIndexed8(const QImage& picture) {
    if (picture.format() == QImage::Format_Indexed8)
        return picture;
    if (picture.format() == QImage::Format_Grayscale8) {
        QImage out = picture.copy();
        out.reinterpretAsFormat(QImage::Format_Indexed8);
        QList<QRgb> grey(256);
        for (int i = 0; i < 256; ++i)
            grey[i] = qRgb(i, i, i);
        out.setColorTable(grey);
        return out;
    }
    return picture.convertToFormat(QImage::Format_Indexed8);
}

bool writePicture(GifFileType* gif, const QImage& eight, ColorMapObject* map, int mapBits) {
    if (EGifPutScreenDesc(gif, eight.width(), eight.height(), mapBits, 0, map) == GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, eight.width(), eight.height(), false, nullptr) == GIF_ERROR)
        return false;
    // giflib masks the row it is given in place, so it gets a copy.
    std::vector<GifPixelType> row(size_t(eight.width()));
    for (int y = 0; y < eight.height(); ++y) {
        std::memcpy(row.data(), eight.constScanLine(y), row.size());
        if (EGifPutLine(gif, row.data(), eight.width()) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

bool GifCodec::isGif(const QByteArray& data) {
    return data.startsWith("GIF87a") || data.startsWith("GIF89a");
}

bool GifCodec::probe(const QByteArray& data, Info* out) {
    if (!isGif(data))
        return false;
    MemoryReader reader{data};
    Decoder gif = open(&reader);
    int transparent = NO_TRANSPARENT_COLOR;
    if (!gif || !toFirstPicture(gif.get(), &transparent))
        return false;
    *out = infoOf(gif.get());
    return out->width > 0 && out->height > 0;
}

quint16 GifCodec::decode(const QByteArray& data, qint64 maxPixels, QByteArray* packed) {
    if (!isGif(data))
        return RasterStatus::FormatBad;
    MemoryReader reader{data};
    Decoder gif = open(&reader);
    int transparent = NO_TRANSPARENT_COLOR;
    if (!gif || !toFirstPicture(gif.get(), &transparent))
        return RasterStatus::FormatBad;
    const Info info = infoOf(gif.get());
    if (info.width <= 0 || info.height <= 0)
        return RasterStatus::FormatBad;
    if (qint64(info.width) * info.height > maxPixels)
        return RasterStatus::OutOfMemory;
    QByteArray bitmap = PackedDib::allocate(info.width, info.height, info.bits,
                                            colourTable(gif.get(), info.bits, transparent));
    PackedDib::Layout l;
    if (bitmap.isEmpty() || !PackedDib::layout(bitmap, &l))
        return RasterStatus::OutOfMemory;
    uchar* pixels = reinterpret_cast<uchar*>(bitmap.data()) + l.pixelOffset;
    const GifImageDesc& frame = gif->Image;
    const bool covered = frame.Width == info.width && frame.Height == info.height;
    const int fill = covered ? 0 : transparent >= 0 ? transparent : gif->SBackGroundColor;
    if (!covered || l.bits < 8) {
        fillRows(l, pixels, fill < (1 << l.bits) ? fill : 0);
    } else {
        for (int y = 0; y < l.height; ++y)
            std::memset(pixels + l.stride * y + l.width, 0, size_t(l.stride - l.width));
    }
    if (!readFrame(gif.get(), l, pixels))
        return RasterStatus::FormatBad;
    *packed = std::move(bitmap);
    return RasterStatus::Ok;
}

quint16 GifCodec::encode(const QImage& picture, QByteArray* out) {
    const QImage eight = asIndexed8(picture);
    if (eight.isNull())
        return RasterStatus::NoPicture;
    int mapBits = 1;
    while ((1 << mapBits) < eight.colorCount() && mapBits < 8)
        ++mapBits;
    ColorMapObject* map = GifMakeMapObject(1 << mapBits, nullptr);
    if (!map)
        return RasterStatus::OutOfMemory;
    std::memset(map->Colors, 0, sizeof(GifColorType) * size_t(1 << mapBits));
    for (int i = 0; i < eight.colorCount() && i < (1 << mapBits); ++i) {
        const QRgb c = eight.color(i);
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, writeToBuffer, &error);
    bool ok = gif && writePicture(gif, eight, map, mapBits);
    if (gif && EGifCloseFile(gif, &error) == GIF_ERROR)
        ok = false;
    GifFreeMapObject(map);
    if (!ok)
        return RasterStatus::WriteFailed;
    *out = std::move(bytes);
    return RasterStatus::Ok;
}
