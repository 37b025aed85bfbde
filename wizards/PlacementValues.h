#pragma once

#include "wizards/PageSummary.h"

#include <QByteArray>
#include <QList>

// "Save As New Map into Existing HTML file": which image of the page the
// map belongs to, or which map it replaces. Rows: one per IMG tag (its SRC
// and map), then one per map no IMG tag uses. OK needs a row; a row's map
// is replaced only on Yes to "Replace existing map?", and a row without a
// map keeps the document's name, which is asked about when the page already
// holds a map of that name. An IMG row hands back its tag, so that the save
// rewrites exactly that tag.
class PlacementValues {
public:
    struct Row {
        QByteArray image;
        QByteArray map;
        qsizetype imgTagOffset = -1; // -1 for a map without an image
    };

    PlacementValues(const PageSummary& page, const QByteArray& mapName);

    const QList<Row>& rows() const { return m_rows; }
    bool canAccept(int row) const { return row >= 0 && row < m_rows.size(); }
    // OK on row: true when the dialog closes, with the results set.
    bool accept(int row);
    // "Add Image..." gave an insertion point: true when the dialog closes.
    bool acceptAdded(int insertOffset);

    const QByteArray& mapName() const { return m_mapName; }
    qsizetype imgTagOffset() const { return m_imgTagOffset; }
    int insertOffset() const { return m_insertOffset; }

private:
    // Whether the document's own name may be written into the page.
    bool mayKeepName() const;

    PageSummary m_page;
    QList<Row> m_rows;
    QByteArray m_mapName;
    qsizetype m_imgTagOffset = -1;
    int m_insertOffset = -1;
};
