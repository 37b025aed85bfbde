#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the wizards need of an existing HTML page, up to its closing BODY
// tag: its IMG tags (SRC as written, the map each uses, where each starts)
// and the names of its maps. Tags after the body end are not counted.
struct PageSummary {
    struct Image {
        QByteArray src;       // as written
        QByteArray mapName;   // the USEMAP value without its "#"; empty for none
        qsizetype offset = 0; // the "<" of the IMG tag in the page
    };

    bool readable = false; // the file could be read
    bool empty = true;     // it holds no bytes (or does not exist)
    bool hasBodyEnd = false;
    QList<Image> images;
    QList<QByteArray> maps; // names of the complete MAP blocks

    static PageSummary of(const QByteArray& text);
    // Reads the file (behind a wait cursor when a window is up); a file
    // that cannot be read gives an unreadable, empty summary.
    static PageSummary read(const QString& path);

    // A page that is not empty and has no closing BODY tag: the writer would
    // replace it whole, so nothing is saved into it.
    bool isMalformed() const { return readable && !empty && !hasBodyEnd; }
    bool hasMap(const QByteArray& name) const { return maps.contains(name); }
    // Maps no IMG tag of the page uses.
    QList<QByteArray> unusedMaps() const;
};
