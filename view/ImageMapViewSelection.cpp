// The map view's selection of several areas and the commands over it:
// Select All, Delete, Bring to Front, Send to Back and Mapping > Arrange.
#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/ImageMapView.h"

namespace {

// The menu item whose text names an Arrange command's step.
int itemOf(CommandId id) {
    switch (id) {
    case CommandId::AlignLeft:
        return Str::ItemAlignLeft;
    case CommandId::AlignRight:
        return Str::ItemAlignRight;
    case CommandId::AlignTop:
        return Str::ItemAlignTop;
    case CommandId::AlignBottom:
        return Str::ItemAlignBottom;
    case CommandId::AlignHorizontalCentres:
        return Str::ItemAlignHorizontalCentres;
    case CommandId::AlignVerticalCentres:
        return Str::ItemAlignVerticalCentres;
    case CommandId::DistributeHorizontally:
        return Str::ItemDistributeHorizontally;
    case CommandId::DistributeVertically:
        return Str::ItemDistributeVertically;
    case CommandId::SameWidth:
        return Str::ItemSameWidth;
    case CommandId::SameHeight:
        return Str::ItemSameHeight;
    default:
        return Str::ItemSameSize;
    }
}

} // namespace

void CImageMapView::setSelection(const AreaSelection& selection) {
    AreaSelection next;
    for (int i : selection.indices()) {
        if (m_doc->validIndex(i))
            next.add(i);
    }
    if (next == m_selection)
        return;
    const AreaSelection before = m_selection;
    m_selection = next;
    // Only the areas whose look changes: those that joined or left, and the
    // old and new key areas (filled against hollow handles).
    for (int i : before.indices()) {
        if (!m_selection.contains(i) || i == before.key())
            repaintArea(i);
    }
    for (int i : m_selection.indices()) {
        if (!before.contains(i) || i == m_selection.key())
            repaintArea(i);
    }
    emit selectionChanged(m_selection.key());
}

void CImageMapView::selectAll() {
    AreaSelection all;
    for (int i = 0; i < m_doc->areaCount(); ++i)
        all.add(i);
    setSelection(all);
}

// The document renumbered the selection (an area came, went or moved): its
// views hear of it when the areas it holds or its key area changed.
void CImageMapView::selectionRenumbered(const AreaSelection& before) {
    if (before.indices() != m_selection.indices())
        emit selectionChanged(m_selection.key());
}

void CImageMapView::deleteSelected(bool cut) {
    const std::vector<int> areas = m_selection.inMapOrder();
    setSelected(-1);
    setFlyby(-1);
    m_doc->deleteAreas(areas, cut);
}

bool CImageMapView::nudgeSelected(QPoint d) {
    if (m_selection.empty())
        return false;
    return m_doc->moveAreas(m_selection.inMapOrder(), d.x(), d.y(), true);
}

bool CImageMapView::selectionCommandState(CommandId id, CommandState& state) {
    const CImageMapDoc::CommandContext context = commandContext();
    switch (id) {
    case CommandId::SelectAll:
        state.enabled = m_doc->commandEnabled(id, context) && m_toolZoom->isArrow();
        return true;
    case CommandId::Delete:
    case CommandId::MoveToFront:
    case CommandId::SendToBack:
        state.enabled = m_doc->commandEnabled(id, context);
        return true;
    case CommandId::EditAreaInfo:
        // One area's settings are the document's link's.
        if (m_selection.count() < 2)
            return false;
        state.enabled = m_doc->commandEnabled(id, context);
        return true;
    default:
        if (!CImageMapDoc::arrangeOpOf(id))
            return false;
        state.enabled = m_doc->commandEnabled(id, context);
        return true;
    }
}

bool CImageMapView::selectionCommand(CommandId id) {
    CommandState state;
    if (!selectionCommandState(id, state))
        return false;
    if (!state.enabled)
        return true; // taken, as a disabled command is: nothing happens
    cancelInteraction();
    switch (id) {
    case CommandId::SelectAll:
        selectAll();
        break;
    case CommandId::Delete:
        deleteSelected();
        break;
    case CommandId::MoveToFront:
        m_doc->bringAreasToFront(m_selection.indices());
        break;
    case CommandId::SendToBack:
        m_doc->sendAreasToBack(m_selection.indices());
        break;
    case CommandId::EditAreaInfo:
        m_doc->editAreasInfo(m_selection.inMapOrder());
        break;
    default:
        m_doc->arrangeAreas(m_selection.indices(), *CImageMapDoc::arrangeOpOf(id), itemOf(id));
        break;
    }
    return true;
}
