#pragma once

#include <QPalette>

// The editor's "Appearance": the desktop's colours (System), or the Fusion
// style in light or dark colours whatever the desktop uses. The painted
// parts of the views take their contrasting colours from the palette
// (AreaStyle, the area list's icons), so they stay readable either way.
class Appearance {
public:
    enum Mode : int { System = 0, Light = 1, Dark = 2 };

    // Applies mode to the running application; System gives back the
    // style and palette the application started with.
    static void apply(int mode);
    static QPalette darkPalette();
};
