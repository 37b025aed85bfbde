#pragma once

#include "model/CommandIds.h"

#include <QTreeView>

#include <functional>
#include <vector>

class AreaListModel;
class CImageMapDoc;

// The area list, the left pane of a map window: one row per area of the
// document in the map's order (AreaListModel), with the columns "#" (35
// pixels), "URL", "Comment" and "Frame Target" (90 each).
//
// Its selection is the map view's both ways: choosing rows (Ctrl+click and
// Shift+click choose several) selects the areas (onChosenRows, else
// onChosen with the first), and showSelection shows the view's selected
// areas, the key area as the current row. A
// double-click on a row and Enter open the area's settings (onCommand with
// Edit Area Info); the right button on a row and the context-menu key open
// the area menu while a row is selected (onAreaMenu, at the click point, or
// for the key at the selected row's top-left + 2). Moving the mouse over
// the list ends the view's flyby (onHover).
//
// Dragging a row reorders the map, unless it is read-only: an inverted
// line marks where the row would go, and the release moves the area there
// as one change of the document (moveArea); a release off the rows, Esc or
// the right button changes nothing. A rebuild of more than 30 rows shows the
// wait cursor.
class AreaListPane : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kWaitCursorRows = 30;

    explicit AreaListPane(CImageMapDoc& doc, QWidget* parent = nullptr);

    // Shows area index (-1 for none) as the selected row.
    void showSelection(int index);
    // Shows several selected areas, the first (the key area) as the
    // current row.
    void showSelection(const std::vector<int>& indices);
    // The first selected row (the key area's), -1 for none.
    int selectedRow() const;
    // Every selected row: the key area's first, then as they were chosen.
    const std::vector<int>& selectedRows() const { return m_rows; }

    // Called with the area index when the user chooses a row.
    std::function<void(int index)> onChosen;
    // Called with every selected row when the user changes the rows.
    std::function<void(const std::vector<int>& rows)> onChosenRows;
    // A command the list posts through the window's command chain.
    std::function<void(CommandId id)> onCommand;
    // The area menu at a global point.
    std::function<void(const QPoint& globalPos)> onAreaMenu;
    // The mouse moves over the list.
    std::function<void()> onHover;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void choose(int row);
    void post(CommandId id);
    void moveDrag(QPoint at);
    void endDrag();
    QRect insertionLine() const;

    CImageMapDoc& m_doc;
    AreaListModel* m_model;
    int m_selected = -1;
    std::vector<int> m_rows; // the selection as shown or chosen, key first
    bool m_showing = false;  // the selection is being shown, not chosen
    bool m_waiting = false;  // the wait cursor shows while rows are rebuilt
    int m_pressRow = -1;     // the row a left press fell on, while held
    QPoint m_pressAt;
    int m_dragged = -1; // the row being dragged, -1 for none
    int m_target = -1;
};
