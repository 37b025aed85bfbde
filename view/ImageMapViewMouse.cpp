// The map view's mouse and keys: the current tool's presses and hover, the
// interaction in progress, the cursor, the area tip, the keys and the
// cursor position pane.
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "view/GridLineDrag.h"
#include "view/ImageMapView.h"
#include "view/MapTool.h"
#include "view/ProgramCursors.h"
#include "view/StatusPanes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

namespace {

constexpr int kTipMargin = 15; // the tip stays while the mouse keeps this close
constexpr int kBigNudge = 10;  // picture pixels a Shift+arrow moves

} // namespace

MapTool& CImageMapView::currentTool() const {
    return *m_tools[std::size_t(m_toolZoom->tool())];
}

void CImageMapView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // A press ends the area's tip, which would otherwise stand over the
    // menu or the drag it starts.
    areaTip(-1, {});
    if (event->button() == Qt::RightButton) {
        if (m_interaction) {
            cancelInteraction();
        } else if (m_contextMenu && !m_doc->isReadOnly()) {
            const int menu = contextMenuAt(at);
            m_contextMenu(menu, viewport()->mapToGlobal(at));
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_interaction) {
        m_interaction->press(at, event->modifiers());
        endInteractionIfDone();
        return;
    }
    leftPress(at, event->modifiers());
}

// A read-only map takes no edits: not even a selection by click.
void CImageMapView::leftPress(QPoint at, Qt::KeyboardModifiers modifiers) {
    if (m_doc->isReadOnly() || !m_doc->image())
        return;
    if (m_panes)
        m_panes->showPrompt(QString());
    // With Ctrl over a line of a shown grid the press drags the grid;
    // elsewhere Ctrl only makes a body hit count.
    if (modifiers.testFlag(Qt::ControlModifier) && GridLineDrag::gridShown() &&
        GridLineDrag::linesAt(*this, at).any()) {
        m_interaction = GridLineDrag::begin(*this, at);
        return;
    }
    m_interaction = currentTool().press(at, modifiers);
}

void CImageMapView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    showPositionAt(at);
    if (m_interaction) {
        m_interaction->move(at, event->modifiers());
        return;
    }
    updateCursor(at, event->modifiers());
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CImageMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_interaction && event->button() == Qt::LeftButton) {
        m_interaction->release(event->position().toPoint());
        endInteractionIfDone();
        updateCursor(event->position().toPoint(), event->modifiers());
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CImageMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_interaction) {
        m_interaction->doubleClick(event->position().toPoint());
        endInteractionIfDone();
        return;
    }
    if (!m_selection.empty() && !m_doc->isReadOnly())
        postCommand(CommandId::EditAreaInfo);
}

// Ctrl with the wheel zooms one level a notch, keeping the picture point
// under the mouse where it is; without Ctrl the wheel scrolls.
void CImageMapView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    event->accept();
    if (delta == 0 || !m_doc->image())
        return;
    const QPoint at = event->position().toPoint();
    setZoom(delta > 0 ? zoom().larger() : zoom().smaller(), at);
    showPositionAt(at);
}

void CImageMapView::endInteractionIfDone() {
    if (m_interaction && m_interaction->done())
        m_interaction.reset();
}

void CImageMapView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_interaction) {
        cancelInteraction();
        return;
    }
    if (m_interaction && m_interaction->takesKey(event->key())) {
        m_interaction->keyPressed(event->key());
        endInteractionIfDone();
        return;
    }
    if (!m_interaction && toolKey(event))
        return;
    // Ctrl and Shift change what the cursor means at once.
    if (event->key() != Qt::Key_Menu)
        updateCursor(viewport()->mapFromGlobal(QCursor::pos()), event->modifiers());
    QAbstractScrollArea::keyPressEvent(event);
}

// Arrow keys nudge the selected areas, Delete deletes them, Enter opens
// their settings, Esc clears the selection.
bool CImageMapView::toolKey(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? kBigNudge : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        nudgeSelected({-step, 0});
        return true;
    case Qt::Key_Right:
        nudgeSelected({step, 0});
        return true;
    case Qt::Key_Up:
        nudgeSelected({0, -step});
        return true;
    case Qt::Key_Down:
        nudgeSelected({0, step});
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selection.empty())
            return false;
        postCommand(CommandId::EditAreaInfo);
        return true;
    case Qt::Key_Delete:
        if (m_doc->commandEnabled(CommandId::Delete, commandContext()))
            deleteSelected();
        return true;
    case Qt::Key_Escape:
        // Once no interaction takes it, Esc drops the selection.
        if (m_selection.empty())
            return false;
        setSelected(-1);
        return true;
    default:
        return false;
    }
}

// Tab and Shift+Tab go through the areas while the arrow tool is current;
// otherwise they move the focus as anywhere else.
bool CImageMapView::focusNextPrevChild(bool next) {
    if (m_toolZoom->isArrow() && m_doc->areaCount() > 0 && !m_interaction) {
        tabTo(next);
        return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

// From the key area, back to one area selected.
void CImageMapView::tabTo(bool next) {
    const int n = m_doc->areaCount();
    const int key = m_selection.key();
    if (next)
        setSelected(key < 0 ? 0 : (key + 1) % n);
    else
        setSelected(key <= 0 ? n - 1 : key - 1);
}

void CImageMapView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Menu)
        updateCursor(viewport()->mapFromGlobal(QCursor::pos()), event->modifiers());
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CImageMapView::focusOutEvent(QFocusEvent* event) {
    if (m_interaction && !m_interaction->outlivesFocusAndZoom())
        cancelInteraction();
    QAbstractScrollArea::focusOutEvent(event);
}

void CImageMapView::hideEvent(QHideEvent* event) {
    cancelInteraction();
    areaTip(-1, {});
    m_layer.release();
    QAbstractScrollArea::hideEvent(event);
}

void CImageMapView::leaveEvent(QEvent* event) {
    if (!m_interaction) {
        if (m_panes)
            m_panes->showPosition(-1, -1);
        setFlyby(-1);
        areaTip(-1, {});
    }
    QAbstractScrollArea::leaveEvent(event);
}

// A key the interaction takes (Enter for a traced outline) is not the
// shortcut of the menu command it would otherwise start (Edit Area Info).
bool CImageMapView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && m_interaction &&
        m_interaction->takesKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

// Dropped once the event that ended it is over: the interaction may still
// be on its way out of its own call.
void CImageMapView::interactionEnded() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_interaction || !m_interaction->done())
                return;
            m_interaction.reset();
            updateCursor(viewport()->mapFromGlobal(QCursor::pos()), Qt::NoModifier);
        },
        Qt::QueuedConnection);
}

void CImageMapView::showWaitCursor(bool wait) {
    if (wait)
        viewport()->setCursor(Qt::WaitCursor);
    else if (m_cursorId)
        viewport()->setCursor(ProgramCursors::cursor(m_cursorId));
    else
        viewport()->unsetCursor();
}

void CImageMapView::cancelInteraction() {
    if (!m_interaction)
        return;
    std::unique_ptr<ViewInteraction> ending = std::move(m_interaction);
    ending->cancel();
}

// A tool switch drops what the view was doing: the interaction (a
// half-drawn polygon), the selection, the flyby and its tip, the cursor.
void CImageMapView::onToolChanged() {
    cancelInteraction();
    setSelected(-1);
    setFlyby(-1);
    areaTip(-1, {});
    setCursorId(0);
    updateCursor(viewport()->mapFromGlobal(QCursor::pos()), Qt::NoModifier);
}

void CImageMapView::showPositionAt(QPoint window) {
    if (!m_panes)
        return;
    if (m_doc->image() && imageRectInWindow().contains(window)) {
        // Below 1:1 the last window pixel may stand for fewer pixels than
        // the level's block; its point stays on the picture.
        const QPoint p = windowToImage(window);
        m_panes->showPosition(std::min(p.x(), m_doc->imageWidth() - 1),
                              std::min(p.y(), m_doc->imageHeight() - 1));
    } else {
        m_panes->showPosition(-1, -1);
    }
}

// With Ctrl held over a shown grid's lines the cursor shows the lines a
// press would drag; otherwise the current tool's cursor for what lies
// under the mouse.
void CImageMapView::updateCursor(QPoint window, Qt::KeyboardModifiers modifiers) {
    if (m_interaction)
        return;
    int id = 0;
    const bool inside = viewport()->rect().contains(window) && m_doc->image();
    if (inside && modifiers.testFlag(Qt::ControlModifier))
        id = GridLineDrag::cursorFor(GridLineDrag::linesAt(*this, window));
    if (id == 0 && inside)
        id = currentTool().hover(window, modifiers);
    setCursorId(id);
}

void CImageMapView::setCursorId(int id) {
    // Asked on every move: the window system hears only of a change.
    if (id == m_cursorId)
        return;
    m_cursorId = id;
    if (id)
        viewport()->setCursor(ProgramCursors::cursor(id));
    else
        viewport()->unsetCursor();
}

void CImageMapView::areaTip(int index, QPoint at) {
    if (index < 0) {
        m_tipTimer.stop();
        if (m_tipArea >= 0)
            QToolTip::hideText();
        m_tipArea = -1;
        return;
    }
    const QRect near(m_tipAt - QPoint(kTipMargin, kTipMargin),
                     QSize(2 * kTipMargin + 1, 2 * kTipMargin + 1));
    if (index == m_tipArea && near.contains(at))
        return;
    m_tipArea = index;
    m_tipAt = at;
    m_tipTimer.start();
}

// "n: Kind URL=url" in the prompt pane, and the URL as a tool tip.
void CImageMapView::showTip() {
    const MapArea* area = m_doc->area(m_tipArea);
    if (!area)
        return;
    QString text = Strings::format(Str::TipNumber, m_tipArea + 1);
    switch (area->shape()) {
    case AreaShape::Rectangle:
        text += Strings::text(Str::TipRectangle);
        break;
    case AreaShape::Circle:
        text += Strings::text(Str::TipCircle);
        break;
    case AreaShape::Polygon:
        text += Strings::text(Str::TipPolygon);
        break;
    default:
        text += Strings::text(Str::AreaKindUnknown);
        break;
    }
    const QString url = QString::fromUtf8(area->url());
    if (!url.isEmpty())
        text += Strings::text(Str::TipUrl) + url;
    if (m_panes)
        m_panes->showPrompt(text);
    if (Settings::app().showAreaTips && !url.isEmpty()) {
        const QRect near(m_tipAt - QPoint(kTipMargin, kTipMargin),
                         QSize(2 * kTipMargin + 1, 2 * kTipMargin + 1));
        QToolTip::showText(viewport()->mapToGlobal(m_tipAt), url, viewport(), near);
    }
}
