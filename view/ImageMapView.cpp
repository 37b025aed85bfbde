// The map view: coordinates, scrolling, zoom, first showing, selection and
// the document's notices.
#include "view/ImageMapView.h"

#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "view/ArrowTool.h"
#include "view/PolygonTool.h"
#include "view/ShapeTool.h"
#include "view/StatusPanes.h"
#include "view/ViewInteraction.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScrollStep = 32;
constexpr int kTipDelay = 125; // ms the mouse rests on an area before its tip

int mod8(int v) {
    return ((v % 8) + 8) % 8;
}

} // namespace

CImageMapView::CImageMapView(CImageMapDoc* document, StatusPanes* panes, QWidget* parent,
                             ToolZoomState* toolZoom)
    : QAbstractScrollArea(parent), m_doc(document), m_panes(panes),
      m_ownToolZoom(toolZoom ? nullptr : std::make_unique<ToolZoomState>()),
      m_toolZoom(toolZoom ? toolZoom : m_ownToolZoom.get()), m_zoom(m_toolZoom->zoom()) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted by the view, so Qt need not erase first and
    // can move painted pixels when scrolling.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    // The cursor position pane follows the mouse without a button held.
    viewport()->setMouseTracking(true);

    connect(m_doc, &CImageMapDoc::areaAdded, this, &CImageMapView::onAreaAdded);
    connect(m_doc, &CImageMapDoc::areaRemoved, this, &CImageMapView::onAreaRemoved);
    connect(m_doc, &CImageMapDoc::areaChanged, this, &CImageMapView::onAreaChanged);
    connect(m_doc, &CImageMapDoc::areaMoved, this, &CImageMapView::onAreaMoved);
    connect(m_doc, &CImageMapDoc::allChanged, this, &CImageMapView::onAllChanged);

    using Tool = ToolZoomState::Tool;
    m_tools[std::size_t(Tool::Rectangle)] =
        std::make_unique<ShapeTool>(*this, AreaShape::Rectangle);
    m_tools[std::size_t(Tool::Circle)] = std::make_unique<ShapeTool>(*this, AreaShape::Circle);
    m_tools[std::size_t(Tool::Polygon)] = std::make_unique<PolygonTool>(*this);
    m_tools[std::size_t(Tool::Arrow)] = std::make_unique<ArrowTool>(*this);
    connect(m_toolZoom, &ToolZoomState::toolChanged, this, &CImageMapView::onToolChanged);
    connect(m_toolZoom, &ToolZoomState::zoomChanged, this, [this](int z) {
        if (z != m_zoom)
            setZoom(z);
    });
    m_tipTimer.setSingleShot(true);
    m_tipTimer.setInterval(kTipDelay);
    connect(&m_tipTimer, &QTimer::timeout, this, &CImageMapView::showTip);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(&Settings::notifier(), &SettingsNotifier::changed, this,
            &CImageMapView::settingsChanged);
    updateScrollRange();
    syncAllAreas();
}

CImageMapView::~CImageMapView() {
    m_interaction.reset(); // it may still refer to the view
}

// --- coordinates ---------------------------------------------------------------

QPoint CImageMapView::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CImageMapView::setScrollPosition(QPoint position) {
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

QSize CImageMapView::scaledImageSize() const {
    return QSize(m_doc->imageWidth(), m_doc->imageHeight()) * zoom();
}

QRect CImageMapView::imageRectInWindow() const {
    return QRect(-scrollPosition(), scaledImageSize());
}

QPoint CImageMapView::windowToImage(QPoint window) const {
    const QPoint p = window + scrollPosition();
    return {p.x() / zoom(), p.y() / zoom()};
}

QPoint CImageMapView::imageToWindow(QPoint image) const {
    return image * zoom() - scrollPosition();
}

QPoint CImageMapView::hatchOrigin() const {
    const QPoint s = scrollPosition();
    return {mod8(viewport()->width() - s.x()), mod8(viewport()->height() - s.y())};
}

void CImageMapView::updateScrollRange() {
    const QSize scaled = scaledImageSize();
    const QSize window = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, scaled.width() - window.width()));
    horizontalScrollBar()->setPageStep(std::max(1, window.width()));
    verticalScrollBar()->setRange(0, std::max(0, scaled.height() - window.height()));
    verticalScrollBar()->setPageStep(std::max(1, window.height()));
}

// Brings an area's view geometry to this view's zoom, scroll position and
// window size.
void CImageMapView::syncArea(MapArea& area) const {
    if (area.scale() != zoom())
        area.rescale(zoom());
    const QPoint s = scrollPosition();
    area.setOrigin(s.x(), s.y(), viewport()->width(), viewport()->height());
}

void CImageMapView::syncAllAreas() {
    for (int i = 0; i < m_doc->areaCount(); ++i)
        syncArea(*m_doc->area(i));
}

void CImageMapView::boundAreas() {
    if (!m_doc->image())
        return;
    for (int i = 0; i < m_doc->areaCount(); ++i)
        m_doc->area(i)->setLimitRect(m_doc->imageBounds());
}

void CImageMapView::scrollContentsBy(int dx, int dy) {
    syncAllAreas();
    if (!m_relayout)
        viewport()->scroll(dx, dy);
}

void CImageMapView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    syncAllAreas();
    if (m_panes)
        m_panes->showZoom(zoom());
}

// --- zoom -------------------------------------------------------------------------

void CImageMapView::setZoom(int zoom) {
    zoom = std::clamp(zoom, ToolZoomState::kMinZoom, ToolZoomState::kMaxZoom);
    const int old = m_zoom;
    if (zoom != old) {
        cancelInteraction();
        const QSize window = viewport()->size();
        const QPointF centre =
            (QPointF(scrollPosition()) + QPointF(window.width(), window.height()) / 2) / old;
        m_zoom = zoom;
        m_relayout = true;
        updateScrollRange();
        const QSize after = viewport()->size();
        setScrollPosition({int(std::lround(centre.x() * zoom - after.width() / 2.0)),
                           int(std::lround(centre.y() * zoom - after.height() / 2.0))});
        m_relayout = false;
        syncAllAreas();
        viewport()->update();
    }
    // After the view follows: the state's signal finds the view there.
    m_toolZoom->setZoom(zoom);
    if (zoom != old)
        emit zoomChanged(zoom);
    if (m_panes)
        m_panes->showZoom(zoom);
}

void CImageMapView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (m_firstShowDone || m_firstShowQueued)
        return;
    m_firstShowQueued = true;
    QMetaObject::invokeMethod(this, &CImageMapView::applyFirstShow, Qt::QueuedConnection);
}

void CImageMapView::applyFirstShow() {
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    boundAreas();
    const Settings& s = Settings::app();
    const int w = m_doc->imageWidth(), h = m_doc->imageHeight();
    if (!s.maximizeOnOpen || !s.zoomToFit || w <= 0 || h <= 0)
        return;
    // The whole window, as it is without scroll bars: at 1:1 a picture that
    // qualifies needs none.
    const QSize window = maximumViewportSize();
    if (w >= window.width() || h >= window.height())
        return;
    const int fit = std::min({window.width() / w, window.height() / h, ToolZoomState::kMaxZoom});
    if (fit > 1)
        setZoom(fit);
}

QSize CImageMapView::sizeHint() const {
    const QSize scaled = scaledImageSize();
    if (scaled.isEmpty())
        return QAbstractScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return scaled + QSize(frame, frame);
}

// --- selection and flyby ---------------------------------------------------------

void CImageMapView::setSelected(int index) {
    if (!m_doc->validIndex(index))
        index = -1;
    if (index == m_selected)
        return;
    repaintArea(m_selected);
    m_selected = index;
    repaintArea(m_selected);
    emit selectionChanged(index);
}

void CImageMapView::setFlyby(int index) {
    if (!m_doc->validIndex(index))
        index = -1;
    if (index == m_flyby)
        return;
    repaintArea(m_flyby);
    m_flyby = index;
    repaintArea(m_flyby);
}

void CImageMapView::revealArea(int index) {
    setSelected(index);
    const MapArea* area = m_doc->area(index);
    if (!area)
        return;
    const PixelRect r = area->imageRect();
    const QRect box(QPoint(r.left, r.top) * zoom(), QPoint(r.right, r.bottom) * zoom());
    const QSize window = viewport()->size();
    QPoint to = scrollPosition();
    // Along each axis: the area's start when it is before the window or
    // larger than it, else just far enough for its end to show.
    const auto follow = [](int& at, int start, int end, int span) {
        if (start < at || end - start > span)
            at = start;
        else if (end > at + span)
            at = end - span;
    };
    follow(to.rx(), box.left(), box.right(), window.width());
    follow(to.ry(), box.top(), box.bottom(), window.height());
    setScrollPosition(to);
}

AreaDrawState CImageMapView::drawState(int index) const {
    if (index >= 0 && index == m_flyby)
        return AreaDrawState::Flyby;
    if (index >= 0 && index == m_selected)
        return AreaDrawState::Selected;
    return AreaDrawState::Normal;
}

void CImageMapView::repaintArea(int index) {
    if (const MapArea* a = m_doc->area(index))
        repaintExtent(a->extent());
}

// One pixel more than the extent: a polygon's outline runs along the far
// edges of its region's box.
void CImageMapView::repaintExtent(const PixelRect& extent) {
    if (!extent.isEmpty())
        viewport()->update(extent.grown(1).toQRect());
}

std::unique_ptr<MapArea> CImageMapView::makeArea(AreaShape shape) const {
    auto area = std::make_unique<MapArea>(shape, Settings::app().handleSize());
    syncArea(*area);
    if (m_doc->image())
        area->setLimitRect(m_doc->imageBounds());
    return area;
}

QRect CImageMapView::windowRect() const {
    return viewport()->rect();
}

void CImageMapView::repaintWindowRect(const QRect& rect) {
    viewport()->update(rect);
}

void CImageMapView::setFeedbackPainter(std::function<void(QPainter&)> paint) {
    m_feedback = std::move(paint);
}

// --- document notices ---------------------------------------------------------------

void CImageMapView::onAreaAdded(int index) {
    MapArea* a = m_doc->area(index);
    if (!a)
        return;
    syncArea(*a);
    if (m_doc->image())
        a->setLimitRect(m_doc->imageBounds());
    repaintExtent(a->extent());
}

void CImageMapView::onAreaRemoved(int index, const PixelRect& oldExtent) {
    const auto follow = [index](int i) { return i == index ? -1 : i > index ? i - 1 : i; };
    const int selected = follow(m_selected);
    m_flyby = follow(m_flyby);
    if (selected != m_selected) {
        m_selected = selected;
        emit selectionChanged(selected);
    }
    repaintExtent(oldExtent);
}

void CImageMapView::onAreaChanged(int index, const PixelRect& oldExtent, const PixelRect&) {
    MapArea* a = m_doc->area(index);
    if (!a)
        return;
    syncArea(*a);
    repaintExtent(oldExtent);
    repaintExtent(a->extent());
}

// Only the moved area's pixels change order with the areas it passed.
void CImageMapView::onAreaMoved(int from, int to) {
    const auto follow = [from, to](int i) {
        if (i == from)
            return to;
        if (from < to && i > from && i <= to)
            return i - 1;
        if (from > to && i >= to && i < from)
            return i + 1;
        return i;
    };
    const int selected = follow(m_selected);
    m_flyby = follow(m_flyby);
    if (selected != m_selected) {
        m_selected = selected;
        emit selectionChanged(selected);
    }
    repaintArea(to);
}

void CImageMapView::onAllChanged(int) {
    if (!m_doc->validIndex(m_flyby))
        m_flyby = -1;
    if (!m_doc->validIndex(m_selected) && m_selected != -1) {
        m_selected = -1;
        emit selectionChanged(-1);
    }
    updateScrollRange();
    syncAllAreas();
    boundAreas();
    viewport()->update();
}

// --- preferences -------------------------------------------------------------------------

void CImageMapView::refreshHandles() {
    const int size = Settings::app().handleSize();
    for (int i = 0; i < m_doc->areaCount(); ++i)
        m_doc->area(i)->refreshHandles(size);
    viewport()->update();
}

void CImageMapView::settingsChanged() {
    AreaStyle::refresh();
    if (m_toolZoom->zoom() != m_zoom)
        setZoom(m_toolZoom->zoom());
    refreshHandles();
}
