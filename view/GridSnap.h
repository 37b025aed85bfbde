#pragma once

#include "model/GridSettings.h"

#include <QPoint>

// Snapping to the grid, the one place every drag of the map view snaps
// through. It works in picture pixels (ViewMapping gives the picture pixel
// under a window point), and a picture coordinate
// v snaps to offset + k x step with k = floor((v - offset) / step), so a
// scrolled or zoomed view snaps onto the lines it draws. Without snapping
// every picture pixel is a grid point (step 1, offset 0).
class GridSnap {
public:
    explicit GridSnap(const GridSettings& grid) : m_grid(grid) {}
    // The application's grid as it is now.
    static GridSnap current();

    bool enabled() const { return m_grid.enabled; }
    int snapX(int v) const;
    int snapY(int v) const;
    QPoint snap(QPoint picture) const { return {snapX(picture.x()), snapY(picture.y())}; }
    // One grid step (one picture pixel without snapping).
    QPoint step() const;

    static int floorDiv(int a, int b);

private:
    GridSettings m_grid;
};
