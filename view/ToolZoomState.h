#pragma once

#include <algorithm>

// The current tool and the zoom of one map window. Exactly one tool is
// current; a new map window starts with the arrow tool at 1:1. The zoom is
// always within 1 to 8: any value set is clamped into that range.
class ToolZoomState {
public:
    enum class Tool { Rectangle, Circle, Polygon, Arrow };
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    Tool tool() const { return m_tool; }
    void setTool(Tool tool) { m_tool = tool; }
    bool rectangle() const { return m_tool == Tool::Rectangle; }
    bool circle() const { return m_tool == Tool::Circle; }
    bool polygon() const { return m_tool == Tool::Polygon; }
    bool arrow() const { return m_tool == Tool::Arrow; }
    // A drawing tool (rectangle, circle or polygon) is current.
    bool drawing() const { return !arrow(); }

    int zoom() const { return m_zoom; }
    void setZoom(int zoom) { m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom); }
    // One step in or out; nothing at the end of the range.
    void zoomIn() { setZoom(m_zoom + 1); }
    void zoomOut() { setZoom(m_zoom - 1); }

private:
    Tool m_tool = Tool::Arrow;
    int m_zoom = kMinZoom;
};
