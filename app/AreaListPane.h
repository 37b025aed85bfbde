#pragma once

#include <QTreeWidget>

class CImageMapDoc;

// A plain list of the document's areas (number, shape, URL), in the map's
// order, rebuilt whenever the document reports a change; the left pane of a
// map window until the area list view proper is plugged in.
class AreaListPane : public QTreeWidget {
public:
    explicit AreaListPane(CImageMapDoc& doc, QWidget* parent = nullptr);

    void rebuild();

private:
    CImageMapDoc& m_doc;
};
