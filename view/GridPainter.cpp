#include "view/GridPainter.h"

#include "model/GridSettings.h"
#include "view/AreaStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCrossArm = 4;

} // namespace

GridPainter::GridPainter(const GridSettings& grid, int zoom, QPoint scroll, QSize scaledPicture)
    : m_visible(grid.enabled ? grid.visible : 0), m_scroll(scroll), m_scaled(scaledPicture) {
    m_x = {grid.offX * zoom - scroll.x(), std::max(1, grid.sizeX) * zoom,
           scaledPicture.width() - scroll.x()};
    m_y = {grid.offY * zoom - scroll.y(), std::max(1, grid.sizeY) * zoom,
           scaledPicture.height() - scroll.y()};
}

QList<int> GridPainter::positions(const Axis& axis, int from, int to) {
    QList<int> out;
    to = std::min(to, axis.limit);
    int k = 0;
    if (from > axis.first)
        k = (from - axis.first + axis.step - 1) / axis.step;
    for (int p = axis.first + k * axis.step; p <= to; p += axis.step)
        out << p;
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
