// The map window's own commands: tools, zoom, Area List, Close and moving
// between the two panes.
#include "app/MapPane.h"
#include "app/MapToolBar.h"
#include "app/MyMDIChildWnd.h"
#include "model/ImageMapDoc.h"

bool MyMDIChildWnd::onCommand(int id) {
    if (toolZoomCommand(id))
        return true;
    switch (CommandId(id)) {
    case CommandId::AreaList:
        toggleAreaList();
        return true;
    case CommandId::Close:
        close();
        return true;
    case CommandId::NextPane:
    case CommandId::PreviousPane:
        switchPane(); // two panes: next and previous are the same one
        return true;
    default:
        return false;
    }
}

bool MyMDIChildWnd::onUpdateCommand(int id, CommandState& state) {
    if (toolZoomState(id, state))
        return true;
    switch (CommandId(id)) {
    case CommandId::AreaList:
        state.checked = isAreaListVisible();
        return true;
    case CommandId::Close:
    case CommandId::NextPane:
    case CommandId::PreviousPane:
        return true;
    default:
        return false;
    }
}

// Tools and zoom change the window's state on its toolbar; the map view,
// ahead of the window in the chain, takes them first when it has more to do.
bool MyMDIChildWnd::toolZoomCommand(int id) {
    ToolZoomState& state = toolZoom();
    ToolZoomState::Tool tool;
    if (ToolZoomState::toolOfCommand(CommandId(id), tool)) {
        state.setTool(tool);
        return true;
    }
    if (const int zoom = zoomOfCommand(CommandId(id)))
        state.setZoom(zoom);
    else if (id == int(CommandId::ZoomIn))
        state.zoomIn();
    else if (id == int(CommandId::ZoomOut))
        state.zoomOut();
    else
        return false;
    m_pane->settingsChanged();
    return true;
}

bool MyMDIChildWnd::toolZoomState(int id, CommandState& state) {
    const ToolZoomState& current = toolZoom();
    ToolZoomState::Tool tool;
    const bool isTool = ToolZoomState::toolOfCommand(CommandId(id), tool);
    const int zoom = zoomOfCommand(CommandId(id));
    if (!isTool && !zoom && id != int(CommandId::ZoomIn) && id != int(CommandId::ZoomOut))
        return false;
    state.enabled = m_doc->commandEnabled(CommandId(id), commandContext());
    if (isTool) {
        state.radio = true;
        state.checked = current.tool() == tool;
    } else if (zoom) {
        state.radio = true;
        state.checked = current.zoom() == zoom;
    }
    return true;
}
