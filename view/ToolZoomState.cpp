#include "view/ToolZoomState.h"

void ToolZoomState::setTool(Tool tool) {
    m_tool = tool;
    emit toolChanged(tool);
}

void ToolZoomState::setZoom(ZoomLevel zoom) {
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    emit zoomChanged(zoom);
}

bool ToolZoomState::toolOfCommand(CommandId id, Tool& tool) {
    switch (id) {
    case CommandId::RectangleTool:
        tool = Tool::Rectangle;
        return true;
    case CommandId::CircleTool:
        tool = Tool::Circle;
        return true;
    case CommandId::PolygonTool:
        tool = Tool::Polygon;
        return true;
    case CommandId::ArrowTool:
        tool = Tool::Arrow;
        return true;
    case CommandId::TraceTool:
        tool = Tool::Trace;
        return true;
    default:
        return false;
    }
}
