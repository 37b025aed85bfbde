#include "view/AreaPainter.h"

#include "view/AreaGeometry.h"

#include <QPainter>

#include <algorithm>

namespace {

// Qt strokes a QRect through the centres of its edge pixels and includes
// the far edge; a PixelRect's far edges are exclusive.
QRect strokeRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width() - 1, r.height() - 1);
}

} // namespace

AreaPainter::AreaPainter(QPainter& painter, const AreaStyle& style, QPoint hatchOrigin)
    : m_painter(painter), m_style(style), m_hatchOrigin(hatchOrigin) {}

void AreaPainter::draw(const AreaGeometry& area, AreaDrawState state, bool hollowHandles) {
    if (m_style.fill())
        fill(area);
    outline(area, m_style.state(state));
    if (m_style.showHandles())
        handles(area, hollowHandles);
}

void AreaPainter::fill(const AreaGeometry& area) {
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setBrushOrigin(m_hatchOrigin);
    const PixelRect r = area.windowRect().normalized();
    switch (area.shape()) {
    case AreaShape::Rectangle:
        m_painter.fillRect(r.toQRect(), m_style.hatch());
        break;
    case AreaShape::Circle:
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_style.hatch());
        m_painter.drawEllipse(strokeRect(r));
        break;
    case AreaShape::Polygon:
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_style.hatch());
        m_painter.drawPolygon(area.paintRing(), Qt::OddEvenFill);
        break;
    }
}

void AreaPainter::outline(const AreaGeometry& area, const AreaStyle::StatePens& pens) {
    const PixelRect r = area.windowRect().normalized();
    if (area.shape() == AreaShape::Rectangle) {
        dottedFrame(r, pens);
        return;
    }
    // The gaps first as a solid line, then the dots over it: the same
    // pixels as a dotted pen on an opaque background, in two fast passes.
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setBrush(Qt::NoBrush);
    // The solid line goes without the ring's repeated points; the dots need
    // them all, as the dash pattern restarts at every edge, even one of no
    // length.
    for (const QPen* pen : {&pens.solidBack, &pens.dotted}) {
        m_painter.setPen(*pen);
        if (area.shape() == AreaShape::Circle)
            m_painter.drawEllipse(strokeRect(r));
        else
            m_painter.drawPolyline(pen == &pens.dotted ? area.ring() : area.paintRing());
    }
}

// The four edges of a rectangle, each dotted from its top or left end.
void AreaPainter::dottedFrame(const PixelRect& r, const AreaStyle::StatePens& pens) {
    const int w = r.width(), h = r.height();
    m_painter.setBrushOrigin(r.left, r.top);
    m_painter.fillRect(QRect(r.left, r.top, w, 1), pens.horizontal);
    m_painter.fillRect(QRect(r.left, r.bottom - 1, w, 1), pens.horizontal);
    m_painter.fillRect(QRect(r.left, r.top, 1, h), pens.vertical);
    m_painter.fillRect(QRect(r.right - 1, r.top, 1, h), pens.vertical);
}

void AreaPainter::handles(const AreaGeometry& area, bool hollow) {
    if (area.shape() == AreaShape::Polygon) {
        // A square the one before it covered already is drawn once: the
        // same pixels, and far out most of a long outline's squares.
        for (int i = 0; i < area.vertexCount(); ++i) {
            if (i == 0 || !(area.vertexHandle(i) == area.vertexHandle(i - 1)))
                handle(area.vertexHandle(i), hollow);
        }
        return;
    }
    for (int h = 0; h < 8; ++h) {
        if (area.handleUsable(h))
            handle(area.handle(h), hollow);
    }
}

// Each handle starts its pattern at its own corner, so all look alike; a
// hollow one is the pattern's one-pixel frame around the picture. The
// squares are copied from one tile of the pattern rather than filled with
// the brush anchored at each corner: the same pixels, without setting the
// painter's brush up anew for each of the thousands of vertices a far-out
// map shows.
void AreaPainter::handle(const PixelRect& square, bool hollow) {
    const int w = square.width(), h = square.height();
    if (w <= 0 || h <= 0)
        return;
    const QPoint at(square.left, square.top);
    if (!hollow || w < 3 || h < 3) {
        m_painter.drawImage(at, handleTile(w, h), QRect(0, 0, w, h));
        return;
    }
    // The frame alone, its inside transparent, in one copy.
    if (m_hollowTile.size() != QSize(w, h)) {
        m_hollowTile = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
        m_hollowTile.fill(Qt::transparent);
        QPainter frame(&m_hollowTile);
        frame.setCompositionMode(QPainter::CompositionMode_Source);
        const QImage& tile = handleTile(w, h);
        frame.drawImage(QPoint(0, 0), tile, QRect(0, 0, w, 1));
        frame.drawImage(QPoint(0, h - 1), tile, QRect(0, h - 1, w, 1));
        frame.drawImage(QPoint(0, 1), tile, QRect(0, 1, 1, h - 2));
        frame.drawImage(QPoint(w - 1, 1), tile, QRect(w - 1, 1, 1, h - 2));
    }
    m_painter.drawImage(at, m_hollowTile);
}

const QImage& AreaPainter::handleTile(int w, int h) {
    if (m_handleTile.width() < w || m_handleTile.height() < h) {
        const int side = std::max({w, h, m_handleTile.width()});
        m_handleTile = QImage(side, side, QImage::Format_RGB32);
        QPainter tile(&m_handleTile);
        tile.fillRect(m_handleTile.rect(), m_style.handleBrush());
    }
    return m_handleTile;
}
