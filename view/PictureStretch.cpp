#include "view/PictureStretch.h"

#include "model/LoadedImage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr quint32 kOpaque = 0xff000000u;

void convert1(const uchar* row, int first, int count, const quint32* palette, quint32* out) {
    for (int i = 0; i < count; ++i) {
        const int x = first + i;
        out[i] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
    }
}

void convert8(const uchar* row, int first, int count, const quint32* palette, quint32* out) {
    row += first;
    for (int i = 0; i < count; ++i)
        out[i] = palette[row[i]];
}

void convert32(const uchar* row, int first, int count, quint32* out) {
    const auto* in = reinterpret_cast<const quint32*>(row) + first;
    for (int i = 0; i < count; ++i)
        out[i] = kOpaque | in[i];
}

} // namespace

void PictureStretch::loadPalette(const LoadedImage& picture) {
    m_palette.assign(256, kOpaque);
    if (picture.image().format() == QImage::Format_Grayscale8) {
        for (int i = 0; i < 256; ++i)
            m_palette[i] = kOpaque | quint32(i) << 16 | quint32(i) << 8 | quint32(i);
        return;
    }
    const auto& entries = picture.palette();
    const int n = std::min<int>(int(entries.size()), 256);
    for (int i = 0; i < n; ++i) {
        const auto& e = entries[i];
        m_palette[i] = kOpaque | quint32(e.red) << 16 | quint32(e.green) << 8 | e.blue;
    }
}

void PictureStretch::convertRow(const LoadedImage& picture, int y, int first, int count,
                                quint32* out) const {
    const QImage& image = picture.image();
    const uchar* row = image.constScanLine(y);
    switch (image.format()) {
    case QImage::Format_Mono:
        convert1(row, first, count, m_palette.data(), out);
        break;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
        convert8(row, first, count, m_palette.data(), out);
        break;
    default:
        convert32(row, first, count, out);
        break;
    }
}

// Writes one window row from the converted picture row: the first column
// repeats for what is left of its zoom x zoom cell, every later one zoom
// times, until width pixels are written.
void PictureStretch::expandRow(quint32* out, int skip, int zoom, int width) const {
    const quint32* in = m_row.data();
    int run = zoom - skip;
    for (int x = 0; x < width; ++in) {
        const int n = std::min(run, width - x);
        std::fill_n(out + x, n, *in);
        x += n;
        run = zoom;
    }
}

const QImage& PictureStretch::render(const LoadedImage& picture, ZoomLevel level, QPoint scroll,
                                     const QRect& part) {
    const int width = part.width(), height = part.height();
    if (width <= 0 || height <= 0) {
        m_result = QImage();
        return m_result;
    }
    if (level.isReducing()) {
        const QImage& small = reduced(picture, level.den());
        m_result = small.copy(part.translated(scroll));
        return m_result;
    }
    const int zoom = level.num();
    if (m_pixels.size() < size_t(width) * size_t(height))
        m_pixels.resize(size_t(width) * size_t(height));
    m_result = QImage(reinterpret_cast<uchar*>(m_pixels.data()), width, height, width * 4,
                      QImage::Format_RGB32);
    loadPalette(picture);

    const int left = part.left() + scroll.x();
    const int firstColumn = left / zoom;
    const int columns = (part.right() + scroll.x()) / zoom - firstColumn + 1;
    if (zoom > 1 && m_row.size() < size_t(columns))
        m_row.resize(size_t(columns));

    int lastRow = -1;
    for (int j = 0; j < height; ++j) {
        quint32* out = m_pixels.data() + size_t(j) * size_t(width);
        const int row = (part.top() + j + scroll.y()) / zoom;
        if (row == lastRow) {
            std::memcpy(out, out - width, size_t(width) * 4);
            continue;
        }
        lastRow = row;
        if (zoom == 1) {
            convertRow(picture, row, firstColumn, width, out);
        } else {
            convertRow(picture, row, firstColumn, columns, m_row.data());
            expandRow(out, left % zoom, zoom, width);
        }
    }
    return m_result;
}

void PictureStretch::forget() {
    m_reduced = QImage();
    m_reducedFrom = nullptr;
    m_reducedDen = 0;
}

// Sums the den x den blocks of output row outRow, colour by colour, and
// writes their means.
void PictureStretch::reduceRows(const LoadedImage& picture, int den, int outRow,
                                std::vector<quint32>& sums) {
    const int w = picture.width(), h = picture.height();
    const int outWidth = m_reduced.width();
    std::fill(sums.begin(), sums.end(), 0u);
    const int first = outRow * den, last = std::min(h, first + den);
    for (int y = first; y < last; ++y) {
        convertRow(picture, y, 0, w, m_row.data());
        for (int x = 0; x < w; ++x) {
            const quint32 p = m_row[std::size_t(x)];
            quint32* s = &sums[std::size_t(x / den) * 3];
            s[0] += (p >> 16) & 0xff;
            s[1] += (p >> 8) & 0xff;
            s[2] += p & 0xff;
        }
    }
    auto* out = reinterpret_cast<quint32*>(m_reduced.scanLine(outRow));
    const int rows = last - first;
    for (int x = 0; x < outWidth; ++x) {
        const int n = rows * (std::min(w, (x + 1) * den) - x * den);
        const quint32* s = &sums[std::size_t(x) * 3];
        out[x] = kOpaque | (s[0] / n) << 16 | (s[1] / n) << 8 | (s[2] / n);
    }
}

const QImage& PictureStretch::reduced(const LoadedImage& picture, int den) {
    if (m_reducedFrom == &picture && m_reducedDen == den)
        return m_reduced;
    const ZoomLevel level = ZoomLevel::out(den);
    m_reduced =
        QImage(level.scaled(picture.width()), level.scaled(picture.height()), QImage::Format_RGB32);
    m_reducedFrom = &picture;
    m_reducedDen = den;
    if (m_reduced.isNull())
        return m_reduced;
    loadPalette(picture);
    if (m_row.size() < std::size_t(picture.width()))
        m_row.resize(std::size_t(picture.width()));
    std::vector<quint32> sums(std::size_t(m_reduced.width()) * 3);
    for (int y = 0; y < m_reduced.height(); ++y)
        reduceRows(picture, den, y, sums);
    return m_reduced;
}
