#include "formats/ResponsiveScript.h"

#include "formats/HtmlPageScan.h"
#include "formats/ScaleScriptText.h"
#include "model/Strings.h"

namespace ResponsiveScript {

namespace {

constexpr QByteArrayView kFlagPlaceholder = "%FLAG%";

// Removes [start, end) plus the line break after it, from every pair of
// markers; an unpaired start marker stays (it is not ours to judge).
void removeBlocks(QByteArray& page) {
    const QByteArrayView startMarker = Strings::raw(Str::MarkerScaleScriptStart);
    const QByteArrayView endMarker = Strings::raw(Str::MarkerScaleScriptEnd);
    for (qsizetype from = 0, start; (start = page.indexOf(startMarker, from)) >= 0;) {
        qsizetype end = page.indexOf(endMarker, start + startMarker.size());
        if (end < 0)
            return;
        end += endMarker.size();
        const QByteArrayView rest = QByteArrayView(page).sliced(end);
        end += rest.startsWith("\r\n") ? 2 : rest.startsWith('\n') ? 1 : 0;
        page.remove(start, end - start);
        from = start;
    }
}

bool anyMapScales(const HtmlPageScan& scan) {
    for (const HtmlMapBlock& map : scan.maps) {
        for (QByteArrayView line : map.tracking) {
            if (isFlagLine(line))
                return true;
        }
    }
    return false;
}

} // namespace

QByteArray flagLine() {
    return Strings::bytes(Str::KwInfoLead) + Strings::bytes(Str::KwResponsive) + ':' +
           Strings::bytes(Str::KwYes);
}

bool isFlagLine(QByteArrayView trackingLine) {
    return trackingLine == flagLine();
}

QByteArray block() {
    QByteArray script = QByteArray(kScaleScriptText).replace(kFlagPlaceholder, flagLine());
    while (script.endsWith('\n'))
        script.chop(1);
    QByteArray out = Strings::bytes(Str::MarkerScaleScriptStart) + "\r\n<SCRIPT>\r\n";
    out += script.replace("\n", "\r\n");
    out += "\r\n</SCRIPT>\r\n" + Strings::bytes(Str::MarkerScaleScriptEnd) + "\r\n";
    return out;
}

QByteArray settle(QByteArray page) {
    removeBlocks(page);
    // Pages without the flag anywhere are most pages: no scan for them.
    if (!page.contains(flagLine()))
        return page;
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    if (anyMapScales(scan))
        page.insert(scan.bodyEnd > 0 ? scan.bodyEnd : page.size(), block());
    return page;
}

} // namespace ResponsiveScript
