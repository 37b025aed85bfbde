#include "view/AreaListModel.h"

#include "document/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Strings.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

// Drawn in 16 x 16 logical pixels at the device pixel ratio it is shown at.
// The light fill inside a dark outline reads on light and dark lists alike.
QPixmap drawnIcon(AreaShape shape, int ratio) {
    QPixmap pixmap(16 * ratio, 16 * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, shape != AreaShape::Rectangle);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x80), 1.5));
    painter.setBrush(QColor(0xa0, 0xc0, 0xff));
    switch (shape) {
    case AreaShape::Rectangle:
        painter.drawRect(QRectF(2.5, 4.5, 11, 8));
        break;
    case AreaShape::Circle:
        painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        break;
    case AreaShape::Polygon:
        painter.drawPolygon(QPolygonF({{8, 1.5}, {14.5, 7}, {11.5, 14.5}, {3.5, 13.5}, {1.5, 6}}));
        break;
    }
    return pixmap;
}

// Sharp at 100 %, 150 % (3 from 2 down) and 200 %.
QIcon iconOf(AreaShape shape) {
    QIcon icon;
    for (int ratio : {1, 2, 3})
        icon.addPixmap(drawnIcon(shape, ratio));
    return icon;
}

} // namespace

AreaListModel::AreaListModel(CImageMapDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_rows(doc.areaCount()) {
    connect(&doc, &CImageMapDoc::areaAdded, this, [this](int index) {
        beginInsertRows({}, index, index);
        ++m_rows;
        endInsertRows();
        rowsChanged(index + 1, m_rows - 1); // renumbered
    });
    connect(&doc, &CImageMapDoc::areaRemoved, this, [this](int index) {
        if (index < 0 || index >= m_rows) {
            rebuild();
            return;
        }
        beginRemoveRows({}, index, index);
        --m_rows;
        endRemoveRows();
        rowsChanged(index, m_rows - 1);
    });
    connect(&doc, &CImageMapDoc::areaChanged, this,
            [this](int index) { rowsChanged(index, index); });
    connect(&doc, &CImageMapDoc::areaMoved, this,
            [this](int from, int to) { rowsChanged(qMin(from, to), qMax(from, to)); });
    connect(&doc, &CImageMapDoc::allChanged, this, &AreaListModel::rebuild);
}

void AreaListModel::rowsChanged(int first, int last) {
    if (m_rows != m_doc.areaCount()) {
        rebuild(); // a change the model was not told of
        return;
    }
    first = qMax(first, 0);
    last = qMin(last, m_rows - 1);
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

void AreaListModel::rebuild() {
    emit rebuildStarting(m_doc.areaCount());
    beginResetModel();
    m_rows = m_doc.areaCount();
    endResetModel();
    emit rebuildDone();
}

int AreaListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int AreaListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AreaListModel::data(const QModelIndex& index, int role) const {
    const MapArea* area = index.row() < m_rows ? m_doc.area(index.row()) : nullptr;
    if (!area)
        return {};
    if (role == Qt::DecorationRole && index.column() == NumberColumn)
        return kindIcon(area->shape());
    // An area browsers give no shape is listed greyed, and says why.
    if (!area->clickable() && role == Qt::ForegroundRole)
        return QPalette().brush(QPalette::Disabled, QPalette::Text);
    if (!area->clickable() && role == Qt::ToolTipRole)
        return Strings::format(Str::AreaNotClickableTip, index.row() + 1);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NumberColumn:
        return QString::asprintf("%2d", index.row() + 1);
    case UrlColumn:
        return MapText::toDisplay(area->url());
    case CommentColumn:
        return MapText::toDisplay(area->comment());
    case TargetColumn:
        return MapText::toDisplay(area->target());
    default:
        return {};
    }
}

QVariant AreaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NumberColumn:
        return Strings::text(Str::AreaListNumber);
    case UrlColumn:
        return Strings::text(Str::AreaListUrl);
    case CommentColumn:
        return Strings::text(Str::AreaListComment);
    case TargetColumn:
        return Strings::text(Str::AreaListTarget);
    default:
        return {};
    }
}

QIcon AreaListModel::kindIcon(AreaShape shape) {
    static const QIcon icons[] = {iconOf(AreaShape::Rectangle), iconOf(AreaShape::Circle),
                                  iconOf(AreaShape::Polygon)};
    const int i = int(shape);
    return i >= 0 && i < 3 ? icons[i] : QIcon();
}
