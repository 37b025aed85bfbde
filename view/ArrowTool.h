#pragma once

#include "view/MapTool.h"

// The arrow tool: selects what it hits (the body counts), shows the area
// under the mouse as the flyby with its tip, and drags handles, vertices
// and bodies. It draws nothing new.
class ArrowTool : public MapTool {
public:
    using MapTool::MapTool;
    bool isArrow() const override { return true; }

protected:
    std::unique_ptr<ViewInteraction> draw(QPoint) override { return nullptr; }
    int idleCursor() const override { return 0; }
};
