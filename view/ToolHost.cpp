#include "view/ToolHost.h"

#include "document/ImageMapDoc.h"
#include "model/CommandIds.h"
#include "model/Settings.h"
#include "view/StatusPanes.h"

#include <algorithm>

int ToolHost::addDrawnArea(std::unique_ptr<MapArea> area, int stepName) {
    CImageMapDoc& doc = *document();
    if (!(stepName ? doc.addArea(std::move(area), stepName) : doc.addArea(std::move(area))))
        return -1;
    const int index = doc.areaCount() - 1;
    if (Settings::app().areaPrompt) {
        setSelected(index);
        postCommand(CommandId::EditAreaInfo);
    }
    return index;
}

QPoint ToolHost::snappedPictureAt(QPoint window) const {
    const PixelRect b = document()->imageBounds();
    const QPoint p = gridSnap().snap(pictureAt(window));
    return {std::clamp(p.x(), b.left, b.right), std::clamp(p.y(), b.top, b.bottom)};
}

AreaGeometry ToolHost::geometryOf(int index) const {
    const MapArea* area = document()->area(index);
    return area ? AreaGeometry(*area, mapping(), Settings::app().handleSize()) : AreaGeometry();
}

void ToolHost::endInteraction() {
    setFeedbackPainter({});
    if (StatusPanes* panes = statusPanes()) {
        panes->showDimensions(0, 0);
        panes->showPrompt(QString());
    }
}

std::vector<int> ToolHost::areasNear(QPoint) const {
    std::vector<int> all(std::size_t(document()->areaCount()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = int(i);
    return all;
}
