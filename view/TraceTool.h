#pragma once

#include "view/MapTool.h"

// The Trace tool: a press on the picture proposes an outline along the
// shape under it (TraceProposal), which goes on until it is accepted or
// discarded. Handles and vertices of existing areas are dragged as with
// the other drawing tools.
class TraceTool : public MapTool {
public:
    using MapTool::MapTool;

protected:
    std::unique_ptr<ViewInteraction> draw(QPoint window) override;
    int idleCursor() const override;
};
