#pragma once

#include "view/MapTool.h"

// The rectangle and circle tools, which differ only in their shape rules:
// a press on the picture draws a new rectangle (FrameDrag) or circle
// (CircleCreation).
class ShapeTool : public MapTool {
public:
    ShapeTool(ToolHost& host, AreaShape shape) : MapTool(host), m_shape(shape) {}

protected:
    std::unique_ptr<ViewInteraction> draw(QPoint window) override;
    int idleCursor() const override;

private:
    AreaShape m_shape;
};
