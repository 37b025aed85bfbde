#include "formats/HtmlMapWriter.h"

#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/ResponsiveScript.h"
#include "model/DefaultUrl.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/SourceTag.h"
#include "model/Strings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

using HtmlText::unquote;
using LineScan::beforeNul;

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

// The digits of 0 to 9999, four a number with leading zeros, and four
// bytes of room after the last: nearly every coordinate is written from
// it, without a branch per digit.
constexpr auto kDigits4 = [] {
    std::array<char, 4 * 10000 + 4> table{};
    for (int v = 0; v < 10000; ++v) {
        table[std::size_t(4 * v)] = char('0' + v / 1000);
        table[std::size_t(4 * v + 1)] = char('0' + v / 100 % 10);
        table[std::size_t(4 * v + 2)] = char('0' + v / 10 % 10);
        table[std::size_t(4 * v + 3)] = char('0' + v % 10);
    }
    return table;
}();

// Room for one number written by putNumber: a sign and ten digits.
constexpr qsizetype kNumberRoom = 11;

// Writes v in decimal at to; returns the end. Up to four bytes beyond the
// number may be written over, within its room.
inline char* putNumber(char* to, int v) {
    if (unsigned(v) < 10000u) {
        const int length = 1 + (v >= 10) + (v >= 100) + (v >= 1000);
        std::memcpy(to, kDigits4.data() + 4 * v + 4 - length, 4);
        return to + length;
    }
    return std::to_chars(to, to + kNumberRoom, v).ptr;
}

// An AREA tag in the writer's form, written straight into the page: room
// for all of it is made at once and written through a pointer, without a
// call into the page's text per piece (a map may hold 10,000 areas of a
// million points). Every piece's room is counted in advance by its caller.
class TagText {
public:
    TagText(QByteArray& out, qsizetype room) : m_out(out), m_start(out.size()) {
        out.resize(m_start + room);
        m_to = out.data() + m_start;
    }
    TagText(const TagText&) = delete;
    TagText& operator=(const TagText&) = delete;
    // Gives the room not written back.
    ~TagText() { m_out.truncate(m_to - m_out.constData()); }

    // The room quoted(value) takes at most.
    static qsizetype quotedRoom(QByteArrayView value) { return 6 * value.size() + 2; }

    // An empty view may hold no pointer, which memcpy and memchr must not
    // be given even for no bytes.
    void put(QByteArrayView text) {
        if (text.isEmpty())
            return;
        std::memcpy(m_to, text.data(), std::size_t(text.size()));
        m_to += text.size();
    }
    void put(char c) { *m_to++ = c; }
    void number(int v) { m_to = putNumber(m_to, v); }
    // value in double quotes, with every '"' as "&quot;" (HtmlText::appendQuoted).
    void quoted(QByteArrayView value) {
        put('"');
        for (const void* quote;
             !value.isEmpty() &&
             (quote = std::memchr(value.data(), '"', std::size_t(value.size())));) {
            const qsizetype at = static_cast<const char*>(quote) - value.data();
            put(value.first(at));
            put("&quot;");
            value = value.sliced(at + 1);
        }
        put(value);
        put('"');
    }
    // A polygon's COORDS value: every vertex, then the first again, which
    // closes the ring for readers that want it closed.
    static qsizetype ringRoom(const QPolygon& ring) {
        return (ring.size() + 1) * (2 * kNumberRoom + 2);
    }
    void ring(const QPolygon& ring) {
        if (ring.isEmpty())
            return;
        for (const QPoint& p : ring) {
            number(p.x());
            put(',');
            number(p.y());
            put(',');
        }
        number(ring.first().x());
        put(',');
        number(ring.first().y());
    }

private:
    QByteArray& m_out;
    qsizetype m_start;
    char* m_to;
};

// Texts of the map are written up to a NUL, which no page may hold.
void appendQuoted(QByteArray& out, QByteArrayView value) {
    HtmlText::appendQuoted(out, beforeNul(value));
}

// Whether value may stand without quotes in a tag.
bool plainValue(QByteArrayView value) {
    if (value.isEmpty())
        return false;
    for (char c : value) {
        if (LineScan::isSpace(c) || c == '"' || c == '\'' || c == '=' || c == '<' || c == '>' ||
            c == '`')
            return false;
    }
    return true;
}

// The attributes kept on an AREA or MAP tag, after those the writer writes,
// in the form they were read in where the value allows it, else in double
// quotes; a bare attribute stays bare. A name that could not stand in a tag
// is left out rather than break the tag.
void appendKept(QByteArray& out, const TagAttributes& attributes) {
    using Form = TagAttribute::Form;
    for (const TagAttribute& a : attributes) {
        const QByteArrayView name = beforeNul(a.name);
        if (!TagAttribute::validName(name))
            continue;
        out += ' ';
        out += name;
        const QByteArrayView value = beforeNul(a.value);
        if (a.form == Form::Bare && value.isEmpty())
            continue;
        out += '=';
        if (a.form == Form::Unquoted && plainValue(value)) {
            out += value;
        } else if (a.form == Form::SingleQuoted && !value.contains('\'')) {
            const qsizetype at = out.size();
            appendQuoted(out, value);
            out[at] = out[out.size() - 1] = '\'';
        } else {
            appendQuoted(out, value);
        }
    }
}

// One change of a rewritten IMG tag: bytes [at, end) of the page become text.
struct TagEdit {
    qsizetype at, end;
    QByteArray text;
};

// The edit that gives attribute a the value, in the attribute's own quotes
// when the value allows them, else in double quotes.
TagEdit valueEdit(const HtmlAttribute& a, QByteArrayView value) {
    if (a.valueAt < 0) { // a bare name: "=value" goes after it
        QByteArray text = "=";
        appendQuoted(text, value);
        return {a.end, a.end, text};
    }
    const qsizetype valueEnd = a.valueAt + a.value.size();
    if (a.quote == '"') {
        QByteArray quoted;
        appendQuoted(quoted, value);
        return {a.valueAt, valueEnd, quoted.sliced(1, quoted.size() - 2)};
    }
    if (a.quote == '\'' && !value.contains('\''))
        return {a.valueAt, valueEnd, beforeNul(value).toByteArray()};
    if (!a.quoted && plainValue(beforeNul(value)))
        return {a.valueAt, valueEnd, beforeNul(value).toByteArray()};
    QByteArray quoted;
    appendQuoted(quoted, value);
    return {a.quoted ? a.valueAt - 1 : a.valueAt, a.end, quoted};
}

} // namespace

HtmlMapWriter::HtmlMapWriter(QByteArrayView oldText)
    : m_old(oldText), m_defaultLead(DefaultUrl::lead()) {}

void HtmlMapWriter::begin(const MapInfo& info, int insertOffset) {
    m_mapName = info.title;
    m_imageRef = info.imageFile;
    m_imageName = baseNameWithExtension(m_imageRef);
    m_new.reserve(m_old.size() + 65536);
    m_fresh = m_oldest = m_old.startsWith(kOldestPageStart);
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
    if (!m_fresh && !m_oldest)
        m_xmlAreas = (m_img.tag && m_img.tag->selfClosing) || m_old.startsWith("<?xml");
    for (const HtmlMapBlock& map : m_scan.maps) {
        if (map.start == m_mapStart && !map.areas.empty())
            m_xmlAreas = map.areas.front().selfClosing;
    }
    m_info = info;
    m_source = info.source.get();
    m_trackingPending = true;
    const QByteArray size = ResponsiveScript::writtenSize(info);
    if (m_source && m_source->title == info.title && m_source->attributes == info.mapAttributes &&
        m_source->sizeText == size) {
        m_new += m_source->text; // the map's own tag, unchanged
        return;
    }
    m_new += "<MAP NAME=";
    appendQuoted(m_new, m_mapName);
    TagAttributes kept = info.mapAttributes;
    MapInfo unused;
    ResponsiveScript::takeSizeAttribute(kept, unused); // ours: written anew below
    if (!size.isEmpty()) {
        m_new += ' ' + ResponsiveScript::kSizeAttribute.toByteArray() + '=';
        appendQuoted(m_new, size);
    }
    appendKept(m_new, kept);
    m_new += '>';
}

// The text before a tag of the map. The tracking comments go after the
// line break that ends the MAP tag's line (or right after the tag when no
// line break follows it), before the rest of the first such text, so that
// every line of the page stays as it was.
void HtmlMapWriter::writeGap(QByteArrayView gap) {
    if (!m_trackingPending) {
        m_new += gap;
        return;
    }
    m_trackingPending = false;
    const qsizetype lineBreak = gap.startsWith(kLineBreak) ? 2 : gap.startsWith('\n') ? 1 : 0;
    m_new += gap.first(lineBreak);
    writeTracking(m_info);
    m_new += gap.sliced(lineBreak);
}

// The tag to rewrite: at an insertion point, an empty range there; else the
// tag the user chose; else the IMG tag that best names the picture (1) and
// uses the map (2), the earliest on a tie. A page's tag is edited in place.
void HtmlMapWriter::chooseImg(int insertOffset) {
    m_img = {};
    if (insertOffset >= 0) {
        const qsizetype at = byteOffsetOfCaret(insertOffset);
        m_img = {500, at, at, {}, nullptr};
        return;
    }
    for (const HtmlImg& img : m_scan.imgs) {
        if (m_chosenImgTag >= 0 && img.start == m_chosenImgTag) {
            m_img = {1000, img.start, img.end, img.carried, &img};
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
            m_img = {score, img.start, img.end, img.carried, &img};
    }
}

// The map of the same name with the end marker after it, else the empty
// range at the last "</BODY>"; a page without either is written anew.
void HtmlMapWriter::chooseMapRange() {
    for (const HtmlMapBlock& map : m_scan.maps) {
        // The name as the map holds it: up to a NUL.
        if (unquote(beforeNul(map.name)) != m_mapName)
            continue;
        m_mapStart = map.start;
        m_mapEnd = map.end;
        const QByteArrayView endMarker = Strings::raw(Str::MarkerEnd);
        const QByteArrayView after = m_old.sliced(m_mapEnd);
        qsizetype skip = -1;
        if (after.startsWith(endMarker))
            skip = 0;
        else if (after.size() >= 2 && after.sliced(2).startsWith(endMarker))
            skip = 2;
        else if (after.startsWith('\n') && after.sliced(1).startsWith(endMarker))
            skip = 1;
        if (skip >= 0) {
            m_breakAfterMap = after.first(skip).toByteArray();
            m_mapEnd += skip + endMarker.size();
            const QByteArrayView rest = m_old.sliced(m_mapEnd);
            m_mapEnd += rest.startsWith(kLineBreak) ? 2 : rest.startsWith('\n') ? 1 : 0;
        } else {
            // The end marker goes after the line break that ends the
            // closing tag's line, or right after the tag.
            const qsizetype lineBreak = after.startsWith(kLineBreak) ? 2
                                        : after.startsWith('\n')     ? 1
                                                                     : 0;
            m_breakAfterMap = after.first(lineBreak).toByteArray();
            m_mapEnd += lineBreak;
        }
        return;
    }
    m_mapStart = m_mapEnd = m_scan.bodyEnd;
    if (m_scan.bodyEnd < 1) {
        m_fresh = true;
        return;
    }
    // A new map inside another MAP block (a page whose closing BODY tag lies
    // within one, or after a MAP never closed) would be read as part of that
    // block and never found again: it goes before that block instead.
    for (const HtmlMapBlock& map : m_scan.maps) {
        if (map.start < m_mapStart && m_mapStart < map.end)
            m_mapStart = m_mapEnd = map.start;
    }
    if (m_scan.unclosedMap >= 0 && m_scan.unclosedMap < m_mapStart)
        m_mapStart = m_mapEnd = m_scan.unclosedMap;
}

bool HtmlMapWriter::replacesForeignPage() const {
    if (!m_fresh || m_oldest)
        return false;
    for (char c : m_old) {
        if (!LineScan::isSpace(c))
            return true;
    }
    return false;
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
    // The title is the element's text: "&" and "<" are written as entities,
    // so that a title holding "</TITLE>" or "<map" shows as typed instead
    // of ending the element early or starting a tag.
    QByteArray title = beforeNul(info.title).toByteArray();
    title.replace('&', "&amp;").replace('<', "&lt;");
    line(Strings::bytes(Str::FreshPageTitle).replace("%s", title));
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
    writeDescription(beforeNul(info.description));
    trackingLine(Strings::raw(Str::KwAuthor), info.author);
    trackingLine(Strings::raw(Str::KwDate), info.date);
    trackingLine(Strings::raw(Str::KwGif), info.imageFile);
    // The page's script looks for these lines too.
    if (info.scalesWithPicture)
        trackingLine(Strings::raw(Str::KwResponsive), Strings::raw(Str::KwYes));
    if (const QByteArray size = ResponsiveScript::writtenSize(info); !size.isEmpty())
        trackingLine(Strings::raw(Str::KwDrawnSize), size);
    if (info.highlightsAreas)
        trackingLine(Strings::raw(Str::KwHighlight), Strings::raw(Str::KwYes));
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
    if (m_img.tag)
        editImgTag(*m_img.tag);
    else
        writeNewImgTag();
}

void HtmlMapWriter::writeNewImgTag() {
    m_new += "<IMG SRC=";
    appendQuoted(m_new, m_imageRef);
    m_new += " USEMAP=";
    appendQuoted(m_new, '#' + m_mapName);
    m_new += " BORDER=0>";
}

// The page's own tag with SRC (when it names another picture), USEMAP and
// BORDER settled; new attributes follow the case of the tag's name, and
// are quoted in a tag that closes itself.
void HtmlMapWriter::editImgTag(const HtmlImg& img) {
    const auto name = [&img](const char* upper) {
        return img.lowerCase ? QByteArray(upper).toLower() : QByteArray(upper);
    };
    const auto added = [&](const char* upper, QByteArrayView value) {
        QByteArray text = ' ' + name(upper) + '=';
        appendQuoted(text, value);
        return text;
    };
    std::vector<TagEdit> edits;
    qsizetype usemapAt = img.nameEnd;
    if (img.srcAttribute.name.isEmpty()) {
        edits.push_back({img.nameEnd, img.nameEnd, added("SRC", m_imageRef)});
    } else {
        if (unquote(img.src) != beforeNul(m_imageRef))
            edits.push_back(valueEdit(img.srcAttribute, m_imageRef));
        usemapAt = img.srcAttribute.end;
    }
    const QByteArray usemap = '#' + beforeNul(m_mapName).toByteArray();
    // A tag that shows the map already keeps the look its page gave it.
    bool border = unquote(img.usemapAttribute.value) == usemap;
    if (img.usemapAttribute.name.isEmpty())
        edits.push_back({usemapAt, usemapAt, added("USEMAP", usemap)});
    else if (!border)
        edits.push_back(valueEdit(img.usemapAttribute, usemap));
    for (const HtmlAttribute& a : img.carried)
        border = border || HtmlText::equalsNoCase(a.name, "BORDER");
    if (!border) {
        const qsizetype at = qMax(img.attributesEnd, usemapAt);
        // A bare 0 stands only before white space or the tag's ">": before
        // anything else (a "/", a stray quote, a "<" that cuts the tag
        // short) it would run on into that text and change how the rest of
        // the tag reads, up to a quoted value or comment that swallows the
        // map after it.
        const char next = at < m_old.size() ? m_old[at] : '\0';
        const bool bare = !img.selfClosing && (LineScan::isSpace(next) || next == '>');
        edits.push_back({at, at, ' ' + name("BORDER") + (bare ? "=0" : "=\"0\"")});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const TagEdit& a, const TagEdit& b) { return a.at < b.at; });
    qsizetype from = img.start;
    for (const TagEdit& edit : edits) {
        copyOld(from, edit.at);
        m_new += edit.text;
        from = edit.end;
    }
    copyOld(from, img.end);
}

namespace {

// The SHAPE and COORDS an area is written with in the writer's form, in
// whole pixels; in quotes where the map's tags are XHTML.
qsizetype geometryRoom(const MapArea& area) {
    return 32 + qMax(4 * (kNumberRoom + 1), TagText::ringRoom(area.vertices()));
}

void writeGeometry(TagText& tag, const MapArea& area, bool xml) {
    switch (area.shape()) {
    case AreaShape::Rectangle: {
        const PixelRect r = area.imageRect();
        tag.put(xml ? " SHAPE=\"RECT\" COORDS=\"" : " SHAPE=RECT COORDS=\"");
        for (int v : {r.left, r.top, r.right}) {
            tag.number(v);
            tag.put(',');
        }
        tag.number(r.bottom);
        break;
    }
    case AreaShape::Circle: {
        const CircleGeometry c = area.circle();
        tag.put(xml ? " SHAPE=\"CIRCLE\" COORDS=\"" : " SHAPE=CIRCLE COORDS=\"");
        for (int v : {c.x, c.y}) {
            tag.number(v);
            tag.put(',');
        }
        tag.number(c.radius);
        break;
    }
    case AreaShape::Polygon:
        tag.put(xml ? " SHAPE=\"POLY\" COORDS=\"" : " SHAPE=POLY COORDS=\"");
        tag.ring(area.vertices());
        break;
    }
    tag.put('"');
}

} // namespace

void HtmlMapWriter::writeArea(const MapArea& area) {
    if (m_source && m_source->defaultIndex == m_areasWritten)
        writeDefault(m_info);
    ++m_areasWritten;
    const SourceTag* source = area.source();
    if (area.asRead()) {
        writeGap(source->gap);
        m_new += source->text;
        return;
    }
    writeGap(source ? QByteArrayView(source->gap) : kLineBreak);
    // Browsers give an area kept as written no shape, and it stays so: no
    // geometry of the editor's stands for what it was written with.
    const bool keptShape = source && !source->clickable;
    const bool hasUrl = !area.url().isEmpty() && area.url() != m_defaultLead; // the lead is no URL
    const QByteArrayView url = beforeNul(area.url()), target = beforeNul(area.target()),
                         comment = beforeNul(area.comment()), title = beforeNul(area.title());
    const QByteArrayView end = m_xmlAreas ? " />" : ">";
    qsizetype room = 64 + TagText::quotedRoom(url) + TagText::quotedRoom(target) +
                     TagText::quotedRoom(comment) + TagText::quotedRoom(title);
    room += keptShape ? TagText::quotedRoom(source->shape) + TagText::quotedRoom(source->coords)
                      : geometryRoom(area);
    {
        TagText tag(m_new, room);
        tag.put("<AREA");
        if (keptShape) {
            if (!source->shape.isEmpty()) {
                tag.put(" SHAPE=");
                tag.quoted(source->shape);
            }
            if (!source->coords.isEmpty()) {
                tag.put(" COORDS=");
                tag.quoted(source->coords);
            }
        } else {
            writeGeometry(tag, area, m_xmlAreas);
        }
        if (hasUrl) {
            tag.put(" HREF=");
            tag.quoted(url);
        }
        if (!area.target().isEmpty()) {
            tag.put(" TARGET=");
            tag.quoted(target);
        }
        tag.put(" ALT=");
        tag.quoted(comment);
        if (!title.isEmpty()) {
            tag.put(" TITLE=");
            tag.quoted(title);
        }
        if (area.attributes().isEmpty())
            tag.put(end);
    }
    if (!area.attributes().isEmpty()) {
        appendKept(m_new, area.attributes());
        m_new += end;
    }
}

// The default area, where the page had it (before the area it came
// before), else after the areas; its own tag while it is unchanged.
void HtmlMapWriter::writeDefault(const MapInfo& info) {
    if (m_defaultWritten)
        return;
    m_defaultWritten = true;
    const bool read = m_source && m_source->defaultIndex >= 0;
    if (read && info.defaultUrl == m_source->defaultUrl &&
        info.defaultAttributes == m_source->defaultAttributes) {
        writeGap(m_source->defaultGap);
        m_new += m_source->defaultText;
        return;
    }
    if (!DefaultUrl::isSet(info.defaultUrl))
        return;
    writeGap(read ? QByteArrayView(m_source->defaultGap) : kLineBreak);
    m_new += m_xmlAreas ? "<AREA SHAPE=\"default\" HREF=" : "<AREA SHAPE=default HREF=";
    appendQuoted(m_new, info.defaultUrl);
    appendKept(m_new, info.defaultAttributes);
    m_new += m_xmlAreas ? " />" : ">";
}

QByteArray HtmlMapWriter::finish() {
    // The block's end as the page wrote it, else the writer's.
    writeGap(m_source ? QByteArrayView(m_source->tail) : QByteArrayView("\r\n</MAP>"));
    m_new += m_breakAfterMap;
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
    // The page's one scaling script follows whether any of its maps scales.
    return ResponsiveScript::settle(std::move(m_new));
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
    value = beforeNul(value);
    if (value.isEmpty())
        return;
    m_new += "<!-- ";
    m_new += Strings::raw(Str::KwInfoLead);
    m_new += key;
    m_new += ':';
    // A "-->" in the text would end the comment early and turn the rest of
    // the line into markup inside the map (areas of its own, or a broken
    // map); it is written "-- >".
    QByteArray text = value.toByteArray();
    while (text.contains("-->"))
        text.replace("-->", "-- >");
    m_new += text;
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
