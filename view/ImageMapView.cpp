// The map view: coordinates, scrolling, zoom, first showing, selection and
// the document's notices.
#include "view/ImageMapView.h"

#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "view/ArrowTool.h"
#include "view/PolygonTool.h"
#include "view/ShapeTool.h"
#include "view/StatusPanes.h"
#include "view/TraceTool.h"
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
    m_tools[std::size_t(Tool::Trace)] = std::make_unique<TraceTool>(*this);
    connect(m_toolZoom, &ToolZoomState::toolChanged, this, &CImageMapView::onToolChanged);
    connect(m_toolZoom, &ToolZoomState::zoomChanged, this, [this](ZoomLevel z) {
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
    layOutAll();
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
    return zoom().scaled(QSize(m_doc->imageWidth(), m_doc->imageHeight()));
}

QRect CImageMapView::imageRectInWindow() const {
    return QRect(-scrollPosition(), scaledImageSize());
}

QPoint CImageMapView::windowToImage(QPoint window) const {
    return pictureAt(window);
}

QPoint CImageMapView::imageToWindow(QPoint image) const {
    return windowAt(image);
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

AreaGeometry CImageMapView::layOut(int index) const {
    return AreaGeometry(*m_doc->area(index), mapping(), Settings::app().handleSize());
}

void CImageMapView::layOutAll() {
    m_layer.invalidate();
    m_laidOutAt = scrollPosition();
    const int n = m_doc->areaCount();
    m_geometry.clear();
    m_geometry.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        m_geometry.push_back(layOut(i));
}

// The cache follows the document's notices; while a document is being
// opened or made it may hold fewer areas than the document for a moment.
const AreaGeometry* CImageMapView::cached(int index) const {
    return index >= 0 && index < int(m_geometry.size()) && m_doc->validIndex(index)
               ? &m_geometry[std::size_t(index)]
               : nullptr;
}

AreaGeometry CImageMapView::geometryOf(int index) const {
    const AreaGeometry* g = cached(index);
    return g ? *g : AreaGeometry();
}

AreaGeometry::Hit CImageMapView::hitArea(int index, QPoint window) const {
    const AreaGeometry* g = cached(index);
    return g ? g->hitTest(window) : AreaGeometry::Hit{};
}

// The box of the area's region and of its vertices: a vertex handle sits on
// a vertex, wherever the region is.
PixelRect CImageMapView::indexBox(int index) const {
    const MapArea& a = *m_doc->area(index);
    return a.shape() == AreaShape::Polygon ? a.picture().bounds().united(a.imageRect())
                                           : a.imageRect();
}

std::vector<int> CImageMapView::areasNear(QPoint window) const {
    if (m_boxIndexStale || m_boxIndex.size() != m_doc->areaCount()) {
        std::vector<PixelRect> boxes(std::size_t(m_doc->areaCount()));
        for (int i = 0; i < m_doc->areaCount(); ++i)
            boxes[std::size_t(i)] = indexBox(i);
        m_boxIndex.build(std::move(boxes));
        m_boxIndexStale = false;
    }
    // A hit reaches beyond an area's box by its handles and the pixel
    // beside a thin frame, in window pixels; in picture pixels that is more
    // the smaller the zoom.
    const int side = Settings::app().handleSize() * std::max(1, zoom().num());
    const int reach = int(std::ceil((side + 2) / zoom().factor())) + 1;
    const QPoint p = pictureAt(window);
    return m_boxIndex.meeting({p.x() - reach, p.y() - reach, p.x() + reach + 1, p.y() + reach + 1});
}

void CImageMapView::scrollContentsBy(int dx, int dy) {
    if (m_relayout)
        return;
    // The areas move as the scroll position did since they were laid out;
    // the window's pixels as Qt moves them, which a right-to-left layout
    // mirrors. Where the two differ nothing kept can be trusted.
    const QPoint moved = m_laidOutAt - scrollPosition();
    m_laidOutAt = scrollPosition();
    for (AreaGeometry& g : m_geometry)
        g.translate(moved);
    if (moved == QPoint(dx, dy)) {
        m_layer.scroll(dx, dy);
        viewport()->scroll(dx, dy);
    } else {
        m_layer.invalidate();
        viewport()->update();
    }
}

void CImageMapView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    layOutAll();
    if (m_panes)
        m_panes->showZoom(zoom());
}

// --- zoom -------------------------------------------------------------------------

void CImageMapView::setZoom(ZoomLevel zoom, std::optional<QPoint> anchor) {
    const ZoomLevel old = m_zoom;
    if (zoom != old) {
        if (m_interaction && !m_interaction->outlivesFocusAndZoom())
            cancelInteraction();
        const QSize window = viewport()->size();
        // The picture point at the anchor's pixel centre, in picture pixels.
        const QPointF at = anchor ? QPointF(*anchor) + QPointF(0.5, 0.5)
                                  : QPointF(window.width(), window.height()) / 2;
        const QPointF picture = (QPointF(scrollPosition()) + at) / old.factor();
        m_zoom = zoom;
        m_relayout = true;
        updateScrollRange();
        const QPointF scroll = picture * zoom.factor() - at;
        setScrollPosition({int(std::lround(scroll.x())), int(std::lround(scroll.y()))});
        m_relayout = false;
        layOutAll();
        viewport()->update();
    }
    // After the view follows: the state's signal finds the view there.
    m_toolZoom->setZoom(zoom);
    if (zoom != old)
        emit zoomChanged(zoom);
    if (m_panes)
        m_panes->showZoom(zoom);
}

ZoomLevel CImageMapView::fittingZoom() const {
    const QSize picture(m_doc->imageWidth(), m_doc->imageHeight());
    if (picture.isEmpty())
        return zoom();
    return ZoomLevel::fitting(picture, maximumViewportSize());
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
    const int w = m_doc->imageWidth(), h = m_doc->imageHeight();
    if (w <= 0 || h <= 0)
        return;
    // The whole window, as it is without scroll bars: at 1:1 a picture that
    // fits needs none.
    const QSize window = maximumViewportSize();
    if (w > window.width() || h > window.height()) {
        setZoom(fittingZoom());
        return;
    }
    const Settings& s = Settings::app();
    if (!s.maximizeOnOpen || !s.zoomToFit || w >= window.width() || h >= window.height())
        return;
    const int fit = std::min({window.width() / w, window.height() / h, 8});
    if (fit > 1)
        setZoom(ZoomLevel::in(fit));
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
    AreaSelection selection;
    if (m_doc->validIndex(index))
        selection.add(index);
    setSelection(selection);
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
    const QRect box = windowRectOf(area->imageRect()).translated(scrollPosition());
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
    follow(to.rx(), box.left(), box.left() + box.width(), window.width());
    follow(to.ry(), box.top(), box.top() + box.height(), window.height());
    setScrollPosition(to);
}

AreaDrawState CImageMapView::drawState(int index) const {
    if (index >= 0 && index == m_flyby)
        return AreaDrawState::Flyby;
    if (m_selection.contains(index))
        return AreaDrawState::Selected;
    return AreaDrawState::Normal;
}

void CImageMapView::repaintArea(int index) {
    if (const AreaGeometry* g = cached(index))
        repaintExtent(g->extent());
}

// One pixel more than the extent: a polygon's outline runs along the far
// edges of its region's box.
void CImageMapView::repaintExtent(const PixelRect& extent) {
    if (extent.isEmpty())
        return;
    const QRect rect = extent.grown(1).toQRect();
    m_layer.invalidate(rect);
    viewport()->update(rect);
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
    if (!m_doc->validIndex(index) || index > int(m_geometry.size()))
        return;
    const AreaSelection before = m_selection;
    m_selection.areaInserted(index);
    selectionRenumbered(before);
    m_geometry.insert(m_geometry.begin() + index, layOut(index));
    if (!m_boxIndexStale && index == m_boxIndex.size())
        m_boxIndex.append(indexBox(index));
    else
        m_boxIndexStale = true;
    repaintArea(index);
}

void CImageMapView::onAreaRemoved(int index) {
    if (index < 0 || index >= int(m_geometry.size()))
        return;
    const PixelRect oldExtent = m_geometry[std::size_t(index)].extent();
    m_geometry.erase(m_geometry.begin() + index);
    if (!m_boxIndexStale && index == m_boxIndex.size() - 1)
        m_boxIndex.removeLast();
    else
        m_boxIndexStale = true;
    const auto follow = [index](int i) { return i == index ? -1 : i > index ? i - 1 : i; };
    m_flyby = follow(m_flyby);
    const AreaSelection before = m_selection;
    m_selection.areaRemoved(index);
    selectionRenumbered(before);
    // The key area gone, the next one takes filled handles for hollow ones.
    if (before.key() == index)
        repaintArea(m_selection.key());
    repaintExtent(oldExtent);
}

void CImageMapView::onAreaChanged(int index) {
    if (!cached(index))
        return;
    repaintExtent(m_geometry[std::size_t(index)].extent());
    m_geometry[std::size_t(index)] = layOut(index);
    if (!m_boxIndexStale)
        m_boxIndex.update(index, indexBox(index));
    repaintArea(index);
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
    m_flyby = follow(m_flyby);
    const AreaSelection before = m_selection;
    m_selection.areaMoved(from, to);
    selectionRenumbered(before);
    m_boxIndexStale = true;
    if (from >= 0 && to >= 0 && from < int(m_geometry.size()) && to < int(m_geometry.size())) {
        const auto first = m_geometry.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
    repaintArea(to);
}

void CImageMapView::onAllChanged(int) {
    if (!m_doc->validIndex(m_flyby))
        m_flyby = -1;
    const AreaSelection before = m_selection;
    m_selection.keepBelow(m_doc->areaCount());
    selectionRenumbered(before);
    updateScrollRange();
    layOutAll();
    m_boxIndexStale = true;
    m_stretch.forget();
    viewport()->update();
}

// --- preferences -------------------------------------------------------------------------

void CImageMapView::settingsChanged() {
    AreaStyle::refresh();
    if (m_toolZoom->zoom() != m_zoom)
        setZoom(m_toolZoom->zoom());
    layOutAll();
    viewport()->update();
}
