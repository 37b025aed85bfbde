#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class AreaStyle;
class QPainter;
struct GridSettings;

// Draws the snap grid over the picture: grey dotted lines on a transparent
// background, or a small dotted cross at every grid point. Drawn only while
// snapping is on and the grid is visible as lines (1) or crosses (2).
//
// Lines are grid size x zoom apart, the first at grid offset x zoom -
// scroll, and run while they are at most the scaled picture's size -
// scroll; they cover the picture only. The dots of lines are anchored to
// the picture and those of each cross to its centre, so the grid looks the
// same however it is repainted in pieces.
class GridPainter {
public:
    GridPainter(const GridSettings& grid, int zoom, QPoint scroll, QSize scaledPicture);

    // Draws what falls inside exposed (window pixels).
    void draw(QPainter& painter, const AreaStyle& style, const QRect& exposed) const;

    // Window positions of the vertical (x) or horizontal (y) grid lines that
    // fall within [from, to]; empty when the grid is not drawn.
    QList<int> columns(int from, int to) const;
    QList<int> rows(int from, int to) const;

private:
    struct Axis {
        int first = 0; // window position of line 0
        int step = 1;
        int limit = 0; // last position a line may take
    };
    static QList<int> positions(const Axis& axis, int from, int to);

    int m_visible;
    Axis m_x;
    Axis m_y;
    QPoint m_scroll;
    QSize m_scaled;
};
