#pragma once

#include <QTreeWidget>

#include <functional>

class CImageMapDoc;

// A plain list of the document's areas (number, shape, URL), in the map's
// order, rebuilt whenever the document reports a change: the left pane of a
// map window. Its selection is the map view's: choosing a row selects the
// area, and the row of the area selected in the view shows selected.
class AreaListPane : public QTreeWidget {
public:
    explicit AreaListPane(CImageMapDoc& doc, QWidget* parent = nullptr);

    void rebuild();
    // Shows area index (-1 for none) as the selected row.
    void showSelection(int index);
    // Called with the area index when the user chooses a row.
    std::function<void(int index)> onChosen;

private:
    // Number, shape and URL of area index, which must exist.
    QStringList rowTexts(int index) const;
    void refreshRow(int index);

    CImageMapDoc& m_doc;
    int m_selected = -1;
    bool m_showing = false;
};
