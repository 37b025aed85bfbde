#include "model/LoadedImage.h"

#include <QtEndian>

#include <cstring>

namespace {

qint32 readI32(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint16 readU16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Row y (from the top) of a bottom-up bitmap into line.
void unpackRow(const uchar* in, int bits, int width, uchar* line) {
    switch (bits) {
    case 1:
    case 8:
        std::memcpy(line, in, size_t((qint64(width) * bits + 7) / 8));
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            line[x] = (in[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
        break;
    default: {
        auto* out = reinterpret_cast<quint32*>(line);
        const int step = bits / 8;
        for (int x = 0; x < width; ++x, in += step)
            out[x] = 0xff000000u | quint32(in[2]) << 16 | quint32(in[1]) << 8 | in[0];
        break;
    }
    }
}

} // namespace

LoadedImage::LoadedImage(QImage picture) : m_image(std::move(picture)) {
    const QList<QRgb> table = m_image.colorTable();
    m_palette.reserve(table.size());
    for (const QRgb c : table)
        m_palette.append({quint8(qRed(c)), quint8(qGreen(c)), quint8(qBlue(c)), 0});
}

std::unique_ptr<LoadedImage> LoadedImage::fromImage(QImage picture) {
    switch (picture.format()) {
    case QImage::Format_Mono:
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_RGB32:
        break;
    default:
        return nullptr;
    }
    if (picture.isNull())
        return nullptr;
    return std::unique_ptr<LoadedImage>(new LoadedImage(std::move(picture)));
}

std::unique_ptr<LoadedImage> LoadedImage::fromPackedDib(const QByteArray& packed) {
    if (packed.size() < kHeaderSize || readI32(packed, 0) != kHeaderSize)
        return nullptr;
    const qint64 width = readI32(packed, 4);
    const qint64 height = readI32(packed, 8);
    const int bitCount = readU16(packed, 14);
    const qint32 compression = readI32(packed, 16);
    if (width <= 0 || height <= 0 || compression != 0)
        return nullptr;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return nullptr;
    const int entries = bitCount <= 8 ? 1 << bitCount : 0;
    const qint64 stride = ((width * bitCount + 31) / 32) * 4;
    const qint64 pixelStart = kHeaderSize + 4 * entries;
    if (pixelStart + stride * height > packed.size())
        return nullptr;

    const QImage::Format format = bitCount == 1   ? QImage::Format_Mono
                                  : bitCount <= 8 ? QImage::Format_Indexed8
                                                  : QImage::Format_RGB32;
    QImage picture(int(width), int(height), format);
    if (picture.isNull())
        return nullptr;
    const auto* table = reinterpret_cast<const uchar*>(packed.constData()) + kHeaderSize;
    if (entries > 0) {
        QList<QRgb> colours(entries);
        for (int i = 0; i < entries; ++i)
            colours[i] = qRgb(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
        picture.setColorTable(colours);
    }
    const uchar* rows = table + 4 * entries;
    for (int y = 0; y < picture.height(); ++y)
        unpackRow(rows + (height - 1 - y) * stride, bitCount, int(width), picture.scanLine(y));
    return fromImage(std::move(picture));
}
