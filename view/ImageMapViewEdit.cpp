// The map view's editing commands beyond the tools: the clipboard, Insert
// and Delete Point and their context menus, arrow-key nudges and URL drops.
#include "document/ImageMapDoc.h"
#include "model/AreaClipJson.h"
#include "model/AreaClipList.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UrlDrop.h"
#include "view/ImageMapView.h"

#include "view/ClipboardAreas.h"
#include "view/MapTool.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// Context menus by what lies under a right press.
enum Menu : int {
    AreaMenu = 150,            // an area (arrow tool)
    DeletePointMenu = 151,     // a polygon's vertex (polygon tool)
    InsertPointMenu = 152,     // a polygon's edge (polygon tool)
    InsertPointAreaMenu = 153, // a polygon's edge (arrow tool)
    DeletePointAreaMenu = 154, // a polygon's vertex (arrow tool)
    MapMenu = 155,             // anything else
};

// Files dropped on the view are the frame's (it opens them), not URLs.
bool onlyFiles(const QMimeData& data) {
    if (!data.hasUrls())
        return false;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            return false;
    }
    return true;
}

// Where the next paste goes, in whichever map: a copy in one map pastes
// beside its original's place in any other. Each view notes it as well.
PastePosition& sharedPastePosition() {
    static PastePosition position;
    return position;
}

} // namespace

// --- commands ------------------------------------------------------------------

bool CImageMapView::editCommand(CommandId id) {
    CommandState state;
    if (!editCommandState(id, state))
        return false;
    if (!state.enabled)
        return true; // taken, as a disabled command is: nothing happens
    switch (id) {
    case CommandId::Copy:
        copySelected();
        break;
    case CommandId::Cut:
        copySelected();
        deleteSelected(true);
        break;
    case CommandId::Paste:
        paste();
        break;
    case CommandId::InsertPoint:
        insertPoint();
        break;
    case CommandId::DeletePoint:
        deletePoint();
        break;
    default:
        return false;
    }
    return true;
}

bool CImageMapView::editCommandState(CommandId id, CommandState& state) {
    CImageMapDoc::CommandContext context = commandContext();
    switch (id) {
    case CommandId::Copy:
    case CommandId::Cut:
        state.enabled = m_doc->commandEnabled(id, context);
        return true;
    case CommandId::Paste:
        context.clipboardHasArea = ClipboardAreas::instance().offered();
        state.enabled = m_doc->commandEnabled(id, context) && !m_doc->isFull();
        return true;
    case CommandId::InsertPoint:
        state.enabled = canInsertPoint();
        return true;
    case CommandId::DeletePoint: {
        const MapArea* a = m_doc->area(m_pointTarget.area);
        state.enabled = !m_doc->isReadOnly() && a && a->shape() == AreaShape::Polygon &&
                        m_pointTarget.vertex >= 0 && m_pointTarget.vertex < a->vertexCount();
        return true;
    }
    default:
        return false;
    }
}

// Copy sets the paste position to the copied area's picture corner + 10,
// for a paste into this map or any other.
// Several selected areas go in map order, and the paste position follows
// their box.
void CImageMapView::copySelected() {
    std::vector<const MapArea*> areas;
    PixelRect box;
    for (int i : m_selection.inMapOrder()) {
        areas.push_back(m_doc->area(i));
        box = box.united(areas.back()->imageRect());
    }
    if (areas.empty())
        return;
    sharedPastePosition().setFromCopy(box, QPoint());
    m_pastePosition = sharedPastePosition();
    auto* data = new QMimeData;
    AreaClipList::putInto(*data, areas);
    QGuiApplication::clipboard()->setMimeData(data);
}

// A paste selects what it pasted.
void CImageMapView::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    std::vector<std::pair<AreaClipRecord, QPoint>> records;
    for (const AreaClipList::Item& item : AreaClipList::fromMimeData(*data))
        records.emplace_back(item.record, item.origin);
    if (records.empty())
        return;
    cancelInteraction();
    const auto [first, count] =
        m_doc->pasteAreas(records, sharedPastePosition(), Settings::app().grid);
    m_pastePosition = sharedPastePosition();
    AreaSelection pasted;
    for (int i = first; i >= 0 && i < first + count; ++i)
        pasted.add(i);
    if (!pasted.empty())
        setSelection(pasted);
}

// --- polygon points and context menus ------------------------------------------

int CImageMapView::contextMenuAt(QPoint window) {
    m_pointTarget = {};
    const bool polygonTool = m_toolZoom->isPolygon();
    if (polygonTool || m_toolZoom->isArrow()) {
        for (const int i : areasNear(window)) {
            const AreaGeometry* g = cached(i);
            if (!g || g->shape() != AreaShape::Polygon)
                continue;
            const AreaGeometry& a = *g;
            for (int v = 0; v < a.vertexCount(); ++v) {
                if (a.vertexHandle(v).contains(window)) {
                    m_pointTarget = {i, v, -1, window};
                    if (!polygonTool)
                        setSelected(i);
                    return polygonTool ? DeletePointMenu : DeletePointAreaMenu;
                }
            }
            const int edge = a.findEdge(window);
            if (edge >= 0) {
                m_pointTarget = {i, -1, edge, window};
                if (!polygonTool)
                    setSelected(i);
                return polygonTool ? InsertPointMenu : InsertPointAreaMenu;
            }
        }
    }
    if (m_toolZoom->isArrow()) {
        const MapTool::Hit hit = currentTool().hitAt(window, Qt::NoModifier);
        if (hit.found()) {
            // A menu over one of several selected areas works on them all.
            if (!m_selection.contains(hit.index))
                setSelected(hit.index);
            return AreaMenu;
        }
    }
    return MapMenu;
}

void CImageMapView::contextMenuEvent(QContextMenuEvent* event) {
    // Right presses open their menus as they come; the menu key opens the
    // one for the selected area's centre, else the window's corner + 3.
    if (event->reason() == QContextMenuEvent::Mouse || !m_contextMenu || m_doc->isReadOnly())
        return;
    areaTip(-1, {});
    QPoint at(3, 3);
    if (const AreaGeometry* g = cached(m_selection.key())) {
        const PixelRect r = g->windowRect();
        at = {r.left + r.width() / 2, r.top + r.height() / 2};
    }
    const int menu = contextMenuAt(at);
    m_contextMenu(menu, viewport()->mapToGlobal(at));
}

// Insert Point keeps the polygon within its limit of vertices, so it never
// marks the map modified without adding a point.
bool CImageMapView::canInsertPoint() const {
    const MapArea* a = m_doc->area(m_pointTarget.area);
    return !m_doc->isReadOnly() && a && a->shape() == AreaShape::Polygon &&
           m_pointTarget.edge >= 0 && m_pointTarget.edge < a->vertexCount() &&
           MapArea::roomForVertex(a->vertexCount());
}

void CImageMapView::insertPoint() {
    const PointTarget t = m_pointTarget;
    m_pointTarget = {};
    const QPoint picture = pictureAt(t.at);
    m_doc->changeArea(
        t.area, [t, picture](MapArea& a) { a.insertVertex(t.edge, picture.x(), picture.y()); });
}

// A polygon that would be left with fewer than three points goes whole,
// once the user agrees.
void CImageMapView::deletePoint() {
    const PointTarget t = m_pointTarget;
    m_pointTarget = {};
    const MapArea& a = *m_doc->area(t.area);
    if (a.vertexCount() > 3) {
        m_doc->changeArea(t.area, [t](MapArea& area) { area.deleteVertex(t.vertex); });
        return;
    }
    if (Prompter::current().ask(Strings::text(Str::DeletePointQuestion), Prompter::Buttons::YesNo,
                                Prompter::Icon::Exclamation) != Prompter::Answer::Yes)
        return;
    setSelected(-1);
    setFlyby(-1);
    m_doc->deleteArea(t.area);
}

// --- nudges -------------------------------------------------------------------------

// --- URL drops ------------------------------------------------------------------------

void CImageMapView::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (m_doc->isReadOnly() || !data || onlyFiles(*data) || !UrlDrop::fromMimeData(*data)) {
        event->ignore();
        return;
    }
    window()->raise();
    activateWindow();
    event->acceptProposedAction();
}

// The area the drop would change shows as the flyby: the front-most one
// under the point, as a visitor's click finds it.
void CImageMapView::dragMoveEvent(QDragMoveEvent* event) {
    const int target = m_doc->dropTargetAt(pictureAt(event->position().toPoint()));
    setFlyby(target);
    if (target >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CImageMapView::dragLeaveEvent(QDragLeaveEvent* event) {
    setFlyby(-1);
    event->accept();
}

void CImageMapView::dropEvent(QDropEvent* event) {
    setFlyby(-1);
    const QMimeData* data = event->mimeData();
    const std::optional<UrlDrop> drop =
        data && !onlyFiles(*data) ? UrlDrop::fromMimeData(*data) : std::nullopt;
    if (!drop) {
        event->ignore();
        return;
    }
    const int i = m_doc->dropUrl(*drop, pictureAt(event->position().toPoint()));
    if (i < 0) {
        event->ignore();
        return;
    }
    setSelected(i);
    event->acceptProposedAction();
}
