#include "model/TracePicture.h"

#include "model/LoadedImage.h"

namespace {

constexpr QRgb kOpaqueBlack = 0xff000000u;

} // namespace

TracePicture TracePicture::fromImage(const QImage& image) {
    TracePicture view;
    Layout layout = Layout::None;
    switch (image.format()) {
    case QImage::Format_Mono:
        layout = Layout::Mono;
        break;
    case QImage::Format_MonoLSB:
        layout = Layout::MonoLsb;
        break;
    case QImage::Format_Indexed8:
        layout = Layout::Index8;
        break;
    case QImage::Format_Grayscale8:
        layout = Layout::Grey8;
        break;
    case QImage::Format_RGB32:
        layout = Layout::Bgrx32;
        break;
    case QImage::Format_ARGB32:
        layout = Layout::Bgra32;
        break;
    case QImage::Format_ARGB32_Premultiplied:
        layout = Layout::Bgra32Pm;
        break;
    default:
        return view;
    }
    if (image.isNull())
        return view;
    view.m_palette.fill(kOpaqueBlack);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < table.size() && i < 256; ++i)
        view.m_palette[size_t(i)] = table[i];
    view.m_keep = image; // shallow: constBits() below never detaches
    view.m_top = view.m_keep.constBits();
    view.m_step = view.m_keep.bytesPerLine();
    view.m_width = image.width();
    view.m_height = image.height();
    view.m_layout = layout;
    return view;
}

TracePicture TracePicture::fromLoadedImage(const LoadedImage& image) {
    return fromImage(image.image());
}

int TracePicture::indexAt(const uchar* row, int x) const {
    switch (m_layout) {
    case Layout::Mono:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case Layout::MonoLsb:
        return (row[x >> 3] >> (x & 7)) & 1;
    default:
        return row[x];
    }
}

QRgb TracePicture::pixel(int x, int y) const {
    const uchar* r = row(y);
    switch (m_layout) {
    case Layout::None:
        return kOpaqueBlack;
    case Layout::Mono:
    case Layout::MonoLsb:
    case Layout::Index8:
        return m_palette[size_t(indexAt(r, x))];
    case Layout::Grey8:
        return qRgb(r[x], r[x], r[x]);
    case Layout::Bgrx32:
        r += 4 * x;
        return qRgb(r[2], r[1], r[0]);
    case Layout::Bgra32:
        r += 4 * x;
        return qRgba(r[2], r[1], r[0], r[3]);
    case Layout::Bgra32Pm:
        r += 4 * x;
        return qUnpremultiply(qRgba(r[2], r[1], r[0], r[3]));
    }
    return kOpaqueBlack;
}
