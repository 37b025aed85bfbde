#include "app/frames/MapViewPane.h"

#include "document/ImageMapDoc.h"
#include "view/ImageMapView.h"
#include "view/StatusPanes.h"

MapViewPane::MapViewPane(CImageMapDoc& doc, ToolZoomState& toolZoom, StatusPanes* panes,
                         QWidget* parent)
    : m_view(new CImageMapView(&doc, panes, parent, &toolZoom)), m_panes(panes) {
    m_view->setObjectName(QStringLiteral("mapView"));
}

CImageMapView* MapViewPane::view() const {
    return m_view;
}

QWidget* MapViewPane::widget() {
    return m_view;
}

CommandTarget* MapViewPane::commandTarget() {
    return m_view;
}

int MapViewPane::selectedArea() const {
    return m_view ? m_view->selected() : -1;
}

void MapViewPane::selectArea(int index) {
    if (m_view)
        m_view->setSelected(index);
}

void MapViewPane::selectAreas(const std::vector<int>& indices) {
    if (!m_view)
        return;
    AreaSelection selection;
    for (int i : indices)
        selection.add(i);
    m_view->setSelection(selection);
}

void MapViewPane::setSelectionSetListener(std::function<void(const std::vector<int>&)> listener) {
    if (m_view)
        QObject::connect(m_view, &CImageMapView::selectionChanged, m_view,
                         [view = m_view, listener = std::move(listener)] {
                             listener(view->currentSelection().indices());
                         });
}

void MapViewPane::revealArea(int index) {
    if (m_view)
        m_view->revealArea(index);
}

QRect MapViewPane::screenRect(int index) const {
    if (!m_view || !m_view->isVisible())
        return {};
    const CImageMapDoc* doc = m_view->document();
    PixelRect box = doc->imageBounds();
    if (index >= 0) {
        const MapArea* area = doc->area(index);
        if (!area)
            return {};
        box = area->imageRect();
    }
    const QRect window(m_view->imageToWindow({box.left, box.top}),
                       m_view->imageToWindow({box.right, box.bottom}) - QPoint(1, 1));
    const QRect shown = window.intersected(m_view->viewport()->rect());
    if (shown.isEmpty())
        return {};
    return shown.translated(m_view->viewport()->mapToGlobal(QPoint()));
}

void MapViewPane::setSelectionListener(std::function<void(int index)> listener) {
    if (m_view)
        QObject::connect(m_view, &CImageMapView::selectionChanged, m_view, std::move(listener));
}

void MapViewPane::endFlyby() {
    if (m_view)
        m_view->setFlyby(-1);
}

void MapViewPane::setCommandPoster(std::function<void(CommandId id)> poster) {
    if (m_view)
        m_view->setCommandPoster(std::move(poster));
}

void MapViewPane::setCommandStateListener(std::function<void()> listener) {
    if (!m_view)
        return;
    QObject::connect(m_view, &CImageMapView::selectionChanged, m_view, [listener] { listener(); });
    QObject::connect(m_view, &CImageMapView::zoomChanged, m_view, [listener] { listener(); });
}

void MapViewPane::setContextMenuHandler(std::function<void(int menuId, QPoint global)> open) {
    if (m_view)
        m_view->setContextMenuHandler(std::move(open));
}

void MapViewPane::activated() {
    if (!m_panes || !m_view)
        return;
    m_panes->showZoom(m_view->zoom());
    m_panes->showPosition(-1, -1);
    m_panes->showDimensions(0, 0);
}
