// The map view's link of the command chain: the zoom commands, the
// clipboard, Insert and Delete Point.
#include "view/ImageMapView.h"

#include <QTimer>

namespace {

bool isZoomCommand(CommandId id) {
    return id == CommandId::ZoomIn || id == CommandId::ZoomOut || zoomOfCommand(id) != 0;
}

} // namespace

CImageMapDoc::CommandContext CImageMapView::commandContext() const {
    CImageMapDoc::CommandContext context;
    context.selected = m_selected;
    context.zoom = zoom();
    return context;
}

void CImageMapView::postCommand(int id) {
    QTimer::singleShot(0, this, [this, id] {
        if (m_poster)
            m_poster(id);
        else if (CommandId(id) == CommandId::EditAreaInfo)
            m_doc->editAreaInfo(m_selected);
    });
}

bool CImageMapView::onCommand(int id) {
    const CommandId command = CommandId(id);
    if (editCommand(command))
        return true;
    if (!isZoomCommand(command))
        return false;
    if (!m_doc->commandEnabled(command, commandContext()))
        return true; // taken, as a disabled command is: nothing happens
    if (command == CommandId::ZoomIn)
        setZoom(zoom() + 1);
    else if (command == CommandId::ZoomOut)
        setZoom(zoom() - 1);
    else
        setZoom(zoomOfCommand(command));
    return true;
}

bool CImageMapView::onUpdateCommand(int id, CommandState& state) {
    const CommandId command = CommandId(id);
    if (editCommandState(command, state))
        return true;
    if (!isZoomCommand(command))
        return false;
    state.enabled = m_doc->commandEnabled(command, commandContext());
    if (const int n = zoomOfCommand(command)) {
        state.radio = true;
        state.checked = n == zoom();
    }
    return true;
}
