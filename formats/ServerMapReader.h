#pragma once

#include "formats/MapReadReport.h"
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
// An HTML page is read as such instead (HtmlMapReader), choosing among
// several maps through dialogs. A file is a page when its first line begins
// with "<", when its text holds "<map", "<html" or "<!doctype" (in any
// case), or when it is named as a page (.htm, .html, .xhtml, .shtml, .php,
// .asp, .aspx, .jsp) and holds any tag: templates and scripts often begin
// otherwise, and server-side lines hold no tags.
//
// Texts end at a NUL, as the map's 8-bit texts always have: a file is read
// up to its first NUL, and a comment that decodes to one ends there.
class ServerMapReader {
public:
    // dialogs: where a page of several maps asks which one to read; null
    // cancels that choice.
    explicit ServerMapReader(DocumentDialogs* dialogs = nullptr);

    // Reads the file: info.readOnly follows the file's write protection,
    // then the text is read as below. False when the file could not be read
    // as a map (the user has been told why).
    bool read(const MappedFile& file, MapSink& sink, MapInfo& info);
    // Reads map text (up to its first NUL); name is the file's name, which
    // may mark it as a page.
    bool readText(QByteArrayView text, MapSink& sink, MapInfo& info, const QString& name = {});

    // Why the last read failed and what it could not hold.
    const MapReadReport& report() const { return m_report; }

    // Lines of the last server-side read that were a map's: areas whose
    // coordinates scanned, default and map-information lines. None means
    // the text holds no map (plain text, a binary or an empty file).
    int mapLines() const { return m_mapLines; }
    // Whether the last text was read as an HTML page (mapLines() is then 0).
    bool wasPage() const { return m_page; }

    // Whether a file of this name and text is an HTML page.
    static bool isPage(QByteArrayView text, const QString& name);

private:
    struct Keywords {
        QByteArray infoLead, encodedLead;
        QByteArray rectangle, rect, circle, circ, polygon, poly, defaultLong, defaultShort;
    };

    bool readPage(QByteArrayView text);
    void handleLine(QByteArrayView line);
    void readRectangle(QByteArrayView rest);
    void readCircle(QByteArrayView rest);
    void readPolygon(QByteArrayView rest);
    bool accepting();
    // Texts of the area being created; the pending comment is used up.
    AreaTexts takeTexts(QByteArrayView url);

    Keywords m_kw;
    DocumentDialogs* m_dialogs;
    MapSink* m_sink = nullptr;
    MapInfo* m_info = nullptr;
    QByteArray m_pendingComment;
    QByteArray m_currentTarget; // stays empty: server-side maps name no frames
    MapReadReport m_report;
    int m_mapLines = 0;
    bool m_page = false;
};
