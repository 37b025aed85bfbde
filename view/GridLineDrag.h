#pragma once

#include "model/GridSettings.h"
#include "model/ZoomLevel.h"
#include "view/ViewInteraction.h"

#include <QRect>

#include <memory>

class CImageMapView;
class QPainter;

// Changing the snap grid's spacing by dragging one of its lines with Ctrl
// held. Works while snapping is on and the grid is drawn (lines or
// crosses), on the lines the view draws over the picture.
//
// Dragging line k (k = 1 for the first line after the grid's origin, at
// least 1) moves it with the mouse: the spacing in that direction becomes
// the spacing at the press plus the mouse's travel in picture pixels
// divided by k, at least 1. A press on a crossing of a vertical and a
// horizontal line drags both. While dragging, the lines of the old and the
// new spacing show inverted and the dimensions pane shows the new spacing;
// the release keeps it (every map view repaints), a cancel keeps the old.
class GridLineDrag : public ViewInteraction {
public:
    // The grid lines under a window point.
    struct Lines {
        bool vertical = false;
        bool horizontal = false;
        bool any() const { return vertical || horizontal; }
    };
    static Lines linesAt(const CImageMapView& view, QPoint window);
    // Snapping is on and the grid is drawn (lines or crosses).
    static bool gridShown();
    // The program cursor that shows which lines lie under the mouse
    // (30980 vertical, 30981 horizontal, 30979 both); 0 for none.
    static int cursorFor(Lines lines);

    // Starts dragging the lines under press; null when no grid line lies
    // there.
    static std::unique_ptr<GridLineDrag> begin(CImageMapView& view, QPoint press);
    ~GridLineDrag() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    // The spacing the drag shows now (picture pixels).
    int sizeX() const { return m_now.sizeX; }
    int sizeY() const { return m_now.sizeY; }

private:
    GridLineDrag(CImageMapView& view, QPoint press, Lines lines);
    static int lineNumber(int window, int scroll, ZoomLevel zoom, int offset, int size);
    void paintFeedback(QPainter& painter) const;
    void end();

    CImageMapView& m_view;
    QPoint m_press;
    Lines m_lines;
    GridSettings m_start;
    GridSettings m_now;
    int m_kx = 1;
    int m_ky = 1;
    bool m_ended = false;
};
