#pragma once

#include "model/AreaTexts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

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
// such instead.
class ServerMapReader {
public:
    ServerMapReader();

    // Reads the file: info.readOnly follows the file's write protection,
    // then the text is read as below. False when the file could not be read
    // as a map (the user has been told why).
    bool read(const MappedFile& file, MapSink& sink, MapInfo& info);
    // Reads map text (up to its first NUL). path names the file in messages.
    bool readText(QByteArrayView text, MapSink& sink, MapInfo& info, const QString& path = {});

private:
    struct Keywords {
        QByteArray infoLead, title, description, author, gif, encodedLead;
        QByteArray rectangle, rect, circle, circ, polygon, poly, defaultLong, defaultShort;
    };

    bool readHtml(QByteArrayView text, MapSink& sink, MapInfo& info, const QString& path);
    void handleLine(QByteArrayView line);
    void handleInfo(QByteArrayView rest);
    void readRectangle(QByteArrayView rest);
    void readCircle(QByteArrayView rest);
    void readPolygon(QByteArrayView rest);
    // Texts of the area being created; the pending comment is used up.
    AreaTexts takeTexts(QByteArrayView url);

    Keywords m_kw;
    MapSink* m_sink = nullptr;
    MapInfo* m_info = nullptr;
    QByteArray m_pendingComment;
    QByteArray m_currentTarget; // stays empty: server-side maps name no frames
};
