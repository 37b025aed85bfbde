#include "formats/ServerMapReader.h"

#include "formats/HtmlMapReader.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/MapInfoLine.h"
#include "formats/MappedFile.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/Strings.h"

#include <QFileInfo>

#include <cstdlib>

using namespace LineScan;

namespace {

// What comes before a line: tabs, carriage returns, spaces and line feeds.
bool isLineSpace(char c) {
    return c == '\t' || c == '\r' || c == ' ' || c == '\n';
}

// Whether text, its byte order mark taken off, begins with "<" after line
// space: a page whatever follows, since a page may be one line.
bool startsAsPage(QByteArrayView text) {
    qsizetype pos = 0;
    while (pos < text.size() && isLineSpace(text[pos]))
        ++pos;
    return pos < text.size() && text[pos] == '<';
}

// Takes the next line from text at pos: leading line space is skipped, the
// line runs to the next carriage return or line feed, and its tabs become
// spaces. False at the end.
bool nextLine(QByteArrayView text, qsizetype& pos, QByteArray& line) {
    while (pos < text.size() && isLineSpace(text[pos]))
        ++pos;
    if (pos >= text.size())
        return false;
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n')
        ++pos;
    line.truncate(0); // keeps the buffer for the next line
    line.append(text.sliced(start, pos - start));
    line.replace('\t', ' ');
    return true;
}

// Counts a polygon's points as the document keeps them (a point equal to
// the one before is no new point) while handing them on.
struct PolygonCount {
    int points = 0;
    int lastX = 0, lastY = 0;
    void vertex(int x, int y, MapSink& sink) {
        if (points == 0 || x != lastX || y != lastY)
            ++points;
        lastX = x;
        lastY = y;
        sink.vertex(x, y);
    }
};

} // namespace

ServerMapReader::ServerMapReader(DocumentDialogs* dialogs) : m_dialogs(dialogs) {
    m_kw = {Strings::bytes(Str::KwInfoLead),  Strings::bytes(Str::KwEncodedLead),
            Strings::bytes(Str::KwRectangle), Strings::bytes(Str::KwRectShort),
            Strings::bytes(Str::KwCircle),    Strings::bytes(Str::KwCircShort),
            Strings::bytes(Str::KwPolygon),   Strings::bytes(Str::KwPolyShort),
            Strings::bytes(Str::KwDefault),   Strings::bytes(Str::KwDefShort)};
}

bool ServerMapReader::read(const MappedFile& file, MapSink& sink, MapInfo& info) {
    info.readOnly = file.isReadOnly();
    return readText(file.bytes(), sink, info, QFileInfo(file.path()).fileName());
}

bool ServerMapReader::isPage(QByteArrayView text, const QString& name) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (startsAsPage(text))
        return true;
    static const char* const kPageSuffixes[] = {"htm", "html", "xhtml", "shtml",
                                                "php", "asp",  "aspx",  "jsp"};
    const QString suffix = QFileInfo(name).suffix();
    bool pageName = false;
    for (const char* pageSuffix : kPageSuffixes)
        pageName = pageName || suffix.compare(QLatin1String(pageSuffix), Qt::CaseInsensitive) == 0;
    // Beyond the first line: the marks of a page, or any tag in a file
    // named as a page (server-side lines hold no tags).
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        const QByteArrayView rest = text.sliced(at + 1);
        if (pageName && !rest.isEmpty() &&
            (rest[0] == '/' || rest[0] == '!' || HtmlText::upper(rest[0]) != rest[0] ||
             (rest[0] >= 'A' && rest[0] <= 'Z')))
            return true;
        for (QByteArrayView mark :
             {QByteArrayView("MAP"), QByteArrayView("HTML"), QByteArrayView("!DOCTYPE")}) {
            if (rest.size() > mark.size() &&
                HtmlText::equalsNoCase(rest.first(mark.size()), mark) &&
                (isSpace(rest[mark.size()]) || rest[mark.size()] == '>'))
                return true;
        }
    }
    return false;
}

bool ServerMapReader::readText(QByteArrayView text, MapSink& sink, MapInfo& info,
                               const QString& name) {
    m_report = {};
    m_mapLines = 0;
    m_page = false;
    m_sink = &sink;
    m_info = &info;
    const QByteArrayView whole = text;
    const QByteArrayView unmarked = whole.startsWith("\xEF\xBB\xBF") ? whole.sliced(3) : whole;
    // Nearly every page begins so, and is read whole at once, without the
    // search for a NUL, which would read a large page once more.
    if (startsAsPage(unmarked)) {
        m_page = true;
        return readPage(unmarked);
    }
    const qsizetype nulAt = text.indexOf('\0');
    if (nulAt >= 0)
        text = text.first(nulAt);
    // Editors often begin UTF-8 files with a byte order mark; it is not part
    // of the first line.
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    m_page = isPage(text, name);
    // A page is read whole, as browsers read it: a NUL is a character of
    // its text like any other.
    if (m_page)
        return readPage(unmarked);
    qsizetype pos = 0;
    m_pendingComment.clear();
    QByteArray line;
    while (nextLine(text, pos, line)) {
        if (line.size() >= 2)
            handleLine(line);
    }
    return true;
}

bool ServerMapReader::readPage(QByteArrayView text) {
    return HtmlMapReader::read(text, *m_sink, *m_info, m_dialogs, &m_report);
}

void ServerMapReader::handleLine(QByteArrayView line) {
    QByteArray decoded;
    if (takeKeyword(line, m_kw.encodedLead)) {
        decoded = percentDecode(line);
        line = beforeNul(decoded);
    }
    if (takeKeyword(line, m_kw.infoLead)) {
        ++m_mapLines;
        return MapInfoLine::apply(line, *m_info);
    }
    if (takeKeyword(line, "#")) {
        const QByteArray comment = percentDecode(line);
        m_pendingComment = trimLeft(beforeNul(comment)).toByteArray();
        return;
    }
    if (takeKeyword(line, m_kw.rectangle) || takeKeyword(line, m_kw.rect))
        return readRectangle(line);
    if (takeKeyword(line, m_kw.circle) || takeKeyword(line, m_kw.circ))
        return readCircle(line);
    if (takeKeyword(line, m_kw.polygon) || takeKeyword(line, m_kw.poly))
        return readPolygon(line);
    if (takeKeyword(line, m_kw.defaultLong) || takeKeyword(line, m_kw.defaultShort)) {
        ++m_mapLines;
        m_info->defaultUrl = firstWord(line).toByteArray();
    }
}

// Whether the sink takes another area; one it refuses is counted as cut.
bool ServerMapReader::accepting() {
    ++m_mapLines; // an area line whose coordinates scanned
    if (m_sink->acceptsAreas())
        return true;
    ++m_report.areasBeyond;
    return false;
}

AreaTexts ServerMapReader::takeTexts(QByteArrayView url) {
    AreaTexts texts{url.toByteArray(), m_currentTarget, m_pendingComment};
    m_pendingComment.clear();
    return texts;
}

void ServerMapReader::readRectangle(QByteArrayView rest) {
    int v[4];
    QByteArrayView url;
    if (rest.startsWith('(')) {
        int used = -1;
        if (scanInts(rest, "(%d,%d) (%d,%d)%n", v, &used) < 4 || used < 0)
            return;
        url = firstWord(trimLeft(rest.sliced(used)));
    } else {
        url = firstWord(rest);
        if (scanInts(afterFirstSpace(rest), "%d,%d %d,%d", v) < 4)
            return;
    }
    if (!accepting())
        return;
    m_sink->rectangle(takeTexts(url), coordinate(v[0]), coordinate(v[1]), coordinate(v[2]),
                      coordinate(v[3]));
}

void ServerMapReader::readCircle(QByteArrayView rest) {
    int v[4];
    QByteArrayView url;
    long long rx = 0, ry = 0;
    if (rest.startsWith('(')) {
        int used = -1;
        if (scanInts(rest, "(%d,%d) %d%n", v, &used) < 3 || used < 0)
            return;
        url = firstWord(trimLeft(rest.sliced(used)));
        rx = ry = v[2];
    } else {
        url = firstWord(rest);
        if (scanInts(afterFirstSpace(rest), "%d,%d %d,%d", v) < 4)
            return;
        // The second point lies on the edge; a point off the axes gives an
        // ellipse, one on an axis a circle.
        rx = std::llabs((long long)v[2] - v[0]);
        ry = std::llabs((long long)v[3] - v[1]);
        if (rx < 3)
            rx = ry;
        if (ry < 3)
            ry = rx;
        if (rx < 3 && ry < 3)
            return;
    }
    if (!accepting())
        return;
    const long long cx = coordinate(v[0]), cy = coordinate(v[1]);
    rx = coordinate(rx);
    ry = coordinate(ry);
    m_sink->circle(takeTexts(url), coordinate(cx - rx), coordinate(cy - ry), coordinate(cx + rx),
                   coordinate(cy + ry));
}

void ServerMapReader::readPolygon(QByteArrayView rest) {
    if (!accepting())
        return;
    m_sink->beginPolygon();
    PolygonCount count;
    int v[2];
    QByteArrayView url;
    if (rest.startsWith('(')) {
        while (rest.startsWith('(')) {
            int used = -1;
            if (scanInts(rest, "(%d,%d)%n", v, &used) < 2 || used < 0) {
                rest = {};
                break;
            }
            count.vertex(coordinate(v[0]), coordinate(v[1]), *m_sink);
            rest = trimLeft(rest.sliced(used));
        }
        url = firstWord(trimLeft(rest));
    } else {
        url = firstWord(rest);
        rest = afterFirstSpace(rest);
        while (rest.size() > 2) {
            int used = -1;
            if (scanInts(rest, "%d,%d%n", v, &used) < 2 || used < 0)
                break;
            count.vertex(coordinate(v[0]), coordinate(v[1]), *m_sink);
            rest = trimLeft(rest.sliced(used));
        }
    }
    if (count.points > MapArea::kMaxVertices)
        ++m_report.polygonsCut;
    m_sink->endPolygon(takeTexts(url));
}
