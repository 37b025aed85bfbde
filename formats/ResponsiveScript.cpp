#include "formats/ResponsiveScript.h"

#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/ScaleScriptText.h"
#include "model/MapInfo.h"
#include "model/Strings.h"

#include <algorithm>
#include <initializer_list>

namespace ResponsiveScript {

namespace {

constexpr QByteArrayView kFlagPlaceholder = "%FLAG%";
constexpr QByteArrayView kHighlightPlaceholder = "%LIT%";

QByteArray yesLine(int key) {
    return Strings::bytes(Str::KwInfoLead) + Strings::bytes(key) + ':' + Strings::bytes(Str::KwYes);
}

// A whole number from 1 to kMaxSide, digits only.
int side(QByteArrayView digits) {
    if (digits.isEmpty() || digits.size() > 7)
        return 0;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxSide ? value : 0;
}

// Removes [start, end) plus the line break after it, from every pair of
// markers; an unpaired start marker stays (it is not ours to judge).
void removeBlocks(QByteArray& page) {
    const QByteArrayView startMarker = Strings::raw(Str::MarkerScaleScriptStart);
    const QByteArrayView endMarker = Strings::raw(Str::MarkerScaleScriptEnd);
    for (qsizetype from = 0, start; (start = HtmlText::find(page, startMarker, from)) >= 0;) {
        qsizetype end = HtmlText::find(page, endMarker, start + startMarker.size());
        if (end < 0)
            return;
        end += endMarker.size();
        const QByteArrayView rest = QByteArrayView(page).sliced(end);
        end += rest.startsWith("\r\n") ? 2 : rest.startsWith('\n') ? 1 : 0;
        page.remove(start, end - start);
        from = start;
    }
}

// Whether any of needles is in page. The page is gone through in pieces
// that stay in the processor's cache while every needle is looked for in
// them: a pass for each needle would read a page of megabytes from memory
// once a needle.
bool holdsAny(QByteArrayView page, std::initializer_list<QByteArrayView> needles) {
    constexpr qsizetype kPiece = 64 * 1024;
    qsizetype longest = 0;
    for (QByteArrayView needle : needles)
        longest = std::max(longest, needle.size());
    for (qsizetype at = 0; at < page.size(); at += kPiece) {
        // Each piece reaches into the next far enough for a needle that starts in it.
        const QByteArrayView piece =
            page.sliced(at, std::min(page.size() - at, kPiece + longest - 1));
        for (QByteArrayView needle : needles) {
            if (HtmlText::find(piece, needle) >= 0)
                return true;
        }
    }
    return false;
}

bool anyMapScales(const HtmlPageScan& scan) {
    for (const HtmlMapBlock& map : scan.maps) {
        for (QByteArrayView line : map.tracking) {
            if (isFlagLine(line) || isHighlightLine(line))
                return true;
        }
    }
    return false;
}

} // namespace

QByteArray flagLine() {
    return yesLine(Str::KwResponsive);
}

QByteArray highlightLine() {
    return yesLine(Str::KwHighlight);
}

bool isHighlightLine(QByteArrayView trackingLine) {
    return trackingLine == highlightLine();
}

QByteArray writtenSize(const MapInfo& info) {
    const bool recorded = (info.scalesWithPicture || info.highlightsAreas) && info.drawnWidth > 0 &&
                          info.drawnHeight > 0;
    return recorded ? sizeText(info.drawnWidth, info.drawnHeight) : QByteArray();
}

QByteArray sizeText(int width, int height) {
    return QByteArray::number(width) + 'x' + QByteArray::number(height);
}

bool readSize(QByteArrayView text, int& width, int& height) {
    const qsizetype cut = text.indexOf('x');
    const int w = cut > 0 ? side(text.first(cut)) : 0;
    const int h = cut > 0 ? side(text.sliced(cut + 1)) : 0;
    if (w == 0 || h == 0)
        return false;
    width = w;
    height = h;
    return true;
}

bool applyTrackingLine(QByteArrayView rest, MapInfo& info) {
    const QByteArray full = Strings::bytes(Str::KwInfoLead) + rest.toByteArray();
    if (isFlagLine(full))
        info.scalesWithPicture = true;
    else if (isHighlightLine(full))
        info.highlightsAreas = true;
    else if (!LineScan::takeKeyword(rest, Strings::bytes(Str::KwDrawnSize) + ':'))
        return false;
    else
        readSize(rest, info.drawnWidth, info.drawnHeight);
    return true;
}

void takeSizeAttribute(TagAttributes& attributes, MapInfo& info) {
    for (qsizetype i = attributes.size() - 1; i >= 0; --i) {
        if (!HtmlText::equalsNoCase(attributes[i].name, kSizeAttribute))
            continue;
        if (info.drawnWidth == 0)
            readSize(attributes[i].value, info.drawnWidth, info.drawnHeight);
        attributes.removeAt(i);
    }
}

bool isFlagLine(QByteArrayView trackingLine) {
    return trackingLine == flagLine();
}

QByteArray block() {
    QByteArray script = QByteArray(kScaleScriptText)
                            .replace(kFlagPlaceholder, flagLine())
                            .replace(kHighlightPlaceholder, highlightLine());
    while (script.endsWith('\n'))
        script.chop(1);
    QByteArray out = Strings::bytes(Str::MarkerScaleScriptStart) + "\r\n<SCRIPT>\r\n";
    out += script.replace("\n", "\r\n");
    out += "\r\n</SCRIPT>\r\n" + Strings::bytes(Str::MarkerScaleScriptEnd) + "\r\n";
    return out;
}

QByteArray settle(QByteArray page) {
    const QByteArray flag = flagLine(), highlight = highlightLine();
    // Pages without a script or a flag are most pages: one pass, no scan.
    if (!holdsAny(page, {Strings::raw(Str::MarkerScaleScriptStart), flag, highlight}))
        return page;
    removeBlocks(page);
    if (HtmlText::find(page, flag) < 0 && HtmlText::find(page, highlight) < 0)
        return page;
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    if (anyMapScales(scan))
        page.insert(scan.bodyEnd > 0 ? scan.bodyEnd : page.size(), block());
    return page;
}

} // namespace ResponsiveScript
