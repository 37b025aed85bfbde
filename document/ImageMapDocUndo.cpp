// Undo and redo of a map document: recording steps, the modified mark, and
// the primitives the steps change the map with.
#include "document/ImageMapDoc.h"

#include "document/AreaEditCommand.h"
#include "model/Settings.h"
#include "model/SourceTag.h"
#include "model/Strings.h"
#include "model/UndoMenuText.h"

#include <algorithm>

void CImageMapDoc::pushStep(QUndoCommand* cmd) {
    if (m_recording) {
        m_undo.push(cmd);
        return;
    }
    cmd->redo();
    delete cmd;
    setModified(true);
}

void CImageMapDoc::pushAreaEdit(int i, const PictureArea& after, int stepName, bool merging) {
    const MapArea* a = area(i);
    if (!a)
        return;
    const PictureArea before = a->picture();
    if (after != before)
        pushStep(new AreaEditCommand(*this, i, before, after, Strings::text(stepName), merging));
}

void CImageMapDoc::setModified(bool modified) {
    if (modified)
        m_undo.resetClean();
    else
        m_undo.setClean();
}

void CImageMapDoc::undo() {
    if (!isReadOnly())
        m_undo.undo();
}

void CImageMapDoc::redo() {
    if (!isReadOnly())
        m_undo.redo();
}

QString CImageMapDoc::undoMenuText() const {
    return UndoMenuText::undo(m_undo.canUndo(), m_undo.undoText());
}

QString CImageMapDoc::redoMenuText() const {
    return UndoMenuText::redo(m_undo.canRedo(), m_undo.redoText());
}

bool CImageMapDoc::nudgeArea(int i, int dx, int dy) {
    const MapArea* a = area(i);
    if (!a || isReadOnly())
        return false;
    const PictureArea before = a->picture();
    // Within the picture, or no farther out than the area already is.
    const PixelRect limit = m_image ? imageBounds() : MapArea::kDefaultLimit;
    const PixelRect box = before.bounds();
    dx = std::clamp(dx, std::min(0, limit.left - box.left), std::max(0, limit.right - box.right));
    dy = std::clamp(dy, std::min(0, limit.top - box.top), std::max(0, limit.bottom - box.bottom));
    if (dx == 0 && dy == 0)
        return false;
    pushAreaEdit(i, before.translated(dx, dy), Str::StepMoveArea, true);
    return true;
}

std::vector<PictureArea> CImageMapDoc::pictures() const {
    std::vector<PictureArea> list;
    list.reserve(m_areas.size());
    for (const auto& a : m_areas)
        list.push_back(a->picture());
    return list;
}

std::unique_ptr<MapArea> CImageMapDoc::areaOf(const PictureArea& p) const {
    auto a = newArea(p.shape);
    a->setPicture(p);
    return a;
}

// --- primitives ---------------------------------------------------------------------
// An area put back in the middle arrives at the end and then moves to its
// place, so that views follow it with the two notices they know.
void CImageMapDoc::insertAreaAt(int i, std::unique_ptr<MapArea> area) {
    const int last = areaCount();
    i = std::clamp(i, 0, last);
    m_areas.push_back(std::move(area));
    emit areaAdded(last);
    if (i != last) {
        const auto first = m_areas.begin();
        std::rotate(first + i, first + last, first + last + 1);
        emit areaMoved(last, i);
    }
}

std::unique_ptr<MapArea> CImageMapDoc::takeAreaAt(int i) {
    if (!validIndex(i))
        return nullptr;
    std::unique_ptr<MapArea> taken = std::move(m_areas[std::size_t(i)]);
    m_areas.erase(m_areas.begin() + i);
    emit areaRemoved(i, taken->imageRect());
    return taken;
}

void CImageMapDoc::reorderArea(int from, int to) {
    if (from == to || !validIndex(from) || !validIndex(to))
        return;
    const auto first = m_areas.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    emit areaMoved(from, to);
}

void CImageMapDoc::applyAreaPicture(int i, const PictureArea& p) {
    if (!validIndex(i))
        return;
    MapArea& a = *m_areas[std::size_t(i)];
    const PixelRect before = a.imageRect();
    const SourceTag* source = a.source();
    if (source && !source->clickable && p.source.get() == source) {
        // Browsers give it no shape, and no move, reshape or arrangement
        // gives it one: it stays as written, and only its texts change.
        PictureArea kept = source->read;
        kept.texts = p.texts;
        kept.source = p.source;
        a.setPicture(kept);
    } else {
        a.setPicture(p);
    }
    emit areaChanged(i, before, a.imageRect());
}

// The areas already there take the new pictures; only those beyond are
// made anew.
void CImageMapDoc::replaceAreas(const std::vector<PictureArea>& areas) {
    const std::size_t kept = std::min(areas.size(), m_areas.size());
    m_areas.resize(kept);
    for (std::size_t i = 0; i < kept; ++i)
        m_areas[i]->setPicture(areas[i]);
    for (std::size_t i = kept; i < areas.size(); ++i)
        m_areas.push_back(areaOf(areas[i]));
    emit allChanged(HintAll);
}

void CImageMapDoc::applyMapInfo(const MapInfo& info) {
    const QByteArray date = m_info.date;
    const bool readOnly = m_info.readOnly;
    m_info = info;
    m_info.date = date;
    m_info.readOnly = readOnly;
    recomposeNames();
}

CImageMapDoc::PictureState CImageMapDoc::pictureState() const {
    return {m_image, m_imagePath, m_info.imageFolder, m_info.imageFile};
}

void CImageMapDoc::applyPicture(const PictureState& state) {
    m_image = state.image;
    m_imagePath = state.imagePath;
    m_info.imageFolder = state.imageFolder;
    m_info.imageFile = state.imageFile;
    recomposeNames();
    emit allChanged(HintImageChanged);
}
