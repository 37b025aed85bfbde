#include "view/GridPainter.h"

#include "model/GridSettings.h"
#include "view/AreaStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCrossArm = 4;

} // namespace

GridPainter::GridPainter(const GridSettings& grid, ZoomLevel zoom, QPoint scroll,
                         QSize scaledPicture)
    : m_visible(grid.enabled ? grid.visible : 0), m_zoom(zoom), m_scroll(scroll),
      m_scaled(scaledPicture) {
    m_x = {grid.offX, std::max(1, grid.sizeX), scroll.x(), scaledPicture.width() - scroll.x()};
    m_y = {grid.offY, std::max(1, grid.sizeY), scroll.y(), scaledPicture.height() - scroll.y()};
    if (zoom.scaled(std::min(m_x.size, m_y.size)) < 3 && zoom.isReducing())
        m_visible = 0;
}

QList<int> GridPainter::positions(const Axis& axis, int from, int to) const {
    QList<int> out;
    to = std::min(to, axis.limit);
    const auto at = [&](int k) {
        return m_zoom.toWindow(axis.offset + k * axis.size) - axis.scroll;
    };
    // The first line at or after from: the picture coordinate there, back
    // one line for the rounding of reduced levels.
    int k = 0;
    const int first = at(0);
    if (from > first) {
        const int picture = m_zoom.toPicture(from + axis.scroll);
        k = std::max(0, (picture - axis.offset) / axis.size - 1);
    }
    for (int p = at(k); p <= to; p = at(++k)) {
        if (p >= from)
            out << p;
    }
    return out;
}

QList<int> GridPainter::columns(int from, int to) const {
    if (m_visible != 1 && m_visible != 2)
        return {};
    return positions(m_x, std::max(from, -m_scroll.x()), to);
}

QList<int> GridPainter::rows(int from, int to) const {
    if (m_visible != 1 && m_visible != 2)
        return {};
    return positions(m_y, std::max(from, -m_scroll.y()), to);
}

void GridPainter::draw(QPainter& painter, const AreaStyle& style, const QRect& exposed) const {
    if (m_visible != 1 && m_visible != 2)
        return;
    // The picture, with the line a grid may draw along its far edges.
    const QRect picture(-m_scroll.x(), -m_scroll.y(), m_scaled.width() + 1, m_scaled.height() + 1);
    const QRect clip = exposed & picture;
    if (clip.isEmpty())
        return;
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.setBrushOrigin(-m_scroll.x(), -m_scroll.y());
    if (m_visible == 1) {
        for (int x : columns(clip.left(), clip.right()))
            painter.fillRect(QRect(x, clip.top(), 1, clip.height()), style.gridVertical());
        for (int y : rows(clip.top(), clip.bottom()))
            painter.fillRect(QRect(clip.left(), y, clip.width(), 1), style.gridHorizontal());
    } else {
        const QList<int> xs = columns(clip.left() - kCrossArm, clip.right() + kCrossArm);
        const QList<int> ys = rows(clip.top() - kCrossArm, clip.bottom() + kCrossArm);
        for (int y : ys) {
            for (int x : xs) {
                painter.setBrushOrigin(x, y); // dots from the centre out
                painter.fillRect(QRect(x - kCrossArm, y, 2 * kCrossArm + 1, 1),
                                 style.gridHorizontal());
                painter.fillRect(QRect(x, y - kCrossArm, 1, 2 * kCrossArm + 1),
                                 style.gridVertical());
            }
        }
    }
    painter.restore();
}
