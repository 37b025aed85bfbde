#include "view/PolygonDrag.h"

#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/AreaPlacement.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

#include <algorithm>

std::unique_ptr<PolygonDrag> PolygonDrag::begin(ToolHost& host, int index, int vertex,
                                                QPoint press) {
    const MapArea* area = host.document()->area(index);
    if (!area || area->shape() != AreaShape::Polygon || area->vertexCount() == 0)
        return nullptr;
    if (vertex >= area->vertexCount())
        return nullptr;
    return std::unique_ptr<PolygonDrag>(new PolygonDrag(host, index, vertex, press));
}

PolygonDrag::PolygonDrag(ToolHost& host, int index, int vertex, QPoint press)
    : m_host(host), m_index(index), m_vertex(vertex), m_press(host.pictureAt(press)) {
    const MapArea& area = *host.document()->area(index);
    for (int i = 0; i < area.vertexCount(); ++i)
        m_start << area.vertex(i);
    m_now = m_start;
    m_bounds = host.document()->imageBounds();
    showPrompt(false);
    host.setFeedbackPainter([this](QPainter& painter) {
        if (m_vertex < 0) {
            QPolygon ring = outlineFrom(m_now);
            ring << ring.front();
            DragFeedback::polyline(painter, ring);
            return;
        }
        const int n = int(m_now.size());
        const QPolygon band{m_host.windowAt(m_now[(m_vertex + n - 1) % n]),
                            m_host.windowAt(m_now[m_vertex]),
                            m_host.windowAt(m_now[(m_vertex + 1) % n])};
        DragFeedback::polyline(painter, band);
    });
    host.repaintWindowRect(covering());
}

PolygonDrag::~PolygonDrag() {
    end();
}

QPolygon PolygonDrag::outlineFrom(const QPolygon& picture) const {
    QPolygon window;
    for (QPoint p : picture)
        window << m_host.windowAt(p);
    return window;
}

// The whole outline for a body drag; the band through the moved vertex
// for a vertex drag.
QRect PolygonDrag::covering() const {
    if (m_vertex < 0)
        return DragFeedback::covering(outlineFrom(m_now));
    const int n = int(m_now.size());
    return DragFeedback::covering(
        outlineFrom({m_now[(m_vertex + n - 1) % n], m_now[m_vertex], m_now[(m_vertex + 1) % n]}));
}

void PolygonDrag::showPrompt(bool shift) {
    StatusPanes* panes = m_host.statusPanes();
    if (!panes || m_shiftShown == shift)
        return;
    m_shiftShown = shift;
    panes->showPrompt(Strings::text(shift ? Str::PromptShiftHeld : Str::PromptMoveArea));
}

void PolygonDrag::move(QPoint at, Qt::KeyboardModifiers modifiers) {
    const GridSnap snap = m_host.gridSnap();
    const QPoint p = m_host.pictureAt(at);
    QPolygon next = m_start;
    if (m_vertex < 0) {
        // Vertices lie within the picture's far edges, so the box is
        // inclusive on both sides.
        const QRect box = m_start.boundingRect();
        const PixelRect inclusive{box.left(), box.top(), box.right(), box.bottom()};
        const QPoint d =
            AreaPlacement::keptInside(inclusive, snap.snap(p) - snap.snap(m_press), m_bounds);
        next.translate(d);
    } else {
        next[m_vertex] = m_host.snappedPictureAt(at);
    }
    if (next != m_now) {
        const QRect before = covering();
        m_now = next;
        m_host.repaintWindowRect(before);
        m_host.repaintWindowRect(covering());
    }
    // How far the polygon has moved, or its size as the dragged point
    // leaves it; on the same event as the outline.
    if (StatusPanes* panes = m_host.statusPanes()) {
        if (m_vertex < 0) {
            const QPoint d = m_now.front() - m_start.front();
            panes->showDimensions(d.x(), d.y());
        } else {
            const QRect box = m_now.boundingRect();
            panes->showDimensions(box.right() - box.left(), box.bottom() - box.top());
        }
    }
    showPrompt(modifiers.testFlag(Qt::ShiftModifier));
}

void PolygonDrag::release(QPoint at) {
    move(at, Qt::NoModifier);
    end();
    if (m_now == m_start)
        return;
    const QPolygon now = m_now;
    m_host.document()->changeArea(m_index, [now](MapArea& a) {
        for (int i = 0; i < int(now.size()) && i < a.vertexCount(); ++i)
            a.setVertex(i, now[i].x(), now[i].y());
    });
}

void PolygonDrag::cancel() {
    end();
}

void PolygonDrag::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    m_host.repaintWindowRect(covering());
}
