// The map view's link of the command chain: the zoom commands, the
// clipboard, Insert and Delete Point.
#include "view/ImageMapView.h"

#include <QTimer>

namespace {

bool isZoomCommand(CommandId id) {
    return id == CommandId::ZoomIn || id == CommandId::ZoomOut || id == CommandId::ZoomToFit ||
           ZoomLevel::ofCommand(id).has_value();
}

} // namespace

CImageMapDoc::CommandContext CImageMapView::commandContext() const {
    CImageMapDoc::CommandContext context;
    context.selected = m_selection.key();
    context.selection = m_selection.indices();
    return context;
}

void CImageMapView::postCommand(CommandId id) {
    QTimer::singleShot(0, this, [this, id] {
        if (m_poster)
            m_poster(id);
        else if (id == CommandId::EditAreaInfo)
            m_doc->editAreaInfo(m_selection.key());
    });
}

bool CImageMapView::onCommand(CommandId command) {
    if (editCommand(command) || selectionCommand(command))
        return true;
    if (!isZoomCommand(command))
        return false;
    CommandState state;
    onUpdateCommand(command, state);
    if (!state.enabled)
        return true; // taken, as a disabled command is: nothing happens
    if (command == CommandId::ZoomIn)
        setZoom(zoom().larger());
    else if (command == CommandId::ZoomOut)
        setZoom(zoom().smaller());
    else if (command == CommandId::ZoomToFit)
        setZoom(fittingZoom());
    else
        setZoom(*ZoomLevel::ofCommand(command));
    return true;
}

bool CImageMapView::onUpdateCommand(CommandId command, CommandState& state) {
    if (editCommandState(command, state) || selectionCommandState(command, state))
        return true;
    if (!isZoomCommand(command))
        return false;
    if (command == CommandId::ZoomIn)
        state.enabled = !zoom().isLargest();
    else if (command == CommandId::ZoomOut)
        state.enabled = !zoom().isSmallest();
    else
        state.enabled = true;
    if (const std::optional<ZoomLevel> level = ZoomLevel::ofCommand(command)) {
        state.radio = true;
        state.checked = *level == zoom();
    }
    return true;
}
