#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include "model/MapArea.h"

class CImageMapDoc;

// The rows of the area list: one per area of the document, in the map's
// order, with the columns "#" (the area's number, "%2d" of index + 1, with
// the icon of its kind), "URL", "Comment" and "Frame Target". Rows are read
// from the document when shown, and the document's signals are passed on as
// exactly the rows they touch: a change of one area is one row, an added or
// removed area one inserted or removed row (later rows renumbered), a move
// the rows between the two places. Only many changes at once (open, guides,
// clipping, a new picture) reset the model.
class AreaListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int { NumberColumn, UrlColumn, CommentColumn, TargetColumn, ColumnCount };

    explicit AreaListModel(CImageMapDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The 16-pixel icon of an area kind.
    static QIcon kindIcon(AreaShape shape);

signals:
    // Sent before and after a reset that rebuilds rows (not for moves).
    void rebuildStarting(int rows);
    void rebuildDone();

private:
    void rowsChanged(int first, int last);
    void rebuild();

    CImageMapDoc& m_doc;
    // The rows the model reports: the document's count, but changed only
    // while the views are told of it (the document has already changed when
    // it signals).
    int m_rows = 0;
};
