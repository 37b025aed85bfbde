#pragma once

#include "model/ZoomLevel.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class LoadedImage;

// Stretches the part of a document's picture that a window rectangle shows
// by straight pixel copy at n:1: window pixel (x, y) shows picture pixel
// ((x + scroll x) / n, (y + scroll y) / n), so that pixels stay sharp
// squares. Below 1:1 the window shows a smoothed reduction instead (each
// window pixel the mean of the n x n picture pixels it stands for), made
// once for the level and kept until the level or the picture changes.
// Reads the picture's rows in place (1 and 8 bits through the colour table,
// grey levels as they are, RGB32 directly), converting each picture row it
// needs once, however many window rows repeat it.
//
// The result lives in a buffer the stretcher keeps for the next call, so
// that repainting allocates nothing once the largest exposed part has been
// seen.
class PictureStretch {
public:
    // The window rectangle `part` (which must lie within the picture as
    // scaled and scrolled) as an opaque Format_RGB32 picture of part's size.
    // Valid until the next call.
    const QImage& render(const LoadedImage& picture, ZoomLevel zoom, QPoint scroll,
                         const QRect& part);
    // The whole picture reduced to 1:den (den > 1), Format_RGB32; made on
    // the first call for a picture and level.
    const QImage& reduced(const LoadedImage& picture, int den);
    // Drops the reduction (the picture or the level changed).
    void forget();

private:
    void reduceRows(const LoadedImage& picture, int den, int outRow, std::vector<quint32>& sums);

    void loadPalette(const LoadedImage& picture);
    void convertRow(const LoadedImage& picture, int y, int first, int count, quint32* out) const;
    void expandRow(quint32* out, int skip, int zoom, int width) const;

    std::vector<quint32> m_palette;
    std::vector<quint32> m_row; // one converted picture row, columns first .. first + count
    std::vector<quint32> m_pixels;
    QImage m_result;
    QImage m_reduced;
    const LoadedImage* m_reducedFrom = nullptr;
    int m_reducedDen = 0;
};
