#include "view/AreaLayer.h"

#include <QPainter>

#include <cmath>
#include <cstring>

void AreaLayer::invalidate() {
    m_kept = QRegion();
}

void AreaLayer::invalidate(const QRect& rect) {
    if (m_kept.isEmpty())
        return;
    m_kept -= rect;
    // Each mark costs in the number of the region's rectangles: past a
    // limit (hundreds of areas marked one by one, as Select All does) the
    // layer is drawn again whole, which those marks near enough ask anyway.
    if (m_kept.rectCount() > kMostPieces)
        m_kept = QRegion();
}

void AreaLayer::release() {
    m_image = QImage();
    m_kept = QRegion();
}

void AreaLayer::scroll(int dx, int dy) {
    if (m_kept.isEmpty() || (dx == 0 && dy == 0))
        return;
    const qreal ratio = m_image.devicePixelRatio();
    const QRect window(QPoint(0, 0), m_image.deviceIndependentSize().toSize());
    // Only whole device pixels can move; a window moved farther than its
    // size keeps nothing.
    if (ratio != std::floor(ratio) || std::abs(dx) >= window.width() ||
        std::abs(dy) >= window.height()) {
        invalidate();
        return;
    }
    shiftPixels(int(dx * ratio), int(dy * ratio));
    m_kept = m_kept.translated(dx, dy) & window;
}

// Moves the image's rows and, within them, the pixels, by whole device
// pixels; what moves in from outside is left as it was, as nothing there
// is kept.
void AreaLayer::shiftPixels(int dx, int dy) {
    const int w = m_image.width(), h = m_image.height();
    const qsizetype stride = m_image.bytesPerLine();
    const int rows = h - std::abs(dy), bytes = (w - std::abs(dx)) * 4;
    uchar* bits = m_image.bits();
    const int from = dy >= 0 ? 0 : -dy, to = dy >= 0 ? dy : 0;
    const int fromX = dx >= 0 ? 0 : -dx, toX = dx >= 0 ? dx : 0;
    // Rows go in the order that never overwrites one still to be read.
    for (int k = 0; k < rows; ++k) {
        const int r = dy > 0 ? rows - 1 - k : k;
        std::memmove(bits + (to + r) * stride + toX * 4, bits + (from + r) * stride + fromX * 4,
                     std::size_t(bytes));
    }
}

void AreaLayer::paint(QPainter& target, const QRegion& exposed, QSize window, qreal ratio,
                      const DrawAreas& draw) {
    const QSize device(int(std::ceil(window.width() * ratio)),
                       int(std::ceil(window.height() * ratio)));
    if (m_image.size() != device || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(device, QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(ratio);
        m_kept = QRegion();
    }
    const QRegion missing = (exposed & QRect(QPoint(0, 0), window)) - m_kept;
    if (!missing.isEmpty()) {
        QPainter layer(&m_image);
        layer.setClipRegion(missing);
        layer.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : missing)
            layer.fillRect(r, Qt::transparent);
        layer.setCompositionMode(QPainter::CompositionMode_SourceOver);
        draw(layer, missing);
        m_kept += missing;
    }
    for (const QRect& r : exposed) {
        target.drawImage(
            QRectF(r), m_image,
            QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    }
}
