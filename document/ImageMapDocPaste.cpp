// Pasting areas from the clipboard and dropping URLs onto areas.
#include "document/ImageMapDoc.h"

#include "model/AreaClipRecord.h"
#include "model/PastePosition.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UrlDrop.h"

#include <algorithm>

int CImageMapDoc::pasteArea(const AreaClipRecord& record, PastePosition& position,
                            const GridSettings& grid) {
    if (isReadOnly() || isFull())
        return -1;
    const QPoint at = position.placeFor(record.rect, grid, imageWidth(), imageHeight());
    std::unique_ptr<MapArea> area = record.makeArea(at);
    // A polygon's record places the box of its region; a vertex on a
    // slanted edge may lie a pixel before it, which at the picture's corner
    // is off the picture: such a copy moves in by that pixel.
    if (area->shape() == AreaShape::Polygon) {
        const PixelRect vertices = area->picture().bounds();
        const int dx = std::max(0, -vertices.left), dy = std::max(0, -vertices.top);
        if (dx || dy)
            area->setPicture(area->picture().translated(dx, dy));
    }
    // A copy larger than the picture is cut to it rather than left where
    // part of it cannot be reached.
    if (!area->isInside(imageBounds()))
        area->clampTo(imageBounds());
    if (!addArea(std::move(area), Str::StepPaste))
        return -1;
    position.advanceFrom(at, grid);
    return areaCount() - 1;
}

std::pair<int, int>
CImageMapDoc::pasteAreas(const std::vector<std::pair<AreaClipRecord, QPoint>>& records,
                         PastePosition& position, const GridSettings& grid) {
    if (isReadOnly() || isFull() || records.empty())
        return {-1, 0};
    if (records.size() == 1) {
        const int i = pasteArea(records.front().first, position, grid);
        return {i, i < 0 ? 0 : 1};
    }
    // A paste of several areas is one step: all of them, or none and the
    // user told why, never a silent part of what was copied.
    if (records.size() > std::size_t(kMaxAreas - areaCount())) {
        Prompter::current().tell(Strings::format(Str::PasteTooMany, int(records.size()),
                                                 kMaxAreas - areaCount(), kMaxAreas),
                                 Prompter::Icon::Exclamation);
        return {-1, 0};
    }
    PixelRect group;
    for (const auto& [record, origin] : records)
        group = group.united(record.rect.translated(origin.x(), origin.y()));
    const QPoint at =
        position.placeFor({0, 0, group.width(), group.height()}, grid, imageWidth(), imageHeight());
    std::vector<PictureArea> pictures;
    pictures.reserve(records.size());
    for (const auto& [record, origin] : records) {
        std::unique_ptr<MapArea> area =
            record.makeArea(at + origin - QPoint(group.left, group.top));
        if (!area->isInside(imageBounds()))
            area->clampTo(imageBounds());
        pictures.push_back(area->picture());
    }
    const int first = addAreas(pictures, Str::StepPaste);
    if (first < 0)
        return {-1, 0};
    position.advanceFrom(at, grid);
    return {first, areaCount() - first};
}

int CImageMapDoc::dropTargetAt(QPoint p) const {
    for (int i = 0; i < areaCount(); ++i) {
        if (m_areas[std::size_t(i)]->contains(p))
            return i;
    }
    return -1;
}

int CImageMapDoc::dropUrl(const UrlDrop& drop, QPoint p) {
    if (isReadOnly() || drop.url.isEmpty())
        return -1;
    const int i = dropTargetAt(p);
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
