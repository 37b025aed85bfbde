#pragma once

#include "model/CommandIds.h"

#include <algorithm>

// The current tool and the zoom of one map window. The window's map toolbar
// carries it; the map view draws and zooms by it and the tool and zoom
// commands change it. A window starts with the arrow tool at 1:1.
class ToolZoomState {
public:
    enum class Tool { Rectangle, Circle, Polygon, Arrow };
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    Tool tool() const { return m_tool; }
    // Selecting a tool deselects the other three.
    void setTool(Tool tool) { m_tool = tool; }
    bool isRectangle() const { return m_tool == Tool::Rectangle; }
    bool isCircle() const { return m_tool == Tool::Circle; }
    bool isPolygon() const { return m_tool == Tool::Polygon; }
    bool isArrow() const { return m_tool == Tool::Arrow; }
    // Rectangle, circle or polygon.
    bool isDrawingTool() const { return m_tool != Tool::Arrow; }

    int zoom() const { return m_zoom; }
    // Any value is clamped into 1 to 8.
    void setZoom(int zoom) { m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom); }
    void zoomIn() { setZoom(m_zoom + 1); }
    void zoomOut() { setZoom(m_zoom - 1); }

    // The tool a tool command selects; false for other commands.
    static bool toolOfCommand(CommandId id, Tool& tool) {
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
        default:
            return false;
        }
    }

private:
    Tool m_tool = Tool::Arrow;
    int m_zoom = kMinZoom;
};
