#include "view/AreaListPane.h"

#include "document/ImageMapDoc.h"
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
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_showing)
            return;
        const QList<QTreeWidgetItem*> rows = selectedItems();
        m_selected = rows.isEmpty() ? -1 : indexOfTopLevelItem(rows.first());
        if (onChosen)
            onChosen(m_selected);
    });
    const auto again = [this] { rebuild(); };
    connect(&doc, &CImageMapDoc::areaAdded, this, again);
    connect(&doc, &CImageMapDoc::areaRemoved, this, again);
    // One area's texts or geometry: its row alone, as a drag may change
    // the area at every mouse move.
    connect(&doc, &CImageMapDoc::areaChanged, this, &AreaListPane::refreshRow);
    connect(&doc, &CImageMapDoc::areaMoved, this, again);
    connect(&doc, &CImageMapDoc::allChanged, this, again);
    rebuild();
}

void AreaListPane::rebuild() {
    m_showing = true; // clearing is no choice of the user's
    clear();
    m_showing = false;
    QList<QTreeWidgetItem*> rows;
    rows.reserve(m_doc.areaCount());
    for (int i = 0; i < m_doc.areaCount(); ++i)
        rows << new QTreeWidgetItem(rowTexts(i));
    addTopLevelItems(rows);
    showSelection(m_selected);
}

QStringList AreaListPane::rowTexts(int index) const {
    const MapArea* area = m_doc.area(index);
    return {QString::asprintf("%2d", index + 1), shapeName(area->shape()),
            MapText::toDisplay(area->url())};
}

void AreaListPane::refreshRow(int index) {
    QTreeWidgetItem* row = topLevelItem(index);
    if (!row || !m_doc.area(index)) {
        rebuild();
        return;
    }
    const QStringList texts = rowTexts(index);
    for (int column = 0; column < texts.size(); ++column)
        row->setText(column, texts[column]);
}

void AreaListPane::showSelection(int index) {
    m_selected = index >= 0 && index < topLevelItemCount() ? index : -1;
    m_showing = true;
    if (m_selected < 0) {
        clearSelection();
        setCurrentItem(nullptr);
    } else {
        setCurrentItem(topLevelItem(m_selected));
    }
    m_showing = false;
}
