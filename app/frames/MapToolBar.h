#pragma once

#include "view/ToolZoomState.h"

#include <QToolBar>

class ActionTable;

// The map window's own toolbar (resource 10003), dockable on any side: the
// tools, the area and z-order commands, Area List, Save, zoom, Edit Map
// Info, Grid and Test Map. It carries the window's tool and zoom.
class MapToolBar : public QToolBar {
public:
    MapToolBar(const ActionTable& actions, QWidget* parent = nullptr);

    ToolZoomState& toolZoom() { return m_toolZoom; }
    const ToolZoomState& toolZoom() const { return m_toolZoom; }

private:
    ToolZoomState m_toolZoom;
};
