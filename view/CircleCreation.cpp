#include "view/CircleCreation.h"

#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

std::unique_ptr<CircleCreation> CircleCreation::begin(ToolHost& host, QPoint press) {
    return std::unique_ptr<CircleCreation>(new CircleCreation(host, host.snappedPictureAt(press)));
}

CircleCreation::CircleCreation(ToolHost& host, QPoint centre) : m_host(host), m_centre(centre) {
    if (StatusPanes* panes = host.statusPanes())
        panes->showPrompt(Strings::text(Str::PromptDrawFrame));
    host.setFeedbackPainter([this](QPainter& painter) {
        DragFeedback::cross(painter, m_host.windowAt(m_centre));
        if (m_radius >= kMinRadius)
            DragFeedback::ellipse(painter, m_host.windowRectOf(square()));
    });
    host.repaintWindowRect(feedbackCovering());
}

CircleCreation::~CircleCreation() {
    end();
}

PixelRect CircleCreation::square() const {
    return {m_centre.x() - m_radius, m_centre.y() - m_radius, m_centre.x() + m_radius,
            m_centre.y() + m_radius};
}

QRect CircleCreation::feedbackCovering() const {
    const QPoint c = m_host.windowAt(m_centre);
    const int arm = DragFeedback::kCrossArm;
    const QRect cross(c - QPoint(arm, arm), QSize(2 * arm + 1, 2 * arm + 1));
    return DragFeedback::covering(cross.united(m_host.windowRectOf(square())));
}

void CircleCreation::move(QPoint at, Qt::KeyboardModifiers) {
    const QPoint d = m_host.pictureAt(at) - m_centre;
    const PixelRect b = m_host.document()->imageBounds();
    const int room = std::min({m_centre.x() - b.left, b.right - m_centre.x(), m_centre.y() - b.top,
                               b.bottom - m_centre.y()});
    const int r = std::min(int(std::floor(std::hypot(double(d.x()), double(d.y())))), room);
    if (StatusPanes* panes = m_host.statusPanes())
        panes->showDimensions(2 * r, 2 * r);
    if (r == m_radius)
        return;
    const QRect before = feedbackCovering();
    m_radius = r;
    m_host.repaintWindowRect(before);
    m_host.repaintWindowRect(feedbackCovering());
}

void CircleCreation::release(QPoint at) {
    move(at, Qt::NoModifier);
    end();
    if (m_radius < kMinRadius)
        return;
    auto area = std::make_unique<MapArea>(AreaShape::Circle);
    area->setRect(square());
    m_host.addDrawnArea(std::move(area));
}

void CircleCreation::cancel() {
    end();
}

void CircleCreation::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    m_host.repaintWindowRect(feedbackCovering());
}
