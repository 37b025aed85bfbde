#pragma once

#include "model/MapFindings.h"

#include <QDialog>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// Check Map: the findings of a map, one row each (area number, code,
// message). Double-clicking a finding (or Enter on it) asks for its area;
// a finding of the map itself (area 0) asks for none.
class CheckMapDialog : public QDialog {
    Q_OBJECT
public:
    explicit CheckMapDialog(const std::vector<MapFindings::Finding>& findings,
                            QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }

signals:
    // The area of a chosen finding, as a list index.
    void areaChosen(int index);

private:
    void choose(QTreeWidgetItem* item);

    QTreeWidget* m_list;
};
