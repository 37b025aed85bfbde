#include "raster/PackedDib.h"

#include "raster/HugePages.h"

#include <QtEndian>

#include <cstring>
#include <new>
#include <utility>

namespace {

quint32 readU32(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
qint32 readI32(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint16 readU16(const QByteArray& b, qint64 at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

qint64 strideFor(qint64 width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

QRgb overWhite(QRgb c) {
    const int a = qAlpha(c);
    if (a == 255)
        return c;
    auto blend = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
    return qRgb(blend(qRed(c)), blend(qGreen(c)), blend(qBlue(c)));
}

QList<QRgb> greyRamp() {
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = qRgb(i, i, i);
    return table;
}

// A palette picture with every colour-table entry opaque. A new table
// detaches the pixels, so they are copied only when somebody else shares them.
QImage withOpaqueTable(QImage picture) {
    QList<QRgb> table = picture.colorTable();
    if (table.isEmpty() && picture.format() == QImage::Format_Indexed8) {
        picture.setColorTable(greyRamp());
        return picture;
    }
    bool opaque = true;
    for (QRgb c : table)
        opaque = opaque && qAlpha(c) == 255;
    if (opaque)
        return picture;
    for (QRgb& c : table)
        c = overWhite(c);
    picture.setColorTable(table);
    return picture;
}

// Blends a premultiplied picture over white in place and relabels it RGB32:
// over white, each channel is its premultiplied value plus 255 - alpha.
QImage premultipliedOverWhite(QImage picture) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = row[x];
            const quint32 add = 255 - qAlpha(p);
            row[x] =
                0xff000000u | ((qRed(p) + add) << 16) | ((qGreen(p) + add) << 8) | (qBlue(p) + add);
        }
    }
    picture.reinterpretAsFormat(QImage::Format_RGB32);
    return picture;
}

void writeHeader(uchar* d, int width, int height, int bits, int entries, qint64 imageSize) {
    std::memset(d, 0, PackedDib::kHeaderSize);
    qToLittleEndian<quint32>(PackedDib::kHeaderSize, d);
    qToLittleEndian<qint32>(width, d + 4);
    qToLittleEndian<qint32>(height, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(quint16(bits), d + 14);
    qToLittleEndian<quint32>(quint32(imageSize), d + 20);
    qToLittleEndian<quint32>(quint32(entries), d + 32);
}

void writeTable(uchar* d, const QList<QRgb>& table, int entries) {
    std::memset(d, 0, size_t(4) * entries);
    for (int i = 0; i < entries && i < table.size(); ++i) {
        d[4 * i] = uchar(qBlue(table[i]));
        d[4 * i + 1] = uchar(qGreen(table[i]));
        d[4 * i + 2] = uchar(qRed(table[i]));
    }
}

// One picture row of 32-bit pixels as 24-bit blue, green, red triples. May
// work in place (d at or before s): each group is read before it is written.
void packRow24(const quint32* s, uchar* d, int width) {
    int x = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // Four pixels make three whole 32-bit words of output.
    for (; x + 4 <= width; x += 4, s += 4, d += 12) {
        const quint32 w0 = (s[0] & 0xffffffu) | (s[1] << 24);
        const quint32 w1 = ((s[1] >> 8) & 0xffffu) | (s[2] << 16);
        const quint32 w2 = ((s[2] >> 16) & 0xffu) | (s[3] << 8);
        std::memcpy(d, &w0, 4);
        std::memcpy(d + 4, &w1, 4);
        std::memcpy(d + 8, &w2, 4);
    }
#endif
    // The pixel is read whole first: in place, d may lie just before s.
    for (; x < width; ++x, ++s, d += 3) {
        const quint32 p = *s;
        d[0] = uchar(qBlue(p));
        d[1] = uchar(qGreen(p));
        d[2] = uchar(qRed(p));
    }
}

// One row of 8-bit indices packed to 1 or 4 bits, leftmost pixel in the
// high bits; indices past the colour table become 0.
void packIndexRow(const uchar* s, uchar* d, int width, int bits, int tableSize) {
    const int perByte = 8 / bits;
    for (int x = 0; x < width; x += perByte) {
        uchar byte = 0;
        for (int k = 0; k < perByte; ++k) {
            const int i = x + k < width ? s[x + k] : 0;
            byte = uchar((byte << bits) | (i < tableSize ? i : 0));
        }
        *d++ = byte;
    }
}

void packRows(const QImage& img, int bits, uchar* pixels, qint64 stride) {
    const int width = img.width();
    const int height = img.height();
    for (int y = 0; y < height; ++y) {
        const uchar* s = img.constScanLine(height - 1 - y);
        uchar* d = pixels + stride * y;
        qint64 used = stride;
        if (bits == 24) {
            packRow24(reinterpret_cast<const quint32*>(s), d, width);
            used = qint64(width) * 3;
        } else if (img.format() == QImage::Format_Mono) {
            used = qMin<qint64>(stride, img.bytesPerLine());
            std::memcpy(d, s, size_t(used));
        } else if (bits == 8) {
            std::memcpy(d, s, size_t(width));
            used = width;
        } else {
            packIndexRow(s, d, width, bits, int(img.colorCount()));
            used = (qint64(width) * bits + 7) / 8;
        }
        std::memset(d + used, 0, size_t(stride - used));
    }
}

void unpackRow(const uchar* s, uchar* d, const PackedDib::Layout& l) {
    switch (l.bits) {
    case 1:
        std::memcpy(d, s, size_t((l.width + 7) / 8));
        break;
    case 4:
        for (int x = 0; x < l.width; ++x)
            d[x] = (x & 1) ? (s[x / 2] & 0x0f) : (s[x / 2] >> 4);
        break;
    case 8:
        std::memcpy(d, s, size_t(l.width));
        break;
    case 24: {
        auto* out = reinterpret_cast<QRgb*>(d);
        for (int x = 0; x < l.width; ++x, s += 3)
            out[x] = qRgb(s[2], s[1], s[0]);
        break;
    }
    case 32: {
        auto* out = reinterpret_cast<QRgb*>(d);
        for (int x = 0; x < l.width; ++x, s += 4)
            out[x] = qRgb(s[2], s[1], s[0]);
        break;
    }
    }
}

} // namespace

bool PackedDib::layout(const QByteArray& packed, Layout* out) {
    const qint64 size = packed.size();
    if (size < kHeaderSize)
        return false;
    const quint32 headerSize = readU32(packed, 0);
    if (headerSize < quint32(kHeaderSize) || headerSize > size)
        return false;
    const qint64 width = readI32(packed, 4);
    const qint64 height = readI32(packed, 8);
    const int bits = readU16(packed, 14);
    const quint32 compression = readU32(packed, 16);
    const quint32 used = readU32(packed, 32);
    if (width <= 0 || height == 0 || compression != 0)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    const qint64 full = bits <= 8 ? qint64(1) << bits : 0;
    // A table shorter than 2^bits gives its length; direct-colour pictures
    // may carry an optional table that only has to be skipped.
    const qint64 tableLength = bits <= 8 ? (used != 0 && used < full ? used : full) : used;
    Layout l;
    l.width = int(width);
    l.height = int(qAbs(height));
    l.bits = bits;
    l.entries = bits <= 8 ? int(tableLength) : 0;
    l.topDown = height < 0;
    l.stride = strideFor(width, bits);
    l.tableOffset = headerSize;
    l.pixelOffset = headerSize + 4 * tableLength;
    if (l.pixelOffset > size || qint64(l.height) > (size - l.pixelOffset) / l.stride)
        return false;
    *out = l;
    return true;
}

QImage PackedDib::flattened(QImage picture) {
    switch (picture.format()) {
    case QImage::Format_Invalid:
        return {};
    case QImage::Format_Mono:
    case QImage::Format_Indexed8:
        return withOpaqueTable(std::move(picture));
    case QImage::Format_MonoLSB:
        picture.convertTo(QImage::Format_Mono);
        return withOpaqueTable(std::move(picture));
    case QImage::Format_Grayscale8:
    case QImage::Format_RGB32:
        return picture;
    case QImage::Format_Grayscale16:
        picture.convertTo(QImage::Format_Grayscale8);
        return picture;
    default:
        if (picture.hasAlphaChannel()) {
            picture.convertTo(QImage::Format_ARGB32_Premultiplied);
            return premultipliedOverWhite(std::move(picture));
        }
        picture.convertTo(QImage::Format_RGB32);
        return picture;
    }
}

int PackedDib::bitsFor(const QImage& picture) {
    switch (picture.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_Indexed8:
        return picture.colorCount() <= 2 ? 1 : picture.colorCount() <= 16 ? 4 : 8;
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return 8;
    default:
        return 24;
    }
}

QByteArray PackedDib::fromImage(QImage picture) {
    const QImage img = flattened(std::move(picture));
    if (img.isNull())
        return {};
    const int bits = bitsFor(img);
    const bool grey = img.format() == QImage::Format_Grayscale8;
    QByteArray packed =
        allocate(img.width(), img.height(), bits, grey ? greyRamp() : img.colorTable());
    if (packed.isEmpty())
        return {};
    auto* d = reinterpret_cast<uchar*>(packed.data());
    qToLittleEndian<qint32>(img.dotsPerMeterX(), d + 24);
    qToLittleEndian<qint32>(img.dotsPerMeterY(), d + 28);
    const int entries = bits <= 8 ? 1 << bits : 0;
    packRows(img, bits, d + kHeaderSize + 4 * entries, strideFor(img.width(), bits));
    return packed;
}

QByteArray PackedDib::allocate(int width, int height, int bits, const QList<QRgb>& table) {
    const int entries = bits <= 8 ? 1 << bits : 0;
    const qint64 imageSize = strideFor(width, bits) * height;
    QByteArray packed;
    try {
        packed = QByteArray(kHeaderSize + 4 * entries + imageSize, Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        return {};
    }
    auto* d = reinterpret_cast<uchar*>(packed.data());
    adviseHugePages(d, packed.size());
    writeHeader(d, width, height, bits, entries, imageSize);
    if (entries > 0)
        writeTable(d + kHeaderSize, table, entries);
    return packed;
}

QImage PackedDib::toImage(const QByteArray& packed) {
    Layout l;
    if (!layout(packed, &l))
        return {};
    const QImage::Format format = l.bits == 1   ? QImage::Format_Mono
                                  : l.bits <= 8 ? QImage::Format_Indexed8
                                                : QImage::Format_RGB32;
    QImage img(l.width, l.height, format);
    if (img.isNull())
        return {};
    if (l.bits <= 8) {
        // Padded to 2^bits so that every stored index names an entry.
        QList<QRgb> table(1 << l.bits, qRgb(0, 0, 0));
        const auto* t = reinterpret_cast<const uchar*>(packed.constData()) + l.tableOffset;
        for (int i = 0; i < l.entries; ++i)
            table[i] = qRgb(t[4 * i + 2], t[4 * i + 1], t[4 * i]);
        img.setColorTable(table);
    }
    const auto* pixels = reinterpret_cast<const uchar*>(packed.constData()) + l.pixelOffset;
    for (int y = 0; y < l.height; ++y) {
        const int stored = l.topDown ? y : l.height - 1 - y;
        unpackRow(pixels + l.stride * stored, img.scanLine(y), l);
    }
    return img;
}
