#include "model/LoadedImage.h"

#include <QtEndian>

namespace {

qint32 readI32(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
quint16 readU16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

std::unique_ptr<LoadedImage> LoadedImage::fromPackedDib(QByteArray packed) {
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

    std::unique_ptr<LoadedImage> image(new LoadedImage);
    image->m_header = std::move(packed);
    image->m_width = int(width);
    image->m_height = int(height);
    image->m_bitCount = bitCount;
    image->m_stride = int(stride);
    const auto* table = reinterpret_cast<const uchar*>(image->m_header.constData()) + kHeaderSize;
    image->m_palette.resize(entries);
    for (int i = 0; i < entries; ++i)
        image->m_palette[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
    image->m_bits = table + 4 * entries;
    return image;
}
