// Painting the map view: background and frame, picture, grid, areas and
// the tools' feedback, each only where the paint request exposes.
#include "view/ImageMapView.h"

#include "model/Settings.h"
#include "view/AreaPainter.h"
#include "view/GridPainter.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The frame along the bottom and right edges of a small picture, one line
// per colour from the picture's edge outwards (0x00BBGGRR).
constexpr quint32 kFrameColors[5] = {0xc0c0c0, 0xffffff, 0xc0c0c0, 0x808080, 0x000000};

} // namespace

void CImageMapView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    if (!m_doc->image()) {
        painter.fillRect(exposed, palette().brush(QPalette::Window));
        return;
    }
    const QRect picture = imageRectInWindow();
    paintBackground(painter, event->region(), picture);
    for (const QRect& part : event->region())
        paintPicture(painter, part & picture);
    GridPainter(Settings::app().grid, zoom(), scrollPosition(), scaledImageSize())
        .draw(painter, AreaStyle::shared(), exposed);
    m_layer.paint(painter, event->region(), viewport()->size(), devicePixelRatioF(),
                  [this](QPainter& layer, const QRegion& region) { paintAreas(layer, region); });
    if (m_feedback) {
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        m_feedback(painter);
        painter.restore();
    }
}

// Outside a picture smaller than the window: the background pattern, then
// the frame along the picture's bottom and right edges.
void CImageMapView::paintBackground(QPainter& painter, const QRegion& exposed,
                                    const QRect& picture) {
    const QRegion outside = exposed.subtracted(picture);
    if (outside.isEmpty())
        return;
    // Anchored like the areas' hatch, so that both move with the picture.
    painter.setBrushOrigin(hatchOrigin());
    for (const QRect& r : outside)
        painter.fillRect(r, AreaStyle::shared().background());
    paintFrame(painter, picture);
}

void CImageMapView::paintFrame(QPainter& painter, const QRect& picture) {
    const int right = picture.left() + picture.width();
    const int bottom = picture.top() + picture.height();
    for (int i = 0; i < 5; ++i) {
        const QColor color = colorOfColorRef(kFrameColors[i]);
        painter.fillRect(QRect(0, bottom + i, right + i + 1, 1), color);
        painter.fillRect(QRect(right + i, 0, 1, bottom + i), color);
    }
}

void CImageMapView::paintPicture(QPainter& painter, const QRect& part) {
    if (part.isEmpty())
        return;
    if (zoom().isReducing()) {
        // Straight from the kept reduction: no copy per paint. On a screen
        // of two device pixels per pixel an even level draws from the
        // reduction of half its factor, one picture block per device pixel.
        int den = zoom().den(), k = 1;
        if (devicePixelRatioF() >= 2 && den % 2 == 0 && den > 2) {
            den /= 2;
            k = 2;
        }
        const QImage& small = m_stretch.reduced(*m_doc->image(), den);
        const QRect source = part.translated(scrollPosition());
        painter.drawImage(
            QRectF(part), small,
            QRectF(source.x() * k, source.y() * k, source.width() * k, source.height() * k));
        return;
    }
    const QImage& pixels = m_stretch.render(*m_doc->image(), zoom(), scrollPosition(), part);
    painter.drawImage(part.topLeft(), pixels);
}

// Areas that miss every exposed rectangle are skipped: a moving group's
// outline exposes four thin strips whose bounding rectangle is the whole
// window.
void CImageMapView::paintAreas(QPainter& painter, const QRegion& exposed) {
    AreaPainter areas(painter, AreaStyle::shared(), hatchOrigin());
    const QRect bounds = exposed.boundingRect();
    const bool pieces = exposed.rectCount() > 1;
    for (int i = 0; i < int(m_geometry.size()); ++i) {
        const AreaGeometry& a = m_geometry[std::size_t(i)];
        const QRect extent = a.extent().grown(1).toQRect();
        if (!extent.intersects(bounds) || (pieces && !exposed.intersects(extent)))
            continue;
        areas.draw(a, drawState(i), m_selection.contains(i) && i != m_selection.key());
    }
}
