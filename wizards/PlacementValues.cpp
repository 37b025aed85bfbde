#include "wizards/PlacementValues.h"

#include "model/Prompter.h"
#include "model/Strings.h"

PlacementValues::PlacementValues(const PageSummary& page, const QByteArray& mapName)
    : m_page(page), m_mapName(mapName) {
    for (const PageSummary::Image& image : page.images)
        m_rows.append({image.src, image.mapName, image.offset});
    for (const QByteArray& map : page.unusedMaps())
        m_rows.append({{}, map, -1});
}

bool PlacementValues::mayKeepName() const {
    if (!m_page.hasMap(m_mapName))
        return true;
    const QByteArray shown = m_mapName;
    return Prompter::askYes(Strings::format(Str::MapNameExists, shown.constData()));
}

bool PlacementValues::accept(int row) {
    if (!canAccept(row))
        return false;
    const Row& chosen = m_rows[row];
    if (!chosen.map.isEmpty()) {
        if (!Prompter::askYes(Strings::text(Str::ReplaceExistingMap)))
            return false;
        m_mapName = chosen.map;
    } else if (!mayKeepName()) {
        return false;
    }
    m_imgTagOffset = chosen.imgTagOffset;
    m_insertOffset = -1;
    return true;
}

bool PlacementValues::acceptAdded(int insertOffset) {
    if (!mayKeepName())
        return false;
    m_imgTagOffset = -1;
    m_insertOffset = insertOffset;
    return true;
}
