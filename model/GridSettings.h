#pragma once

// The application-wide snap grid, in image pixels.
struct GridSettings {
    bool enabled = false; // snap to the grid (the grid is drawn only while snapping)
    int visible = 1;      // 0 hidden, 1 lines, 2 crosses
    int sizeX = 15;       // spacing, at least 1
    int sizeY = 15;
    int offX = 0; // offset of the first line from the picture's left edge
    int offY = 0;
};
