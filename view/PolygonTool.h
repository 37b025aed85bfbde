#pragma once

#include "view/MapTool.h"

// The polygon tool: a press on the picture starts a polygon drawn click by
// click (PolygonRubberBand), which goes on until it is closed or dropped.
class PolygonTool : public MapTool {
public:
    using MapTool::MapTool;

protected:
    std::unique_ptr<ViewInteraction> draw(QPoint window) override;
    int idleCursor() const override;
};
