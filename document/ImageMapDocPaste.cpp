// Pasting areas from the clipboard and dropping URLs onto areas.
#include "document/ImageMapDoc.h"

#include "model/AreaClipRecord.h"
#include "model/PastePosition.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UrlDrop.h"

int CImageMapDoc::pasteArea(const AreaClipRecord& record, PastePosition& position,
                            const GridSettings& grid, int zoom, QPoint scroll) {
    if (isReadOnly() || isFull())
        return -1;
    const QPoint at = position.placeFor(record.rect, grid, imageWidth(), imageHeight());
    std::unique_ptr<MapArea> area = record.makeArea(at, Settings::app().handleSize());
    // A copy larger than the picture is cut to it rather than left where
    // part of it cannot be reached.
    if (!area->isInside(imageBounds()))
        area->clampTo(imageBounds());
    area->rescale(zoom);
    area->setOrigin(scroll.x(), scroll.y());
    if (!addArea(std::move(area), Str::StepPaste))
        return -1;
    position.advanceFrom(at, grid);
    return areaCount() - 1;
}

int CImageMapDoc::dropTargetAt(QPoint viewPoint) {
    for (int i = 0; i < areaCount(); ++i) {
        if (m_areas[std::size_t(i)]->hitTestWithBounds(viewPoint.x(), viewPoint.y()) !=
            AreaHit::Miss)
            return i;
    }
    return -1;
}

int CImageMapDoc::dropUrl(const UrlDrop& drop, QPoint viewPoint) {
    if (isReadOnly() || drop.url.isEmpty())
        return -1;
    const int i = dropTargetAt(viewPoint);
    if (i < 0)
        return -1;
    PictureArea dropped = m_areas[std::size_t(i)]->picture();
    dropped.texts.url = drop.url;
    // Plain text is a URL only: the area keeps its comment.
    if (!drop.title.isEmpty())
        dropped.texts.comment = drop.title;
    pushAreaEdit(i, dropped, Str::StepDropUrl, false);
    return i;
}
