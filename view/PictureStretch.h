#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class LoadedImage;

// Stretches the part of a document's picture that a window rectangle shows
// by straight pixel copy: window pixel (x, y) shows picture pixel
// ((x + scroll x) / zoom, (y + scroll y) / zoom). Reads the packed bitmap's
// stored rows in place (1, 4 and 8 bits through the colour table, 24 and
// 32 bits directly), converting each picture row it needs once, however
// many window rows repeat it.
//
// The result lives in a buffer the stretcher keeps for the next call, so
// that repainting allocates nothing once the largest exposed part has been
// seen.
class PictureStretch {
public:
    // The window rectangle `part` (which must lie within the picture as
    // scaled and scrolled) as an opaque Format_RGB32 picture of part's size.
    // Valid until the next call.
    const QImage& render(const LoadedImage& picture, int zoom, QPoint scroll, const QRect& part);

private:
    void loadPalette(const LoadedImage& picture);
    void convertRow(const LoadedImage& picture, int storedRow, int first, int count,
                    quint32* out) const;
    void expandRow(quint32* out, int skip, int zoom, int width) const;

    std::vector<quint32> m_palette;
    std::vector<quint32> m_row; // one converted picture row, columns first .. first + count
    std::vector<quint32> m_pixels;
    QImage m_result;
};
