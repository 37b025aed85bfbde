// Operations over several areas at once: moving, deleting, reordering,
// arranging, texts and pasting a group, each one step named for the number
// of areas it changes.
#include "document/ImageMapDoc.h"

#include "document/AreaEditCommand.h"
#include "document/AreaGroupEditCommand.h"
#include "document/AreaInsertCommand.h"
#include "document/AreaOrderCommand.h"
#include "model/Strings.h"

#include <algorithm>

namespace {

// Valid indices, ascending, each once.
std::vector<int> cleaned(const std::vector<int>& indices, int count) {
    std::vector<int> out;
    out.reserve(indices.size());
    for (int i : indices) {
        if (i >= 0 && i < count)
            out.push_back(i);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// The selection order kept, indices outside dropped and repeats left out.
std::vector<int> validInOrder(const std::vector<int>& indices, int count) {
    std::vector<int> out;
    std::vector<char> seen(std::size_t(std::max(count, 0)), 0);
    for (int i : indices) {
        if (i >= 0 && i < count && !seen[std::size_t(i)]) {
            seen[std::size_t(i)] = 1;
            out.push_back(i);
        }
    }
    return out;
}

// What an arrange command does to the selection: its areas in selection
// order, their geometry before and after. Empty when the command has too
// few areas to work on.
struct Arranged {
    std::vector<int> list;
    std::vector<PictureArea> before, after;
};

Arranged arranged(const CImageMapDoc& doc, const std::vector<int>& selection, AreaArrange::Op op) {
    Arranged a;
    a.list = validInOrder(selection, doc.areaCount());
    if (int(a.list.size()) < AreaArrange::minimumCount(op)) {
        a.list.clear();
        return a;
    }
    a.before.reserve(a.list.size());
    for (int i : a.list)
        a.before.push_back(doc.area(i)->picture());
    a.after = AreaArrange::apply(op, a.before, doc.image() ? doc.imageBounds() : PixelRect{});
    return a;
}

QString countedStep(int oneName, int severalName, std::size_t count) {
    return count == 1 ? Strings::text(oneName) : Strings::format(severalName, int(count));
}

} // namespace

QPoint CImageMapDoc::groupMoveLimit(const std::vector<int>& indices, int dx, int dy) const {
    PixelRect box;
    for (int i : cleaned(indices, areaCount()))
        box = box.united(m_areas[std::size_t(i)]->picture().bounds());
    if (box.isEmpty())
        return {};
    // Within the picture, or no farther out than the group already is.
    const PixelRect limit = m_image ? imageBounds() : MapArea::kDefaultLimit;
    dx = std::clamp(dx, std::min(0, limit.left - box.left), std::max(0, limit.right - box.right));
    dy = std::clamp(dy, std::min(0, limit.top - box.top), std::max(0, limit.bottom - box.bottom));
    return {dx, dy};
}

bool CImageMapDoc::moveAreas(const std::vector<int>& indices, int dx, int dy, bool nudge) {
    if (isReadOnly())
        return false;
    const std::vector<int> list = cleaned(indices, areaCount());
    if (list.empty())
        return false;
    const QPoint d = groupMoveLimit(list, dx, dy);
    if (d.isNull())
        return false;
    if (list.size() == 1) {
        const PictureArea before = m_areas[std::size_t(list.front())]->picture();
        pushAreaEdit(list.front(), before.translated(d.x(), d.y()), Str::StepMoveArea, nudge);
        return true;
    }
    std::vector<AreaGroupEditCommand::Change> changes;
    changes.reserve(list.size());
    for (int i : list) {
        const PictureArea before = m_areas[std::size_t(i)]->picture();
        changes.push_back({i, before, before.translated(d.x(), d.y())});
    }
    pushStep(new AreaGroupEditCommand(
        *this, std::move(changes), Strings::format(Str::StepMoveAreas, int(list.size())), nudge));
    return true;
}

// From the back, so that each index still names its area when it goes.
void CImageMapDoc::deleteAreas(const std::vector<int>& indices, bool cut) {
    const std::vector<int> list = cleaned(indices, areaCount());
    if (list.empty() || isReadOnly())
        return;
    const int one = cut ? Str::StepCut : Str::StepDeleteArea;
    if (list.size() == 1) {
        pushStep(new AreaInsertCommand(*this, AreaInsertCommand::Kind::Remove, list.front(),
                                       nullptr, Strings::text(one)));
        return;
    }
    auto* step = new QUndoCommand(
        countedStep(one, cut ? Str::StepCutAreas : Str::StepDeleteAreas, list.size()));
    for (auto i = list.rbegin(); i != list.rend(); ++i)
        new AreaInsertCommand(*this, AreaInsertCommand::Kind::Remove, *i, nullptr, QString(), step);
    pushStep(step);
}

bool CImageMapDoc::canBringToFront(const std::vector<int>& indices) const {
    const std::vector<int> list = cleaned(indices, areaCount());
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (list[k] != int(k))
            return true;
    }
    return false;
}

bool CImageMapDoc::canSendToBack(const std::vector<int>& indices) const {
    const std::vector<int> list = cleaned(indices, areaCount());
    const int first = areaCount() - int(list.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (list[k] != first + int(k))
            return true;
    }
    return false;
}

// The k-th area of the group (in map order) goes to place k: the areas it
// passes are none of the group's, so the group keeps its order.
void CImageMapDoc::bringAreasToFront(const std::vector<int>& indices) {
    const std::vector<int> list = cleaned(indices, areaCount());
    if (isReadOnly() || !canBringToFront(list))
        return;
    if (list.size() == 1) {
        moveArea(list.front(), 0);
        return;
    }
    auto* step = new QUndoCommand(
        countedStep(Str::StepBringToFront, Str::StepBringAreasToFront, list.size()));
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (list[k] != int(k))
            new AreaOrderCommand(*this, list[k], int(k), QString(), step);
    }
    pushStep(step);
}

void CImageMapDoc::sendAreasToBack(const std::vector<int>& indices) {
    const std::vector<int> list = cleaned(indices, areaCount());
    if (isReadOnly() || !canSendToBack(list))
        return;
    if (list.size() == 1) {
        moveArea(list.front(), areaCount() - 1);
        return;
    }
    auto* step =
        new QUndoCommand(countedStep(Str::StepSendToBack, Str::StepSendAreasToBack, list.size()));
    const int last = areaCount() - 1;
    const int n = int(list.size());
    for (int k = n - 1; k >= 0; --k) {
        const int to = last - (n - 1 - k);
        if (list[std::size_t(k)] != to)
            new AreaOrderCommand(*this, list[std::size_t(k)], to, QString(), step);
    }
    pushStep(step);
}

bool CImageMapDoc::canArrange(const std::vector<int>& selection, AreaArrange::Op op) const {
    if (isReadOnly())
        return false;
    const Arranged a = arranged(*this, selection, op);
    return !a.list.empty() && a.after != a.before;
}

bool CImageMapDoc::arrangeAreas(const std::vector<int>& selection, AreaArrange::Op op,
                                int stepName) {
    if (isReadOnly())
        return false;
    const auto [list, before, after] = arranged(*this, selection, op);
    if (list.empty())
        return false;
    std::vector<AreaGroupEditCommand::Change> changes;
    for (std::size_t k = 0; k < list.size(); ++k) {
        if (!(after[k] == before[k]))
            changes.push_back({list[k], before[k], after[k]});
    }
    if (changes.empty())
        return false;
    std::sort(changes.begin(), changes.end(),
              [](const auto& a, const auto& b) { return a.index < b.index; });
    pushStep(new AreaGroupEditCommand(*this, std::move(changes),
                                      Strings::text(stepName).remove(QLatin1Char('&')), false));
    return true;
}

void CImageMapDoc::setAreasTexts(const std::vector<std::pair<int, AreaTexts>>& texts) {
    if (isReadOnly())
        return;
    std::vector<AreaGroupEditCommand::Change> changes;
    for (const auto& [i, t] : texts) {
        if (!validIndex(i))
            continue;
        const PictureArea before = m_areas[std::size_t(i)]->picture();
        PictureArea after = before;
        after.texts = t;
        if (!(after == before))
            changes.push_back({i, before, after});
    }
    if (changes.empty())
        return;
    if (changes.size() == 1) {
        pushAreaEdit(changes.front().index, changes.front().after, Str::StepAreaSettings, false);
        return;
    }
    const int n = int(changes.size());
    pushStep(new AreaGroupEditCommand(*this, std::move(changes),
                                      Strings::format(Str::StepAreasSettings, n), false));
}

int CImageMapDoc::addAreas(const std::vector<PictureArea>& areas, int stepName) {
    if (isReadOnly() || areas.empty() || isFull())
        return -1;
    const int first = areaCount();
    const std::size_t room = std::size_t(kMaxAreas - first);
    const std::size_t n = std::min(room, areas.size());
    // New areas are the editor's: none is written as the tag of another.
    const auto made = [this](PictureArea p) {
        p.source = {};
        return areaOf(p);
    };
    if (n == 1) {
        addArea(made(areas.front()), stepName);
        return first;
    }
    auto* step = new QUndoCommand(Strings::format(Str::StepPasteAreas, int(n)));
    for (std::size_t k = 0; k < n; ++k)
        new AreaInsertCommand(*this, AreaInsertCommand::Kind::Insert, first + int(k),
                              made(areas[k]), QString(), step);
    pushStep(step);
    return first;
}
