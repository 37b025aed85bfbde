#include "view/PolygonRubberBand.h"

#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

std::unique_ptr<PolygonRubberBand> PolygonRubberBand::begin(ToolHost& host, QPoint press) {
    auto band = std::unique_ptr<PolygonRubberBand>(
        new PolygonRubberBand(host, host.snappedPictureAt(press)));
    host.repaintWindowRect(band->bandCovering());
    return band;
}

PolygonRubberBand::PolygonRubberBand(ToolHost& host, QPoint first)
    : m_host(host), m_vertices{first}, m_mouse(first) {
    if (StatusPanes* panes = host.statusPanes())
        panes->showPrompt(Strings::text(Str::PromptDrawPolygon));
    host.setFeedbackPainter([this](QPainter& painter) {
        QPolygon line;
        for (QPoint v : m_vertices)
            line << m_host.windowAt(v);
        line << m_host.windowAt(m_mouse);
        DragFeedback::polyline(painter, line);
        const int h = kClosingBox / 2;
        DragFeedback::rect(painter,
                           QRect(line.front() - QPoint(h, h), QSize(kClosingBox, kClosingBox)));
    });
}

PolygonRubberBand::~PolygonRubberBand() {
    end();
}

bool PolygonRubberBand::inClosingBox(QPoint window, QPoint picture) const {
    if (picture == m_vertices.front())
        return true;
    const QPoint d = window - m_host.windowAt(m_vertices.front());
    return std::abs(d.x()) <= kClosingBox / 2 && std::abs(d.y()) <= kClosingBox / 2;
}

// The band from the last vertex to the mouse, and the closing box.
QRect PolygonRubberBand::bandCovering() const {
    const QPoint first = m_host.windowAt(m_vertices.front());
    const QRect box(first - QPoint(kClosingBox, kClosingBox),
                    QSize(2 * kClosingBox + 1, 2 * kClosingBox + 1));
    const QRect band =
        QRect(m_host.windowAt(m_vertices.back()), m_host.windowAt(m_mouse)).normalized();
    return DragFeedback::covering(band).united(box);
}

void PolygonRubberBand::move(QPoint at, Qt::KeyboardModifiers) {
    if (m_ended)
        return;
    const QPoint p = m_host.snappedPictureAt(at);
    if (StatusPanes* panes = m_host.statusPanes()) {
        const QPoint start = m_vertices.back();
        panes->showPosition(start.x(), start.y());
        panes->showDimensions(p.x() - start.x(), p.y() - start.y());
    }
    if (p == m_mouse)
        return;
    const QRect before = bandCovering();
    m_mouse = p;
    m_host.repaintWindowRect(before);
    m_host.repaintWindowRect(bandCovering());
}

// Releases come between the clicks; the polygon goes on.
void PolygonRubberBand::release(QPoint at) {
    move(at, Qt::NoModifier);
}

void PolygonRubberBand::press(QPoint at, Qt::KeyboardModifiers modifiers) {
    move(at, modifiers);
    const QPoint p = m_host.snappedPictureAt(at);
    if ((m_vertices.size() > 1 && inClosingBox(at, p)) || p == m_vertices.back()) {
        finish();
        return;
    }
    if (!MapArea::roomForVertex(int(m_vertices.size())))
        return;
    m_vertices << p;
    m_host.repaintWindowRect(bandCovering());
}

void PolygonRubberBand::doubleClick(QPoint) {
    finish();
}

void PolygonRubberBand::finish() {
    const QList<QPoint> vertices = m_vertices;
    end();
    if (vertices.size() < 3)
        return;
    auto area = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint v : vertices)
        area->addVertex(v.x(), v.y());
    m_host.addDrawnArea(std::move(area));
}

void PolygonRubberBand::cancel() {
    end();
}

void PolygonRubberBand::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    QPolygon line;
    for (QPoint v : m_vertices)
        line << m_host.windowAt(v);
    m_host.repaintWindowRect(DragFeedback::covering(line).united(bandCovering()));
}
