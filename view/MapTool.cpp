#include "view/MapTool.h"

#include "document/ImageMapDoc.h"
#include "view/FrameDrag.h"
#include "view/GroupDrag.h"
#include "view/PolygonDrag.h"
#include "view/ProgramCursors.h"
#include "view/SelectionBand.h"
#include "view/ToolHost.h"

MapTool::Hit MapTool::hitAt(QPoint window, Qt::KeyboardModifiers modifiers) const {
    const bool bodyCounts = isArrow() || modifiers.testFlag(Qt::ControlModifier);
    const bool fromBack = modifiers.testFlag(Qt::ShiftModifier);
    // Only the areas whose box reaches the point can be hit.
    const std::vector<int> near = m_host.areasNear(window);
    const int n = int(near.size());
    for (int k = 0; k < n; ++k) {
        const int i = near[std::size_t(fromBack ? n - 1 - k : k)];
        const AreaGeometry::Hit hit = m_host.hitArea(i, window);
        if (hit.code == AreaHit::Miss || (hit.code == AreaHit::Body && !bodyCounts))
            continue;
        return {i, hit.code, hit.vertex};
    }
    return {};
}

std::unique_ptr<ViewInteraction> MapTool::press(QPoint window, Qt::KeyboardModifiers modifiers) {
    m_host.areaTip(-1, window);
    m_host.setFlyby(-1);
    if (isArrow())
        return arrowPress(window, modifiers);
    m_host.setSelected(-1);
    const Hit hit = hitAt(window, modifiers);
    if (hit.found())
        return dragFor(hit, window);
    CImageMapDoc& doc = *m_host.document();
    if (doc.isFull() || !doc.imageBounds().contains(m_host.pictureAt(window)))
        return nullptr;
    return draw(window);
}

std::unique_ptr<ViewInteraction> MapTool::arrowPress(QPoint window,
                                                     Qt::KeyboardModifiers modifiers) {
    AreaSelection selection = m_host.selection();
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        // On the body of the one selected area Shift reaches the area
        // behind it, as it always has.
        if (selection.count() == 1 &&
            m_host.hitArea(selection.key(), window).code == AreaHit::Body) {
            const Hit behind = hitAt(window, modifiers);
            if (behind.found()) {
                m_host.setSelected(behind.index);
                return dragFor(behind, window);
            }
        }
        const Hit hit = hitAt(window, Qt::NoModifier);
        if (!hit.found())
            return SelectionBand::begin(m_host, window, selection);
        selection.toggle(hit.index);
        m_host.setSelection(selection);
        return nullptr;
    }
    const Hit hit = hitAt(window, modifiers);
    if (!hit.found()) {
        m_host.setSelection({});
        return SelectionBand::begin(m_host, window, {});
    }
    // Handles reshape only one area: with several selected, a press on any
    // of them moves the group.
    if (selection.count() > 1 && selection.contains(hit.index))
        return GroupDrag::begin(m_host, selection.inMapOrder(), hit.index, window);
    m_host.setSelected(hit.index);
    return dragFor(hit, window);
}

std::unique_ptr<ViewInteraction> MapTool::dragFor(const Hit& hit, QPoint window) {
    const MapArea& area = *m_host.document()->area(hit.index);
    if (area.shape() == AreaShape::Polygon)
        return PolygonDrag::begin(m_host, hit.index, hit.vertex, window);
    return FrameDrag::reshape(m_host, hit.index, hit.code, window);
}

int MapTool::hover(QPoint window, Qt::KeyboardModifiers modifiers) {
    const Hit hit = hitAt(window, modifiers);
    const int flyby = isArrow() ? hit.index : -1;
    m_host.setFlyby(flyby);
    m_host.areaTip(flyby, window);
    if (!hit.found())
        return idleCursor();
    // Over any of several selected areas a press moves them all.
    if (isArrow() && hit.code != AreaHit::Body) {
        const AreaSelection selection = m_host.selection();
        if (selection.count() > 1 && selection.contains(hit.index))
            return cursorFor(AreaHit::Body);
    }
    return cursorFor(hit.code);
}

int MapTool::cursorFor(int code) {
    using namespace ProgramCursors;
    switch (code) {
    case AreaHit::TopLeft:
    case AreaHit::BottomRight:
        return standard(Qt::SizeFDiagCursor);
    case AreaHit::TopRight:
    case AreaHit::BottomLeft:
        return standard(Qt::SizeBDiagCursor);
    case AreaHit::Top:
    case AreaHit::Bottom:
        return standard(Qt::SizeVerCursor);
    case AreaHit::Left:
    case AreaHit::Right:
        return standard(Qt::SizeHorCursor);
    case AreaHit::Body:
        return standard(Qt::SizeAllCursor);
    case AreaHit::Vertex:
        return VertexDrag;
    default:
        return 0;
    }
}
