#include "formats/ServerMapReader.h"

#include "formats/HtmlMapReader.h"
#include "formats/LineScan.h"
#include "formats/MapInfoLine.h"
#include "formats/MappedFile.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/Strings.h"

#include <cstdlib>

using namespace LineScan;

namespace {

// What comes before a line: tabs, carriage returns, spaces and line feeds.
bool isLineSpace(char c) {
    return c == '\t' || c == '\r' || c == ' ' || c == '\n';
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
    return readText(file.bytes(), sink, info);
}

bool ServerMapReader::readText(QByteArrayView text, MapSink& sink, MapInfo& info) {
    if (const qsizetype nul = text.indexOf('\0'); nul >= 0)
        text = text.first(nul);
    // Editors often begin UTF-8 files with a byte order mark; it is not part
    // of the first line, which decides whether the file is a page.
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // The first line decides the format: a page when it begins with "<".
    // Only its first character is looked at, since a page may be one line.
    qsizetype pos = 0;
    while (pos < text.size() && isLineSpace(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == '<')
        return HtmlMapReader::read(text, sink, info, m_dialogs);
    m_sink = &sink;
    m_info = &info;
    m_pendingComment.clear();
    QByteArray line;
    while (nextLine(text, pos, line)) {
        if (line.size() >= 2)
            handleLine(line);
    }
    return true;
}

void ServerMapReader::handleLine(QByteArrayView line) {
    QByteArray decoded;
    if (takeKeyword(line, m_kw.encodedLead)) {
        decoded = percentDecode(line);
        line = decoded;
    }
    if (takeKeyword(line, m_kw.infoLead))
        return MapInfoLine::apply(line, *m_info);
    if (takeKeyword(line, "#")) {
        const QByteArray comment = percentDecode(line);
        m_pendingComment = trimLeft(comment).toByteArray();
        return;
    }
    if (takeKeyword(line, m_kw.rectangle) || takeKeyword(line, m_kw.rect))
        return readRectangle(line);
    if (takeKeyword(line, m_kw.circle) || takeKeyword(line, m_kw.circ))
        return readCircle(line);
    if (takeKeyword(line, m_kw.polygon) || takeKeyword(line, m_kw.poly))
        return readPolygon(line);
    if (takeKeyword(line, m_kw.defaultLong) || takeKeyword(line, m_kw.defaultShort))
        m_info->defaultUrl = firstWord(line).toByteArray();
}

AreaTexts ServerMapReader::takeTexts(QByteArrayView url) {
    AreaTexts texts{url.toByteArray(), m_currentTarget, m_pendingComment};
    m_pendingComment.clear();
    return texts;
}

void ServerMapReader::readRectangle(QByteArrayView rest) {
    if (!m_sink->acceptsAreas())
        return;
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
    m_sink->rectangle(takeTexts(url), v[0], v[1], v[2], v[3]);
}

void ServerMapReader::readCircle(QByteArrayView rest) {
    if (!m_sink->acceptsAreas())
        return;
    int v[4];
    QByteArrayView url;
    int rx = 0, ry = 0;
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
        rx = std::abs(v[2] - v[0]);
        ry = std::abs(v[3] - v[1]);
        if (rx < 3)
            rx = ry;
        if (ry < 3)
            ry = rx;
        if (rx < 3 && ry < 3)
            return;
    }
    m_sink->circle(takeTexts(url), v[0] - rx, v[1] - ry, v[0] + rx, v[1] + ry);
}

void ServerMapReader::readPolygon(QByteArrayView rest) {
    if (!m_sink->acceptsAreas())
        return;
    m_sink->beginPolygon();
    int v[2];
    QByteArrayView url;
    if (rest.startsWith('(')) {
        while (rest.startsWith('(')) {
            int used = -1;
            if (scanInts(rest, "(%d,%d)%n", v, &used) < 2 || used < 0) {
                rest = {};
                break;
            }
            m_sink->vertex(v[0], v[1]);
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
            m_sink->vertex(v[0], v[1]);
            rest = trimLeft(rest.sliced(used));
        }
    }
    m_sink->endPolygon(takeTexts(url));
}
