#pragma once

#include "model/AreaTexts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class DocumentDialogs;
class MapSink;
class MappedFile;
struct MapInfo;

// Reads a server-side map file (.map, .imp) of either web-server form into a
// sink and a MapInfo. Each line is one of: an NCSA area line ("rect URL
// x1,y1 x2,y2"), a CERN area line ("rect (x1,y1) (x2,y2) URL"), a default
// line, a map-information line ("#$TITLE:..."), an encoded line (the
// map-information line percent-encoded behind a dummy rectangle, so that
// servers skip it), or a comment, whose text becomes the next area's
// comment. Lines whose coordinates do not scan are skipped; nothing makes a
// server-side read fail.
//
// A file whose first line begins with "<" is an HTML page and is read as
// such instead (HtmlMapReader), choosing among several maps through dialogs.
class ServerMapReader {
public:
    // dialogs: where a page of several maps asks which one to read; null
    // cancels that choice.
    explicit ServerMapReader(DocumentDialogs* dialogs = nullptr);

    // Reads the file: info.readOnly follows the file's write protection,
    // then the text is read as below. False when the file could not be read
    // as a map (the user has been told why).
    bool read(const MappedFile& file, MapSink& sink, MapInfo& info);
    // Reads map text (up to its first NUL).
    bool readText(QByteArrayView text, MapSink& sink, MapInfo& info);

private:
    struct Keywords {
        QByteArray infoLead, encodedLead;
        QByteArray rectangle, rect, circle, circ, polygon, poly, defaultLong, defaultShort;
    };

    void handleLine(QByteArrayView line);
    void readRectangle(QByteArrayView rest);
    void readCircle(QByteArrayView rest);
    void readPolygon(QByteArrayView rest);
    // Texts of the area being created; the pending comment is used up.
    AreaTexts takeTexts(QByteArrayView url);

    Keywords m_kw;
    DocumentDialogs* m_dialogs;
    MapSink* m_sink = nullptr;
    MapInfo* m_info = nullptr;
    QByteArray m_pendingComment;
    QByteArray m_currentTarget; // stays empty: server-side maps name no frames
};
