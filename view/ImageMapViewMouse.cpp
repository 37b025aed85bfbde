// The map view's mouse and keys: the interaction in progress, the cursor
// over grid lines, and the cursor position pane.
#include "view/GridLineDrag.h"
#include "view/ImageMapView.h"
#include "view/ProgramCursors.h"
#include "view/StatusPanes.h"

#include <QKeyEvent>
#include <QMouseEvent>

void CImageMapView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_interaction) {
        if (event->button() == Qt::RightButton)
            cancelInteraction();
        return;
    }
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ControlModifier) &&
        GridLineDrag::gridShown()) {
        // With Ctrl over a grid that shows, a press drags the grid lines
        // under it, and nothing else.
        m_interaction = GridLineDrag::begin(*this, at);
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
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
        std::unique_ptr<ViewInteraction> ending = std::move(m_interaction);
        ending->release(event->position().toPoint());
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CImageMapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!m_interaction && event->button() == Qt::LeftButton && m_selected >= 0) {
        emit commandRequested(int(CommandId::EditAreaInfo));
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CImageMapView::keyPressEvent(QKeyEvent* event) {
    if (m_interaction && event->key() == Qt::Key_Escape) {
        cancelInteraction();
        return;
    }
    if (!m_interaction && m_selected >= 0 &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit commandRequested(int(CommandId::EditAreaInfo));
        return;
    }
    // Ctrl and Shift change what the cursor means at once.
    if (event->key() != Qt::Key_Menu)
        updateCursor(viewport()->mapFromGlobal(QCursor::pos()), event->modifiers());
    QAbstractScrollArea::keyPressEvent(event);
}

void CImageMapView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Menu)
        updateCursor(viewport()->mapFromGlobal(QCursor::pos()), event->modifiers());
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CImageMapView::focusOutEvent(QFocusEvent* event) {
    cancelInteraction();
    QAbstractScrollArea::focusOutEvent(event);
}

void CImageMapView::hideEvent(QHideEvent* event) {
    cancelInteraction();
    QAbstractScrollArea::hideEvent(event);
}

void CImageMapView::leaveEvent(QEvent* event) {
    if (!m_interaction && m_panes)
        m_panes->showPosition(-1, -1);
    QAbstractScrollArea::leaveEvent(event);
}

void CImageMapView::cancelInteraction() {
    if (!m_interaction)
        return;
    std::unique_ptr<ViewInteraction> ending = std::move(m_interaction);
    ending->cancel();
}

void CImageMapView::showPositionAt(QPoint window) {
    if (!m_panes)
        return;
    if (m_doc->image() && imageRectInWindow().contains(window)) {
        const QPoint p = windowToImage(window);
        m_panes->showPosition(p.x(), p.y());
    } else {
        m_panes->showPosition(-1, -1);
    }
}

// With Ctrl held the cursor shows the grid lines a press would drag;
// otherwise the view's own.
void CImageMapView::updateCursor(QPoint window, Qt::KeyboardModifiers modifiers) {
    if (m_interaction)
        return;
    int id = 0;
    if (modifiers.testFlag(Qt::ControlModifier) && viewport()->rect().contains(window))
        id = GridLineDrag::cursorFor(GridLineDrag::linesAt(*this, window));
    // Asked on every move: the window system hears only of a change.
    if (id == m_cursorId)
        return;
    m_cursorId = id;
    if (id)
        viewport()->setCursor(ProgramCursors::cursor(id));
    else
        viewport()->unsetCursor();
}
