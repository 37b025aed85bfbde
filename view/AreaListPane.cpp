#include "view/AreaListPane.h"

#include "document/ImageMapDoc.h"
#include "model/CommandIds.h"
#include "view/AreaListModel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>

#include <algorithm>

AreaListPane::AreaListPane(CImageMapDoc& doc, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_model(new AreaListModel(doc, this)) {
    setObjectName(QStringLiteral("areaList"));
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setMouseTracking(true);
    viewport()->setMouseTracking(true); // hovering ends the view's flyby
    // The last column takes what the pane has to spare; the others keep
    // their widths, which the user may drag. The number column holds the
    // kind's picture and a number of four digits beside it.
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->resizeSection(
        AreaListModel::NumberColumn,
        iconSize().width() + fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
            4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 16);
    for (int column :
         {AreaListModel::UrlColumn, AreaListModel::CommentColumn, AreaListModel::TargetColumn})
        header()->resizeSection(column, 90);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_showing)
            return;
        // The rows still selected keep their order (the key first); rows
        // newly chosen follow in list order.
        // Sorted lookups both ways: Select All of a map of 100,000 areas
        // must not compare every row with every other.
        std::vector<int> chosen;
        std::vector<int> all;
        for (const QModelIndex& at : selectionModel()->selectedRows())
            all.push_back(at.row());
        std::sort(all.begin(), all.end());
        for (int row : m_rows) {
            if (std::binary_search(all.begin(), all.end(), row))
                chosen.push_back(row);
        }
        std::vector<int> kept = chosen;
        std::sort(kept.begin(), kept.end());
        for (int row : all) {
            if (!std::binary_search(kept.begin(), kept.end(), row))
                chosen.push_back(row);
        }
        if (chosen == m_rows)
            return;
        m_rows = chosen;
        m_selected = chosen.empty() ? -1 : chosen.front();
        if (onChosenRows)
            onChosenRows(chosen);
        else if (onChosen)
            onChosen(m_selected);
    });
    connect(m_model, &AreaListModel::rebuildStarting, this, [this](int rows) {
        endDrag();
        m_waiting = rows > kWaitCursorRows;
        if (m_waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        m_showing = true; // the reset clears the selection: no choice of the user's
    });
    connect(m_model, &AreaListModel::rebuildDone, this, [this] {
        m_showing = false;
        showSelection(std::vector<int>(m_rows));
        if (m_waiting)
            QApplication::restoreOverrideCursor();
        m_waiting = false;
    });
    // Rows inserted or removed shift the selection model's rows; the row
    // shown selected is the view's area (which may have heard of the change
    // first), never a choice of the user's.
    const auto shifting = [this] {
        endDrag();
        m_showing = true;
    };
    const auto shifted = [this] {
        m_showing = false;
        showSelection(std::vector<int>(m_rows));
    };
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, shifting);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, shifted);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, shifting);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, shifted);
}

int AreaListPane::selectedRow() const {
    return m_rows.empty() ? -1 : m_rows.front();
}

void AreaListPane::showSelection(int index) {
    showSelection(index >= 0 ? std::vector<int>{index} : std::vector<int>{});
}

void AreaListPane::showSelection(const std::vector<int>& indices) {
    const std::vector<int> wanted = indices; // may be m_rows itself
    m_rows.clear();
    for (int i : wanted) {
        if (i >= 0 && i < m_model->rowCount())
            m_rows.push_back(i);
    }
    m_selected = m_rows.empty() ? -1 : m_rows.front();
    m_showing = true;
    if (m_selected < 0) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else {
        // One range per run of neighbouring rows: a selection of every area
        // is one range, not one per row.
        std::vector<int> sorted = m_rows;
        std::sort(sorted.begin(), sorted.end());
        QItemSelection rows;
        for (std::size_t k = 0; k < sorted.size();) {
            std::size_t end = k + 1;
            while (end < sorted.size() && sorted[end] == sorted[end - 1] + 1)
                ++end;
            rows.select(m_model->index(sorted[k], 0),
                        m_model->index(sorted[end - 1], m_model->columnCount() - 1));
            k = end;
        }
        selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        const QModelIndex at = m_model->index(m_selected, 0);
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
        scrollTo(at);
    }
    m_showing = false;
}

void AreaListPane::choose(int row) {
    if (m_rows.size() == 1 && row == m_rows.front())
        return;
    const QModelIndex at = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
}

void AreaListPane::post(CommandId id) {
    if (!onCommand)
        return;
    // Posted: the dialog it opens runs after the event that asked for it.
    QTimer::singleShot(0, this, [this, id] {
        if (onCommand)
            onCommand(id);
    });
}

void AreaListPane::mousePressEvent(QMouseEvent* event) {
    if (m_dragged >= 0) {
        // Any other button ends the drag unmoved.
        if (event->button() != Qt::LeftButton)
            endDrag();
        return;
    }
    const int row = indexAt(event->position().toPoint()).row();
    if (event->button() == Qt::LeftButton) {
        m_pressRow = row;
        m_pressAt = event->position().toPoint();
    }
    QTreeView::mousePressEvent(event);
}

void AreaListPane::mouseMoveEvent(QMouseEvent* event) {
    if (onHover)
        onHover();
    const QPoint at = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if (m_pressRow < 0)
        return; // rows are chosen by clicks, not by passing over them
    if (m_dragged < 0) {
        if (m_doc.isReadOnly() ||
            (at - m_pressAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_dragged = m_pressRow;
    }
    moveDrag(at);
}

void AreaListPane::moveDrag(QPoint at) {
    int target = indexAt(at).row();
    // Above or below the list the rows scroll by, one a move.
    if (at.y() < 0) {
        const int top = indexAt(QPoint(1, 1)).row();
        target = top > 0 ? top - 1 : top;
    } else if (at.y() >= viewport()->height()) {
        const int bottom = indexAt(QPoint(1, viewport()->height() - 2)).row();
        target = bottom >= 0 && bottom + 1 < m_model->rowCount() ? bottom + 1 : bottom;
    }
    if (target == m_target)
        return;
    m_target = target;
    if (m_target >= 0)
        scrollTo(m_model->index(m_target, 0));
    viewport()->update();
}

void AreaListPane::endDrag() {
    m_pressRow = -1;
    if (m_dragged < 0)
        return;
    m_dragged = -1;
    m_target = -1;
    viewport()->update();
}

void AreaListPane::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragged < 0 || event->button() != Qt::LeftButton) {
        m_pressRow = -1;
        QTreeView::mouseReleaseEvent(event);
        return;
    }
    const int from = m_dragged;
    moveDrag(event->position().toPoint());
    const int to = m_target;
    endDrag();
    if (to < 0 || to == from || to >= m_model->rowCount())
        return;
    m_doc.moveArea(from, to);
    // The moved area stays the chosen one, at its new place.
    showSelection(to);
    if (onChosenRows)
        onChosenRows(m_rows);
    else if (onChosen)
        onChosen(to);
}

void AreaListPane::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = indexAt(event->position().toPoint()).row();
    if (event->button() != Qt::LeftButton || row < 0) {
        QTreeView::mouseDoubleClickEvent(event);
        return;
    }
    choose(row);
    post(CommandId::EditAreaInfo);
}

void AreaListPane::keyPressEvent(QKeyEvent* event) {
    if (m_dragged >= 0) {
        if (event->key() == Qt::Key_Escape)
            endDrag();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        post(CommandId::EditAreaInfo);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void AreaListPane::contextMenuEvent(QContextMenuEvent* event) {
    if (m_dragged >= 0)
        return;
    QPoint at;
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QPoint inViewport = viewport()->mapFromGlobal(event->globalPos());
        const int row = indexAt(inViewport).row();
        // The menu over one of several selected rows works on them all.
        if (row >= 0 && std::find(m_rows.begin(), m_rows.end(), row) == m_rows.end())
            choose(row);
        at = event->globalPos();
    } else if (selectedRow() >= 0) {
        const QRect rowRect = visualRect(m_model->index(selectedRow(), 0));
        at = viewport()->rect().intersects(rowRect)
                 ? viewport()->mapToGlobal(rowRect.topLeft() + QPoint(2, 2))
                 : mapToGlobal(QPoint(3, 3));
    }
    if (selectedRow() < 0 || !onAreaMenu)
        return;
    onAreaMenu(at);
}

void AreaListPane::focusOutEvent(QFocusEvent* event) {
    endDrag();
    QTreeView::focusOutEvent(event);
}

QRect AreaListPane::insertionLine() const {
    if (m_dragged < 0 || m_target < 0 || m_target == m_dragged)
        return {};
    const QRect row = visualRect(m_model->index(m_target, 0));
    // The dragged row takes the target's place: above it when it comes from
    // below, below it when it comes from above.
    const int y = m_target < m_dragged ? row.top() : row.bottom();
    return QRect(0, y - 1, viewport()->width(), 2);
}

void AreaListPane::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    const QRect line = insertionLine();
    if (line.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(line, Qt::black);
}
