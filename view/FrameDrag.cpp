#include "view/FrameDrag.h"

#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/AreaPlacement.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

namespace {

// Where drags may take an area: the picture (the area's bounds, which the
// view sets to it).
PixelRect boundsOf(const ToolHost& host) {
    return host.document()->imageBounds();
}

} // namespace

std::unique_ptr<FrameDrag> FrameDrag::reshape(ToolHost& host, int index, int handle, QPoint press) {
    const MapArea* area = host.document()->area(index);
    if (!area || area->shape() == AreaShape::Polygon)
        return nullptr;
    const QPoint p = host.pictureAt(press);
    const FrameGeometry geometry(area->imageRect(), handle, area->shape(), boundsOf(host),
                                 host.gridSnap(), p);
    return std::unique_ptr<FrameDrag>(new FrameDrag(host, index, area->shape(), geometry));
}

std::unique_ptr<FrameDrag> FrameDrag::create(ToolHost& host, QPoint press) {
    const PixelRect bounds = boundsOf(host);
    const QPoint p = host.snappedPictureAt(press);
    const FrameGeometry geometry({p.x(), p.y(), p.x(), p.y()}, AreaHit::BottomRight,
                                 AreaShape::Rectangle, bounds, host.gridSnap(), p);
    return std::unique_ptr<FrameDrag>(new FrameDrag(host, -1, AreaShape::Rectangle, geometry));
}

FrameDrag::FrameDrag(ToolHost& host, int index, AreaShape shape, const FrameGeometry& geometry)
    : m_host(host), m_index(index), m_shape(shape), m_geometry(geometry), m_now(geometry.start()) {
    showPrompt(false);
    host.setFeedbackPainter([this](QPainter& painter) {
        const QRect r = feedbackRect();
        if (m_shape == AreaShape::Circle)
            DragFeedback::ellipse(painter, r);
        else
            DragFeedback::rect(painter, r);
    });
    repaintFeedback();
}

FrameDrag::~FrameDrag() {
    end();
}

QRect FrameDrag::feedbackRect() const {
    return m_host.windowRectOf(m_now);
}

// A rectangle's outline repaints as four strips, an ellipse's as its box.
void FrameDrag::repaintFeedback() const {
    if (m_shape == AreaShape::Circle) {
        m_host.repaintWindowRect(DragFeedback::covering(feedbackRect()));
        return;
    }
    for (const QRect& strip : DragFeedback::strips(feedbackRect()))
        m_host.repaintWindowRect(strip);
}

void FrameDrag::showDimensions() const {
    StatusPanes* panes = m_host.statusPanes();
    if (!panes)
        return;
    const PixelRect& start = m_geometry.start();
    if (m_geometry.handle() == AreaHit::Body)
        panes->showDimensions(m_now.left - start.left, m_now.top - start.top);
    else
        panes->showDimensions(m_now.width(), m_now.height());
}

void FrameDrag::showPrompt(bool shift) {
    StatusPanes* panes = m_host.statusPanes();
    if (!panes || m_shiftShown == shift)
        return;
    m_shiftShown = shift;
    int id = m_index < 0                            ? Str::PromptDrawFrame
             : m_geometry.handle() == AreaHit::Body ? Str::PromptMoveArea
                                                    : Str::PromptResizeArea;
    if (shift)
        id = m_geometry.squaresWithShift() ? Str::PromptShiftSquare : Str::PromptShiftHeld;
    panes->showPrompt(Strings::text(id));
}

void FrameDrag::move(QPoint at, Qt::KeyboardModifiers modifiers) {
    m_modifiers = modifiers;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const PixelRect next = m_geometry.at(m_host.pictureAt(at), shift, m_now);
    if (next != m_now) {
        repaintFeedback();
        m_now = next;
        repaintFeedback();
    }
    // The panes tell where this event left the drag.
    showDimensions();
    showPrompt(shift);
}

void FrameDrag::release(QPoint at) {
    move(at, m_modifiers);
    end();
    if (m_now == m_geometry.start() || m_now.isEmpty())
        return;
    CImageMapDoc& doc = *m_host.document();
    const PixelRect r = m_now;
    if (m_index >= 0) {
        doc.changeArea(m_index, [r](MapArea& a) { a.setRect(r); });
        return;
    }
    auto area = std::make_unique<MapArea>(m_shape);
    area->setRect(r);
    m_host.addDrawnArea(std::move(area));
}

void FrameDrag::cancel() {
    end();
}

void FrameDrag::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    repaintFeedback();
}
