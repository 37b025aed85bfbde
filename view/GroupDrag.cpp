#include "view/GroupDrag.h"

#include "document/ImageMapDoc.h"
#include "model/Strings.h"
#include "view/AreaPlacement.h"
#include "view/DragFeedback.h"
#include "view/StatusPanes.h"
#include "view/ToolHost.h"

#include <QPainter>

std::unique_ptr<GroupDrag> GroupDrag::begin(ToolHost& host, std::vector<int> areas, int pressed,
                                            QPoint press) {
    return std::unique_ptr<GroupDrag>(new GroupDrag(host, std::move(areas), pressed, press));
}

GroupDrag::GroupDrag(ToolHost& host, std::vector<int> areas, int pressed, QPoint press)
    : m_host(host), m_areas(std::move(areas)), m_pressed(pressed), m_press(host.pictureAt(press)) {
    const CImageMapDoc& doc = *host.document();
    for (int i : m_areas) {
        if (const MapArea* a = doc.area(i)) {
            const PixelRect box = a->picture().bounds();
            m_group = m_group.united(box);
            if (int(m_areas.size()) <= kOutlinedAreas)
                m_boxes.push_back(box);
        }
    }
    if (m_boxes.empty())
        m_boxes.push_back(m_group);
    if (StatusPanes* panes = host.statusPanes())
        panes->showPrompt(Strings::text(Str::PromptMoveArea));
    host.setFeedbackPainter([this](QPainter& painter) {
        for (const PixelRect& box : m_boxes)
            DragFeedback::rect(painter,
                               m_host.windowRectOf(box.translated(m_travel.x(), m_travel.y())));
    });
    repaintFeedback();
}

GroupDrag::~GroupDrag() {
    end();
}

void GroupDrag::repaintFeedback() const {
    for (const PixelRect& box : m_boxes) {
        const QRect r = m_host.windowRectOf(box.translated(m_travel.x(), m_travel.y()));
        for (const QRect& strip : DragFeedback::strips(r))
            m_host.repaintWindowRect(strip);
    }
}

void GroupDrag::move(QPoint at, Qt::KeyboardModifiers) {
    if (m_ended)
        return;
    const GridSnap snap = m_host.gridSnap();
    const QPoint wanted = snap.snap(m_host.pictureAt(at)) - snap.snap(m_press);
    const QPoint travel =
        AreaPlacement::keptInside(m_group, wanted, m_host.document()->imageBounds());
    m_moved = m_moved || m_host.pictureAt(at) != m_press;
    if (travel == m_travel)
        return;
    repaintFeedback();
    m_travel = travel;
    repaintFeedback();
    if (StatusPanes* panes = m_host.statusPanes())
        panes->showDimensions(m_group.left + travel.x(), m_group.top + travel.y());
}

void GroupDrag::release(QPoint at) {
    move(at, Qt::NoModifier);
    if (m_ended)
        return;
    const QPoint travel = m_travel;
    end();
    if (!travel.isNull())
        m_host.document()->moveAreas(m_areas, travel.x(), travel.y());
    else if (!m_moved)
        m_host.setSelected(m_pressed);
}

void GroupDrag::cancel() {
    end();
}

void GroupDrag::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    repaintFeedback();
}
