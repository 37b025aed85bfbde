#include "formats/HtmlPageScan.h"

#include "formats/HtmlText.h"
#include "formats/LineScan.h"

#include <QtEndian>

#include <cstddef>
#include <cstring>

using HtmlText::equalsNoCase;
using LineScan::isSpace;

namespace {

constexpr bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

constexpr bool isNameChar(char c) {
    return isLetterOrDigit(c) || c == '!' || c == '-';
}

// Attribute names run as browsers read them: up to white space, "/", ">",
// "=" or a quote (and "<", where a broken tag ends).
constexpr bool isAttributeNameChar(char c) {
    return !isSpace(c) && c != '/' && c != '>' && c != '=' && c != '"' && c != '\'' && c != '<';
}

qsizetype skipSpace(QByteArrayView t, qsizetype pos) {
    while (pos < t.size() && isSpace(t[pos]))
        ++pos;
    return pos;
}

qsizetype skipName(QByteArrayView t, qsizetype pos) {
    while (pos < t.size() && isNameChar(t[pos]))
        ++pos;
    return pos;
}

QByteArrayView trimmed(QByteArrayView v) {
    qsizetype b = 0, e = v.size();
    while (b < e && isSpace(v[b]))
        ++b;
    while (e > b && isSpace(v[e - 1]))
        --e;
    return v.sliced(b, e - b);
}

// Reads one attribute at pos; returns the position after it. Values may be
// in double or single quotes, or unquoted up to white space or ">".
qsizetype readAttribute(QByteArrayView t, qsizetype pos, HtmlAttribute& attr) {
    const qsizetype nameStart = pos;
    while (pos < t.size() && isAttributeNameChar(t[pos]))
        ++pos;
    attr = {t.sliced(nameStart, pos - nameStart), {}, false, 0, nameStart, pos, -1};
    const qsizetype afterName = pos;
    pos = skipSpace(t, pos);
    if (pos >= t.size() || t[pos] != '=')
        return afterName;
    pos = skipSpace(t, pos + 1);
    if (pos < t.size() && (t[pos] == '"' || t[pos] == '\'')) {
        const char quote = t[pos];
        const qsizetype valueStart = pos + 1;
        qsizetype close = t.indexOf(quote, valueStart);
        attr.end = close < 0 ? t.size() : close + 1;
        if (close < 0)
            close = t.size();
        attr.value = t.sliced(valueStart, close - valueStart);
        attr.valueAt = valueStart;
        attr.quoted = true;
        attr.quote = quote;
        return attr.end;
    }
    const qsizetype valueStart = pos;
    while (pos < t.size() && !isSpace(t[pos]) && t[pos] != '>')
        ++pos;
    attr.value = t.sliced(valueStart, pos - valueStart);
    attr.valueAt = valueStart;
    attr.end = pos;
    return pos;
}

// Where a tag whose attributes stopped at pos ends: just after its ">", or
// at a "<" that comes first, or at the end of the text.
void settleEnd(QByteArrayView t, qsizetype pos, HtmlTag& tag) {
    while (pos < t.size() && t[pos] != '>' && t[pos] != '<')
        ++pos;
    const bool closed = pos < t.size() && t[pos] == '>';
    tag.selfClosing = closed && pos > tag.attributesEnd && t[pos - 1] == '/';
    tag.end = tag.resume = closed ? pos + 1 : pos;
}

} // namespace

qsizetype HtmlPageScan::findClosingTag(QByteArrayView t, qsizetype pos, QByteArrayView upperName) {
    for (qsizetype at; (at = t.indexOf("</", pos)) >= 0; pos = at + 2) {
        const qsizetype nameAt = at + 2;
        if (t.size() - nameAt >= upperName.size() &&
            equalsNoCase(t.sliced(nameAt, upperName.size()), upperName) &&
            (nameAt + upperName.size() == t.size() || !isNameChar(t[nameAt + upperName.size()])))
            return at;
    }
    return t.size();
}

QByteArrayView HtmlPageScan::rawTextElement(const HtmlTag& tag) {
    if (tag.closing || tag.selfClosing)
        return {};
    static constexpr QByteArrayView kNames[] = {
        QByteArrayView("SCRIPT", 6), QByteArrayView("STYLE", 5), QByteArrayView("TITLE", 5),
        QByteArrayView("TEXTAREA", 8)};
    for (QByteArrayView name : kNames) {
        if (tag.is(name))
            return name;
    }
    return {};
}

bool HtmlTag::is(QByteArrayView upperName) const {
    return name.size() == upperName.size() && equalsNoCase(name, upperName);
}

const HtmlAttribute* HtmlTag::find(QByteArrayView wanted) const {
    for (const HtmlAttribute& a : attributes) {
        if (equalsNoCase(a.name, wanted))
            return &a;
    }
    return nullptr;
}

bool HtmlTag::attribute(QByteArrayView wanted, QByteArrayView& value) const {
    const HtmlAttribute* a = find(wanted);
    if (a)
        value = a->value;
    return a;
}

QByteArrayView HtmlTag::attribute(QByteArrayView wanted) const {
    QByteArrayView value;
    attribute(wanted, value);
    return value;
}

void HtmlPageScan::readTag(QByteArrayView t, qsizetype pos, HtmlTag& tag) {
    tag.start = pos++;
    tag.attributes.clear(); // keeps its storage for the next tag
    tag.comment = {};
    tag.selfClosing = false;
    tag.isComment = t.sliced(pos).startsWith(QByteArrayView("!--", 3));
    if (tag.isComment) {
        tag.closing = false;
        tag.name = t.sliced(pos, 3);
        pos += 3;
        const qsizetype close = t.indexOf(QByteArrayView("-->", 3), pos);
        const qsizetype textEnd = close < 0 ? t.size() : close;
        tag.comment = trimmed(t.sliced(pos, textEnd - pos));
        tag.nameEnd = tag.attributesEnd = pos;
        tag.end = tag.resume = close < 0 ? t.size() : close + 3;
        return;
    }
    tag.closing = pos < t.size() && t[pos] == '/';
    if (tag.closing)
        ++pos;
    const qsizetype nameStart = pos;
    pos = skipName(t, pos);
    tag.name = t.sliced(nameStart, pos - nameStart);
    tag.nameEnd = tag.attributesEnd = pos;
    pos = skipSpace(t, pos);
    if (pos < t.size() && t[pos] == '=') // the tag's own text, which nothing uses
        pos = skipName(t, skipSpace(t, pos + 1));
    while (pos < t.size()) {
        while (pos < t.size() && (isSpace(t[pos]) || t[pos] == '/'))
            ++pos;
        if (pos >= t.size() || !isAttributeNameChar(t[pos]))
            break;
        HtmlAttribute attr;
        pos = readAttribute(t, pos, attr);
        tag.attributesEnd = attr.end;
        tag.attributes.push_back(attr);
    }
    settleEnd(t, pos, tag);
}

void HtmlPageScan::addImg(const HtmlTag& tag) {
    if (int(imgs.size()) >= kMaxImgs)
        return;
    HtmlImg img;
    img.start = tag.start;
    img.end = tag.end;
    img.nameEnd = tag.nameEnd;
    img.attributesEnd = tag.attributesEnd;
    img.selfClosing = tag.selfClosing;
    img.lowerCase = !tag.name.isEmpty() && tag.name[0] >= 'a' && tag.name[0] <= 'z';
    bool haveSrc = false, haveRef = false;
    for (const HtmlAttribute& a : tag.attributes) {
        if (equalsNoCase(a.name, "SRC")) {
            if (!haveSrc) {
                img.src = a.value;
                img.srcAttribute = a;
            }
            haveSrc = true;
        } else if (equalsNoCase(a.name, "USEMAP") && a.value.startsWith('#')) {
            if (!haveRef) {
                img.mapRef = a.value.sliced(1);
                img.usemapAttribute = a;
            }
            haveRef = true;
        } else {
            img.carried.push_back(a);
        }
    }
    imgs.push_back(std::move(img));
}

void HtmlOtherAttributes::add(const HtmlAttribute& attribute) {
    if (int(kept.size()) < TagAttribute::kMaxPerTag)
        kept.push_back(attribute);
    else
        ++beyond;
}

namespace {

// The attributes of an AREA tag that the editor writes itself, told apart
// by length first: a map may hold 10,000 tags of several attributes each.
enum class AreaName { Shape, Coords, Href, Alt, Target, Title, Other };

// The first N bytes of p (N up to 8) as one word, the first lowest, with
// 0x20 set in each: for a name of letters alone, the word equals that of
// the name in lower case exactly when the bytes are its letters in either
// case (no byte but 'A' and 'a' gives 'a' so).
template <int N>
quint64 foldedWord(const char* p) {
    quint64 w = 0;
    std::memcpy(&w, p, N);
    return qFromLittleEndian(w) | (0x2020202020202020ull >> (8 * (8 - N)));
}

// The word of a lower-case name as foldedWord gives it.
template <std::size_t N>
constexpr quint64 nameWord(const char (&lower)[N]) {
    quint64 w = 0;
    for (std::size_t i = 0; i + 1 < N; ++i)
        w |= quint64(uchar(lower[i])) << (8 * i);
    return w;
}

AreaName areaName(QByteArrayView name) {
    const char* const p = name.data();
    switch (name.size()) {
    case 3:
        return foldedWord<3>(p) == nameWord("alt") ? AreaName::Alt : AreaName::Other;
    case 4:
        return foldedWord<4>(p) == nameWord("href") ? AreaName::Href : AreaName::Other;
    case 5: {
        const quint64 w = foldedWord<5>(p);
        return w == nameWord("shape")   ? AreaName::Shape
               : w == nameWord("title") ? AreaName::Title
                                        : AreaName::Other;
    }
    case 6: {
        const quint64 w = foldedWord<6>(p);
        return w == nameWord("coords")   ? AreaName::Coords
               : w == nameWord("target") ? AreaName::Target
                                         : AreaName::Other;
    }
    default:
        return AreaName::Other;
    }
}

} // namespace

void HtmlPageScan::addArea(const HtmlTag& tag, HtmlMapBlock& map) const {
    if (int(map.areas.size()) >= kMaxAreasPerMap) {
        ++map.areasBeyond;
        return;
    }
    // Later repeats of the attributes the editor writes are ignored by
    // browsers, which take the first, and so are they here.
    HtmlAreaEntry entry;
    bool seen[int(AreaName::Other)] = {};
    for (const HtmlAttribute& a : tag.attributes) {
        const AreaName name = areaName(a.name);
        if (name == AreaName::Other || seen[int(name)])
            continue;
        seen[int(name)] = true;
        switch (name) {
        case AreaName::Shape:
            entry.shape = a.value;
            break;
        case AreaName::Coords:
            entry.coords = a.value;
            break;
        case AreaName::Href:
            entry.href = a.value;
            break;
        case AreaName::Alt:
            entry.alt = a.value;
            break;
        case AreaName::Target:
            entry.target = a.value;
            break;
        case AreaName::Title:
            entry.title = a;
            break;
        case AreaName::Other:
            break;
        }
    }
    entry.selfClosing = tag.selfClosing;
    entry.start = tag.start;
    entry.end = tag.end;
    // The default area keeps every attribute but its SHAPE and HREF (its
    // HREF is the map's default URL); any other every one the writer does
    // not write itself.
    const bool isDefault = equalsNoCase(entry.shape, "DEFAULT");
    for (const HtmlAttribute& a : tag.attributes) {
        const AreaName name = areaName(a.name);
        const bool written =
            isDefault ? name == AreaName::Shape || name == AreaName::Href : name != AreaName::Other;
        if (!written)
            entry.others.add(a);
    }
    map.areas.push_back(std::move(entry));
}

void HtmlPageScan::openMap(const HtmlTag& tag, HtmlMapBlock& map) {
    map = HtmlMapBlock{tag.attribute("NAME"), tag.start, -1, {}, 0, {}};
    map.tagEnd = tag.end;
    for (const HtmlAttribute& a : tag.attributes) {
        if (!TagAttribute::writtenForMap(a.name))
            map.others.add(a);
    }
}

HtmlPageScan HtmlPageScan::scan(QByteArrayView text) {
    HtmlPageScan page;
    HtmlMapBlock open; // the MAP block being read
    bool inMap = false;
    HtmlTag tag;
    for (qsizetype pos = text.indexOf('<'); pos >= 0; pos = text.indexOf('<', tag.resume)) {
        readTag(text, pos, tag);
        if (tag.isComment) {
            if (inMap && tag.comment.startsWith("#$") &&
                int(open.tracking.size()) < kMaxTrackingLines)
                open.tracking.push_back(tag.comment);
        } else if (tag.is("IMG")) {
            page.addImg(tag);
        } else if (tag.is("MAP")) {
            if (!inMap && !tag.closing) {
                openMap(tag, open);
                inMap = true;
            } else if (inMap && tag.closing) {
                inMap = false;
                open.end = tag.end;
                open.closeAt = tag.start;
                if (int(page.maps.size()) < kMaxMaps)
                    page.maps.push_back(std::move(open));
            }
        } else if (tag.is("AREA")) {
            if (inMap)
                page.addArea(tag, open);
        } else if (tag.is("BODY") && tag.closing) {
            page.bodyEnd = tag.start;
        } else if (const QByteArrayView raw = rawTextElement(tag); !raw.isEmpty()) {
            // Their contents are program text or plain text: a "<map" in a
            // string or a page title is no map.
            tag.resume = findClosingTag(text, tag.resume, raw);
        }
        if (tag.resume >= text.size())
            break;
    }
    if (inMap)
        page.unclosedMap = open.start;
    return page;
}
