#pragma once

#include "view/ToolZoomState.h"

#include <QToolBar>

class ActionTable;
class TraceControls;

// The map window's own toolbar (resource 10003), dockable on any side: the
// tools, the area and z-order commands, Area List, Save, zoom, Edit Map
// Info, Grid and Test Map, and after the tools, while the Trace tool is
// current, its tolerance and precision. It carries the window's tool and zoom.
class MapToolBar : public QToolBar {
public:
    MapToolBar(const ActionTable& actions, QWidget* parent = nullptr);

    ToolZoomState& toolZoom() { return m_toolZoom; }
    const ToolZoomState& toolZoom() const { return m_toolZoom; }
    TraceControls& traceControls() const { return *m_trace; }

private:
    ToolZoomState m_toolZoom;
    TraceControls* m_trace;
};
