#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// What reading a map file tells beside the map: why a read failed (with the
// line of the page it concerns), and what of a map that was read could not
// be held (areas past the document's limit, polygons of too many points,
// areas of a shape the editor does not know), so that nothing is cut
// silently.
struct MapReadReport {
    // The string id of the reason a read failed, 0 when it did not or when
    // no reason is known (a cancelled map choice); line counts from 1.
    int failure = 0;
    int line = 0;

    int areasBeyond = 0;
    int polygonsCut = 0;
    int unknownShapeAreas = 0;
    QList<QByteArray> unknownShapes; // each SHAPE value once, as written
    int attributesBeyond = 0;        // past the attributes a tag keeps

    bool lossy() const {
        return areasBeyond > 0 || polygonsCut > 0 || unknownShapeAreas > 0 || attributesBeyond > 0;
    }
    // The reason as one sentence; empty when there is none.
    QString failureText() const;
    // What was cut, as a list ("5 areas beyond the 1,024 a map holds; ...").
    QString lossList() const;

    void fail(int id, QByteArrayView text, qsizetype offset);
    void addUnknownShape(QByteArrayView shape);

    // The line (from 1) on which offset lies.
    static int lineOf(QByteArrayView text, qsizetype offset);
};
