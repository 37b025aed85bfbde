#include "formats/HtmlMapWriter.h"

#include "formats/HtmlText.h"
#include "model/DefaultUrl.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/Strings.h"

using HtmlText::appendQuoted;
using HtmlText::unquote;

namespace {

constexpr QByteArrayView kLineBreak = "\r\n";
// The oldest pages began so; they are always written anew.
constexpr QByteArrayView kOldestPageStart = "<BODY>\r\n<MAP NAME=";

// The program's version as pages record it: "1.30" for 1.3.0, with the
// fourth number appended when there is one.
QByteArray versionText() {
    QByteArray text = QByteArray::number(TESSARY_VERSION_MAJOR) + '.' +
                      QByteArray::number(TESSARY_VERSION_MINOR) +
                      QByteArray::number(TESSARY_VERSION_PATCH);
    if (TESSARY_VERSION_TWEAK > 0)
        text += '.' + QByteArray::number(TESSARY_VERSION_TWEAK);
    return text;
}

QByteArray baseNameWithExtension(const QByteArray& path) {
    const qsizetype cut = qMax(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return path.mid(cut + 1);
}

QByteArray number(int v) {
    return QByteArray::number(v);
}

} // namespace

HtmlMapWriter::HtmlMapWriter(QByteArrayView oldText) : m_old(oldText) {}

void HtmlMapWriter::begin(const MapInfo& info, int insertOffset) {
    m_mapName = info.title;
    m_imageRef = info.imageFile;
    m_imageName = baseNameWithExtension(m_imageRef);
    m_new.reserve(m_old.size() + 65536);
    m_fresh = m_old.startsWith(kOldestPageStart);
    if (!m_fresh) {
        m_scan = HtmlPageScan::scan(m_old);
        chooseImg(insertOffset);
        chooseMapRange();
    }
    if (m_fresh) {
        writeFreshHead(info);
    } else if (m_img.score > 0 && m_img.start < m_mapStart) {
        copyOld(0, m_img.start);
        writeImgTag();
        copyOld(m_img.end, m_mapStart);
    } else {
        copyOld(0, m_mapStart);
    }
    const QByteArrayView startMarker = Strings::raw(Str::MarkerStart);
    if (!endsWithMarkerLine(startMarker))
        line(startMarker);
    m_new += "<MAP NAME=";
    appendQuoted(m_new, m_mapName);
    line(">");
    writeTracking(info);
}

// The tag to rewrite: at an insertion point, an empty range there; else the
// tag the user chose; else the IMG tag that best names the picture (1) and uses the map (2), the
// earliest on a tie. Its attributes but SRC and a USEMAP of "#name" carry over.
void HtmlMapWriter::chooseImg(int insertOffset) {
    m_img = {};
    if (insertOffset >= 0) {
        const qsizetype at = byteOffsetOfCaret(insertOffset);
        m_img = {500, at, at, {}};
        return;
    }
    for (const HtmlImg& img : m_scan.imgs) {
        if (m_chosenImgTag >= 0 && img.start == m_chosenImgTag) {
            m_img = {1000, img.start, img.end, img.carried};
            return;
        }
    }
    for (const HtmlImg& img : m_scan.imgs) {
        int score = 0;
        // A map without a picture names none, and must not take over the
        // page's first image.
        if (!m_imageName.isEmpty() && HtmlText::endsWithNoCase(unquote(img.src), m_imageName))
            score += 1;
        if (HtmlText::equalsNoCase(unquote(img.mapRef), m_mapName))
            score += 2;
        if (score > m_img.score)
            m_img = {score, img.start, img.end, img.carried};
    }
}

// The map of the same name with the end marker after it, else the empty
// range at the last "</BODY>"; a page without either is written anew.
void HtmlMapWriter::chooseMapRange() {
    for (const HtmlMapBlock& map : m_scan.maps) {
        if (unquote(map.name) != m_mapName)
            continue;
        m_mapStart = map.start;
        m_mapEnd = map.end;
        const QByteArrayView endMarker = Strings::raw(Str::MarkerEnd);
        const QByteArrayView after = m_old.sliced(m_mapEnd);
        qsizetype skip = -1;
        if (after.size() >= 2 && after.sliced(2).startsWith(endMarker))
            skip = 2;
        else if (after.startsWith('\n') && after.sliced(1).startsWith(endMarker))
            skip = 1;
        if (skip >= 0) {
            m_mapEnd += skip + endMarker.size();
            const QByteArrayView rest = m_old.sliced(m_mapEnd);
            m_mapEnd += rest.startsWith(kLineBreak) ? 2 : rest.startsWith('\n') ? 1 : 0;
        }
        return;
    }
    m_mapStart = m_mapEnd = m_scan.bodyEnd;
    if (m_scan.bodyEnd < 1)
        m_fresh = true;
}

qsizetype HtmlMapWriter::byteOffsetOfCaret(int caret) const {
    qsizetype pos = 0;
    for (int counted = 0; pos < m_old.size() && counted < caret; ++pos) {
        if (m_old[pos] != '\r')
            ++counted;
    }
    return pos;
}

void HtmlMapWriter::writeFreshHead(const MapInfo& info) {
    line("<HTML>");
    line("<HEAD>");
    line("<TITLE>");
    line(Strings::bytes(Str::FreshPageTitle).replace("%s", info.title));
    line("</TITLE>");
    line(Strings::raw(Str::GeneratorLine));
    if (!info.author.isEmpty()) {
        m_new += "<META NAME=\"AUTHOR\" CONTENT=";
        appendQuoted(m_new, info.author);
        line(">");
    }
    line("</HEAD>");
    line("<BODY>");
    line("<P>");
    writeImgTag();
    line("</P>");
}

void HtmlMapWriter::writeTracking(const MapInfo& info) {
    const QByteArray credit = Strings::bytes(Str::CreditText);
    for (qsizetype from = 0, lf; (lf = credit.indexOf('\n', from)) >= 0; from = lf + 1)
        trackingLine(Strings::raw(Str::KwDash), QByteArrayView(credit).sliced(from, lf - from));
    if (info.formatVersion != 0)
        trackingLine(Strings::raw(Str::KwVersion), versionText());
    writeDescription(info.description);
    trackingLine(Strings::raw(Str::KwAuthor), info.author);
    trackingLine(Strings::raw(Str::KwDate), info.date);
    trackingLine(Strings::raw(Str::KwGif), info.imageFile);
}

// Lines of at most 60 characters, cut at the last space among the first
// 61 (the space is dropped), or after 58 characters when there is none (the
// character there is dropped as well).
void HtmlMapWriter::writeDescription(QByteArrayView rest) {
    const QByteArrayView key = Strings::raw(Str::KwDescription);
    while (rest.size() > 60) {
        qsizetype cut = 60;
        while (cut >= 1 && rest[cut] != ' ')
            --cut;
        if (cut < 1)
            cut = 58;
        trackingLine(key, rest.first(cut));
        rest = rest.sliced(cut + 1);
    }
    trackingLine(key, rest);
}

void HtmlMapWriter::writeImgTag() {
    const QByteArrayView imageTagsMarker = Strings::raw(Str::MarkerImageTags);
    if (!endsWithMarkerLine(imageTagsMarker)) {
        m_new += kLineBreak;
        line(imageTagsMarker);
    }
    m_new += "<IMG SRC=";
    appendQuoted(m_new, m_imageRef);
    m_new += " USEMAP=";
    appendQuoted(m_new, '#' + m_mapName);
    bool border = false;
    for (const HtmlAttribute& a : m_img.carried) {
        m_new += ' ';
        m_new += HtmlText::toUpper(a.name);
        if (!a.value.isEmpty()) {
            m_new += '=';
            if (a.quoted)
                m_new += '"';
            m_new += a.value;
            if (a.quoted)
                m_new += '"';
        }
        border = border || HtmlText::equalsNoCase(a.name, "BORDER");
    }
    if (!border)
        m_new += " BORDER=0";
    m_new += '>';
}

void HtmlMapWriter::writeArea(const MapArea& area) {
    m_new += "<AREA SHAPE=";
    switch (area.shape()) {
    case AreaShape::Rectangle: {
        const PixelRect r = area.imageRect();
        m_new += "RECT COORDS=\"" + number(r.left) + ',' + number(r.top) + ',' + number(r.right) +
                 ',' + number(r.bottom) + '"';
        break;
    }
    case AreaShape::Circle: {
        const CircleGeometry c = area.circle();
        m_new +=
            "CIRCLE COORDS=\"" + number(c.x) + ',' + number(c.y) + ',' + number(c.radius) + '"';
        break;
    }
    case AreaShape::Polygon: {
        m_new += "POLY COORDS=\"";
        for (int i = 0; i < area.vertexCount(); ++i)
            m_new += number(area.vertex(i).x()) + ',' + number(area.vertex(i).y()) + ',';
        m_new += number(area.vertex(0).x()) + ',' + number(area.vertex(0).y()) + '"';
        break;
    }
    }
    if (!area.url().isEmpty()) {
        m_new += " HREF=";
        appendQuoted(m_new, area.url());
    }
    if (!area.target().isEmpty()) {
        m_new += " TARGET=";
        appendQuoted(m_new, area.target());
    }
    m_new += " ALT=";
    appendQuoted(m_new, area.comment());
    line(">");
}

void HtmlMapWriter::writeDefault(const MapInfo& info) {
    if (!DefaultUrl::isSet(info.defaultUrl))
        return;
    m_new += "<AREA SHAPE=default HREF=";
    appendQuoted(m_new, info.defaultUrl);
    line(">");
}

QByteArray HtmlMapWriter::finish() {
    line("</MAP>");
    line(Strings::raw(Str::MarkerEnd));
    if (m_fresh) {
        line("</BODY>");
        line("</HTML>");
    } else if (!m_old.isEmpty() && m_mapEnd > 0) {
        if (m_img.score > 0 && m_img.start >= m_mapEnd) {
            copyOld(m_mapEnd, m_img.start);
            writeImgTag();
            copyOld(m_img.end, m_old.size());
        } else {
            copyOld(m_mapEnd, m_old.size());
        }
    }
    return std::move(m_new);
}

void HtmlMapWriter::copyOld(qsizetype from, qsizetype to) {
    if (from < to)
        m_new += m_old.sliced(from, to - from);
}

void HtmlMapWriter::line(QByteArrayView text) {
    m_new += text;
    m_new += kLineBreak;
}

void HtmlMapWriter::trackingLine(QByteArrayView key, QByteArrayView value) {
    if (value.isEmpty())
        return;
    m_new += "<!-- ";
    m_new += Strings::raw(Str::KwInfoLead);
    m_new += key;
    m_new += ':';
    m_new += value;
    line(" -->");
}

// The marker followed by two characters (its "\r\n"), or by a lone "\n" in
// pages that an editor saved with plain line feeds.
bool HtmlMapWriter::endsWithMarkerLine(QByteArrayView marker) const {
    const QByteArrayView text = m_new;
    if (text.size() >= marker.size() + 2 && text.chopped(2).endsWith(marker))
        return true;
    return text.endsWith('\n') && text.chopped(1).endsWith(marker);
}
