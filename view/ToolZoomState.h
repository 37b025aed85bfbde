#pragma once

#include "model/CommandIds.h"
#include "model/ZoomLevel.h"

#include <QObject>

#include <algorithm>

// The current tool and the zoom of one map window. The window's map toolbar
// carries it; the map view draws and zooms by it and the tool and zoom
// commands change it. A window starts with the arrow tool at 1:1. Every
// change is signalled, so that a view drops a half-drawn area and its
// cursor when the tool changes, and follows the zoom whoever set it.
class ToolZoomState : public QObject {
    Q_OBJECT

public:
    // Trace comes last so that the others keep their numbers.
    enum class Tool { Rectangle, Circle, Polygon, Arrow, Trace };

    explicit ToolZoomState(QObject* parent = nullptr) : QObject(parent) {}

    Tool tool() const { return m_tool; }
    // Selecting a tool deselects the others.
    void setTool(Tool tool);
    bool isRectangle() const { return m_tool == Tool::Rectangle; }
    bool isCircle() const { return m_tool == Tool::Circle; }
    bool isPolygon() const { return m_tool == Tool::Polygon; }
    bool isArrow() const { return m_tool == Tool::Arrow; }
    bool isTrace() const { return m_tool == Tool::Trace; }
    // Rectangle, circle, polygon or trace.
    bool isDrawingTool() const { return m_tool != Tool::Arrow; }

    ZoomLevel zoom() const { return m_zoom; }
    void setZoom(ZoomLevel zoom);
    void zoomIn() { setZoom(m_zoom.larger()); }
    void zoomOut() { setZoom(m_zoom.smaller()); }

    // The tool a tool command selects; false for other commands.
    static bool toolOfCommand(CommandId id, Tool& tool);

signals:
    // Emitted for every tool command, also one that picks the current tool
    // again: it still drops what the view was doing.
    void toolChanged(ToolZoomState::Tool tool);
    void zoomChanged(ZoomLevel zoom);

private:
    Tool m_tool = Tool::Arrow;
    ZoomLevel m_zoom;
};
