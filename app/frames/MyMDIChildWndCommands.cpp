// The map window's own commands: tools, Area List, Test Map, Check Map, Close and
// moving between the two panes. Zoom is the map view's, ahead of the window in the chain.
#include "app/frames/MapPane.h"
#include "app/frames/MapToolBar.h"
#include "app/frames/MyMDIChildWnd.h"
#include "document/ImageMapDoc.h"
#include "model/Prompter.h"
#include "model/Strings.h"
#include "view/CheckMapDialog.h"
#include "view/TestMapWindow.h"
#include "view/WindowPlacement.h"

#include <QScreen>

bool MyMDIChildWnd::onCommand(CommandId id) {
    if (toolCommand(id))
        return true;
    switch (id) {
    case CommandId::AreaList:
        toggleAreaList();
        return true;
    case CommandId::TestMap:
        TestMapWindow::run(*m_doc, window());
        return true;
    case CommandId::CheckMap:
        checkMap();
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

bool MyMDIChildWnd::onUpdateCommand(CommandId id, CommandState& state) {
    if (toolState(id, state))
        return true;
    switch (id) {
    case CommandId::AreaList:
        state.checked = isAreaListVisible();
        return true;
    case CommandId::TestMap:
    case CommandId::CheckMap:
    case CommandId::Close:
    case CommandId::NextPane:
    case CommandId::PreviousPane:
        return true;
    default:
        return false;
    }
}

// Tools change the window's state on its toolbar; the map view hears of
// the change from the state and drops what it was doing.
bool MyMDIChildWnd::toolCommand(CommandId id) {
    ToolZoomState::Tool tool;
    if (!ToolZoomState::toolOfCommand(id, tool))
        return false;
    toolZoom().setTool(tool);
    return true;
}

bool MyMDIChildWnd::toolState(CommandId id, CommandState& state) {
    ToolZoomState::Tool tool;
    if (!ToolZoomState::toolOfCommand(id, tool))
        return false;
    state.enabled = m_doc->commandEnabled(id, commandContext());
    state.radio = true;
    state.checked = toolZoom().tool() == tool;
    return true;
}

// Check Map lists the findings in a dialog that blocks the frame but not the
// caller; a finding chosen there selects its area in this window's view.
void MyMDIChildWnd::checkMap() {
    const std::vector<MapFindings::Finding> found = m_doc->findings();
    if (found.empty()) {
        Prompter::current().tell(Strings::text(Str::CheckMapClean), Prompter::Icon::Information);
        return;
    }
    auto* dialog = new CheckMapDialog(found, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The list opens beside the picture, and steps aside when the area a
    // finding selects shows under it.
    const auto keepOff = [dialog](const QRect& avoid, bool always) {
        const QRect frame = dialog->frameGeometry();
        if (avoid.isEmpty() || (!always && !frame.intersects(avoid)))
            return;
        const QScreen* screen = dialog->screen();
        const QRect room =
            screen ? screen->availableGeometry() : QRect(frame.topLeft(), frame.size());
        dialog->move(WindowPlacement::beside(frame.size(), avoid, room));
    };
    connect(dialog, &CheckMapDialog::areaChosen, this, [this, keepOff](int index) {
        m_pane->revealArea(index);
        keepOff(m_pane->screenRect(index), false);
    });
    dialog->open();
    keepOff(m_pane->screenRect(-1), true);
}
