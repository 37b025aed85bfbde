#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "model/ZoomLevel.h"

class AreaStyle;
class QPainter;
struct GridSettings;

// Draws the snap grid over the picture: grey dotted lines on a transparent
// background, or a small dotted cross at every grid point. Drawn only while
// snapping is on and the grid is visible as lines (1) or crosses (2).
//
// Line k lies at the window position of picture coordinate offset + k x
// size, and lines run while they are at most the scaled picture's size -
// scroll; they cover the picture only. Lines closer than three window
// pixels (a fine grid far out) are not drawn: they would only grey the
// picture. The dots of lines are anchored to
// the picture and those of each cross to its centre, so the grid looks the
// same however it is repainted in pieces.
class GridPainter {
public:
    GridPainter(const GridSettings& grid, ZoomLevel zoom, QPoint scroll, QSize scaledPicture);

    // Draws what falls inside exposed (window pixels).
    void draw(QPainter& painter, const AreaStyle& style, const QRect& exposed) const;

    // Window positions of the vertical (x) or horizontal (y) grid lines that
    // fall within [from, to]; empty when the grid is not drawn.
    QList<int> columns(int from, int to) const;
    QList<int> rows(int from, int to) const;

private:
    struct Axis {
        int offset = 0; // picture coordinate of line 0
        int size = 1;   // picture pixels between lines
        int scroll = 0;
        int limit = 0; // last window position a line may take
    };
    QList<int> positions(const Axis& axis, int from, int to) const;

    int m_visible;
    ZoomLevel m_zoom;
    Axis m_x;
    Axis m_y;
    QPoint m_scroll;
    QSize m_scaled;
};
