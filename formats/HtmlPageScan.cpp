#include "formats/HtmlPageScan.h"

#include "formats/HtmlText.h"
#include "formats/LineScan.h"

using HtmlText::equalsNoCase;
using LineScan::isSpace;

namespace {

constexpr bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

constexpr bool isNameChar(char c) {
    return isLetterOrDigit(c) || c == '!' || c == '-';
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

// Reads one attribute at pos (a letter or digit); returns the position after it.
qsizetype readAttribute(QByteArrayView t, qsizetype pos, HtmlAttribute& attr) {
    const qsizetype nameStart = pos;
    pos = skipName(t, pos);
    attr = {t.sliced(nameStart, pos - nameStart), {}, false};
    pos = skipSpace(t, pos);
    if (pos >= t.size() || t[pos] != '=')
        return pos;
    pos = skipSpace(t, pos + 1);
    if (pos < t.size() && t[pos] == '"') {
        const qsizetype valueStart = pos + 1;
        qsizetype close = t.indexOf('"', valueStart);
        if (close < 0)
            close = t.size();
        attr.value = t.sliced(valueStart, close - valueStart);
        attr.quoted = true;
        return skipSpace(t, close + 1);
    }
    const qsizetype valueStart = pos;
    while (pos < t.size() && !isSpace(t[pos]) && t[pos] != '>')
        ++pos;
    attr.value = t.sliced(valueStart, pos - valueStart);
    return pos;
}

// Where a tag whose attributes stopped at pos ends: just after its ">", or
// at a "<" that comes first, or at the end of the text.
void settleEnd(QByteArrayView t, qsizetype pos, HtmlTag& tag) {
    while (pos < t.size() && t[pos] != '>' && t[pos] != '<')
        ++pos;
    tag.end = tag.resume = pos < t.size() && t[pos] == '>' ? pos + 1 : pos;
}

} // namespace

bool HtmlTag::is(QByteArrayView upperName) const {
    return equalsNoCase(name, upperName);
}

bool HtmlTag::attribute(QByteArrayView wanted, QByteArrayView& value) const {
    for (int i = 0; i < attributeCount; ++i) {
        if (equalsNoCase(attributes[i].name, wanted)) {
            value = attributes[i].value;
            return true;
        }
    }
    return false;
}

QByteArrayView HtmlTag::attribute(QByteArrayView wanted) const {
    QByteArrayView value;
    attribute(wanted, value);
    return value;
}

void HtmlPageScan::readTag(QByteArrayView t, qsizetype pos, HtmlTag& tag) {
    tag.start = pos++;
    tag.closing = pos < t.size() && t[pos] == '/';
    if (tag.closing)
        ++pos;
    const qsizetype nameStart = pos;
    pos = skipName(t, pos);
    tag.name = t.sliced(nameStart, pos - nameStart);
    tag.attributeCount = 0;
    tag.comment = {};
    tag.isComment = tag.name == "!--";
    pos = skipSpace(t, pos);
    if (tag.isComment) {
        qsizetype close = t.indexOf("-->", pos);
        const qsizetype textEnd = close < 0 ? t.size() : close;
        tag.comment = trimmed(t.sliced(pos, textEnd - pos));
        tag.end = tag.resume = close < 0 ? t.size() : close + 3;
        return;
    }
    if (pos < t.size() && t[pos] == '=') // the tag's own text, which nothing uses
        pos = skipName(t, skipSpace(t, pos + 1));
    while (pos < t.size() && t[pos] != '>') {
        pos = skipSpace(t, pos);
        if (pos >= t.size() || !isLetterOrDigit(t[pos]))
            break;
        HtmlAttribute attr;
        pos = readAttribute(t, pos, attr);
        if (tag.attributeCount < HtmlTag::kMaxAttributes)
            tag.attributes[tag.attributeCount++] = attr;
    }
    settleEnd(t, pos, tag);
}

void HtmlPageScan::addImg(const HtmlTag& tag) {
    if (int(imgs.size()) >= kMaxImgs)
        return;
    HtmlImg img;
    img.start = tag.start;
    img.end = tag.end;
    bool haveSrc = false, haveRef = false;
    for (int i = 0; i < tag.attributeCount; ++i) {
        const HtmlAttribute& a = tag.attributes[i];
        if (equalsNoCase(a.name, "SRC")) {
            if (!haveSrc)
                img.src = a.value;
            haveSrc = true;
        } else if (equalsNoCase(a.name, "USEMAP") && a.value.startsWith('#')) {
            if (!haveRef)
                img.mapRef = a.value.sliced(1);
            haveRef = true;
        } else {
            img.carried.push_back(a);
        }
    }
    imgs.push_back(std::move(img));
}

void HtmlPageScan::addArea(const HtmlTag& tag, HtmlMapBlock& map) const {
    if (int(map.areas.size()) >= kMaxAreasPerMap)
        return;
    HtmlAreaEntry entry{tag.attribute("SHAPE"), tag.attribute("COORDS"), tag.attribute("HREF"),
                        tag.attribute("ALT"), tag.attribute("TARGET")};
    if (!entry.coords.isEmpty() || equalsNoCase(entry.shape, "DEFAULT"))
        map.areas.push_back(entry);
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
                open = HtmlMapBlock{tag.attribute("NAME"), tag.start, -1, {}, {}};
                inMap = true;
            } else if (inMap && tag.closing) {
                inMap = false;
                open.end = tag.end;
                if (int(page.maps.size()) < kMaxMaps)
                    page.maps.push_back(std::move(open));
            }
        } else if (tag.is("AREA")) {
            if (inMap)
                page.addArea(tag, open);
        } else if (tag.is("BODY") && tag.closing) {
            page.bodyEnd = tag.start;
        }
        if (tag.resume >= text.size())
            break;
    }
    return page;
}
