#include "view/MapTool.h"

#include "document/ImageMapDoc.h"
#include "view/FrameDrag.h"
#include "view/PolygonDrag.h"
#include "view/ProgramCursors.h"
#include "view/ToolHost.h"

MapTool::Hit MapTool::hitAt(QPoint window, Qt::KeyboardModifiers modifiers) const {
    CImageMapDoc& doc = *m_host.document();
    const bool bodyCounts = isArrow() || modifiers.testFlag(Qt::ControlModifier);
    const bool fromBack = modifiers.testFlag(Qt::ShiftModifier);
    const int n = doc.areaCount();
    for (int k = 0; k < n; ++k) {
        const int i = fromBack ? n - 1 - k : k;
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
    m_host.setSelected(-1);
    const Hit hit = hitAt(window, modifiers);
    if (hit.found()) {
        if (isArrow())
            m_host.setSelected(hit.index);
        return dragFor(hit, window);
    }
    CImageMapDoc& doc = *m_host.document();
    if (isArrow() || doc.isFull() || !doc.imageBounds().contains(m_host.pictureAt(window)))
        return nullptr;
    return draw(window);
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
    return hit.found() ? cursorFor(hit.code) : idleCursor();
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
