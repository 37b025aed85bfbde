#include "view/GridLineDrag.h"

#include "model/Settings.h"
#include "view/GridPainter.h"
#include "view/ImageMapView.h"
#include "view/ProgramCursors.h"
#include "view/StatusPanes.h"

#include <QPainter>

#include <algorithm>

namespace {

// Where the grid may draw: the scaled picture with the line along its far
// edges.
QRect gridArea(const CImageMapView& view) {
    const QRect picture = view.imageRectInWindow();
    return picture.adjusted(0, 0, 1, 1);
}

GridPainter painterFor(const CImageMapView& view, const GridSettings& grid) {
    return GridPainter(grid, view.zoom(), view.scrollPosition(), view.scaledImageSize());
}

} // namespace

GridLineDrag::Lines GridLineDrag::linesAt(const CImageMapView& view, QPoint window) {
    Lines lines;
    if (!view.document()->image() || !gridArea(view).contains(window))
        return lines;
    const GridPainter grid = painterFor(view, Settings::app().grid);
    lines.vertical = !grid.columns(window.x(), window.x()).isEmpty();
    lines.horizontal = !grid.rows(window.y(), window.y()).isEmpty();
    return lines;
}

bool GridLineDrag::gridShown() {
    const GridSettings& grid = Settings::app().grid;
    return grid.enabled && (grid.visible == 1 || grid.visible == 2);
}

int GridLineDrag::cursorFor(Lines lines) {
    if (lines.vertical && lines.horizontal)
        return ProgramCursors::GridBoth;
    if (lines.vertical)
        return ProgramCursors::GridVertical;
    if (lines.horizontal)
        return ProgramCursors::GridHorizontal;
    return 0;
}

std::unique_ptr<GridLineDrag> GridLineDrag::begin(CImageMapView& view, QPoint press) {
    const Lines lines = linesAt(view, press);
    if (!lines.any())
        return nullptr;
    return std::unique_ptr<GridLineDrag>(new GridLineDrag(view, press, lines));
}

// The number of the line at window position `window`, counted in picture
// pixels from the grid's origin, so that the line follows the mouse at any
// zoom and scroll position.
int GridLineDrag::lineNumber(int window, int scroll, ZoomLevel zoom, int offset, int size) {
    const int picture = zoom.toPicture(window + scroll);
    return std::max(1, (picture - offset) / std::max(1, size));
}

GridLineDrag::GridLineDrag(CImageMapView& view, QPoint press, Lines lines)
    : m_view(view), m_press(press), m_lines(lines), m_start(Settings::app().grid), m_now(m_start) {
    const QPoint scroll = view.scrollPosition();
    m_kx = lineNumber(press.x(), scroll.x(), view.zoom(), m_start.offX, m_start.sizeX);
    m_ky = lineNumber(press.y(), scroll.y(), view.zoom(), m_start.offY, m_start.sizeY);
    view.setFeedbackPainter([this](QPainter& painter) { paintFeedback(painter); });
    view.repaintWindowRect(view.viewport()->rect());
}

GridLineDrag::~GridLineDrag() {
    end();
}

void GridLineDrag::move(QPoint at, Qt::KeyboardModifiers) {
    const ZoomLevel zoom = m_view.zoom();
    const QPoint scroll = m_view.scrollPosition();
    // The travel in picture pixels.
    const QPoint travel = zoom.toPicture(at + scroll) - zoom.toPicture(m_press + scroll);
    if (m_lines.vertical)
        m_now.sizeX = std::max(1, m_start.sizeX + travel.x() / m_kx);
    if (m_lines.horizontal)
        m_now.sizeY = std::max(1, m_start.sizeY + travel.y() / m_ky);
    if (StatusPanes* panes = m_view.statusPanes())
        panes->showDimensions(m_now.sizeX, m_now.sizeY);
    m_view.repaintWindowRect(m_view.viewport()->rect());
}

void GridLineDrag::release(QPoint at) {
    move(at, Qt::NoModifier);
    end();
    Settings::app().grid.sizeX = m_now.sizeX;
    Settings::app().grid.sizeY = m_now.sizeY;
    Settings::announceChange();
}

void GridLineDrag::cancel() {
    m_now = m_start;
    end();
    m_view.repaintWindowRect(m_view.viewport()->rect());
}

void GridLineDrag::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_view.setFeedbackPainter({});
    if (StatusPanes* panes = m_view.statusPanes())
        panes->showDimensions(0, 0);
}

// The lines of the old and the new spacing, inverted. A line both spacings
// share is drawn once, so that it does not cancel itself out; where a
// vertical and a horizontal line cross, the pixel is inverted twice and
// shows as it is, as inverted feedback always has.
void GridLineDrag::paintFeedback(QPainter& painter) const {
    const QRect area = gridArea(m_view) & m_view.viewport()->rect();
    if (area.isEmpty())
        return;
    GridSettings start = m_start, now = m_now;
    start.enabled = now.enabled = true;
    const GridPainter before = painterFor(m_view, start);
    const GridPainter after = painterFor(m_view, now);
    const auto merged = [](QList<int> a, const QList<int>& b) {
        a += b;
        std::sort(a.begin(), a.end());
        a.erase(std::unique(a.begin(), a.end()), a.end());
        return a;
    };
    for (int x : merged(before.columns(area.left(), area.right()),
                        after.columns(area.left(), area.right())))
        painter.fillRect(QRect(x, area.top(), 1, area.height()), Qt::black);
    for (int y :
         merged(before.rows(area.top(), area.bottom()), after.rows(area.top(), area.bottom())))
        painter.fillRect(QRect(area.left(), y, area.width(), 1), Qt::black);
}
