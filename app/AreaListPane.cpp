#include "app/AreaListPane.h"

#include "model/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Strings.h"

#include <QHeaderView>

namespace {

QString shapeName(AreaShape shape) {
    switch (shape) {
    case AreaShape::Rectangle:
        return Strings::text(Str::KwRectangle);
    case AreaShape::Circle:
        return Strings::text(Str::KwCircle);
    case AreaShape::Polygon:
        return Strings::text(Str::KwPolygon);
    }
    return {};
}

} // namespace

AreaListPane::AreaListPane(CImageMapDoc& doc, QWidget* parent) : QTreeWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("areaList"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setColumnCount(3);
    setHeaderLabels({Strings::text(Str::AreaListNumber), Strings::text(Str::AreaListShape),
                     Strings::text(Str::AreaListUrl)});
    header()->resizeSection(0, 35);
    header()->resizeSection(1, 70);
    const auto again = [this] { rebuild(); };
    connect(&doc, &CImageMapDoc::areaAdded, this, again);
    connect(&doc, &CImageMapDoc::areaRemoved, this, again);
    connect(&doc, &CImageMapDoc::areaChanged, this, again);
    connect(&doc, &CImageMapDoc::areaMoved, this, again);
    connect(&doc, &CImageMapDoc::allChanged, this, again);
    rebuild();
}

void AreaListPane::rebuild() {
    clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(m_doc.areaCount());
    for (int i = 0; i < m_doc.areaCount(); ++i) {
        const MapArea* area = m_doc.area(i);
        rows << new QTreeWidgetItem(QStringList{QString::asprintf("%2d", i + 1),
                                                shapeName(area->shape()),
                                                MapText::toDisplay(area->url())});
    }
    addTopLevelItems(rows);
}
