// The tokenizer under every page read and save: whatever the text, every
// offset and view it hands out lies inside the text and in order.
#include "FuzzTarget.h"
#include "formats/HtmlPageScan.h"

TESSARY_FUZZ_NO_INITIALIZE

namespace {

QByteArrayView g_text;

bool inside(QByteArrayView view) {
    return view.isEmpty() || (view.data() >= g_text.data() &&
                              view.data() + view.size() <= g_text.data() + g_text.size());
}

bool inside(qsizetype offset) {
    return offset >= 0 && offset <= g_text.size();
}

void checkAttribute(const HtmlAttribute& a) {
    FUZZ_CHECK(inside(a.name) && inside(a.value));
    if (a.name.isEmpty())
        return;
    FUZZ_CHECK(inside(a.at) && inside(a.end) && a.at <= a.end);
    FUZZ_CHECK(a.valueAt == -1 || (a.valueAt >= a.at && a.valueAt <= a.end));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_text = QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
    const HtmlPageScan scan = HtmlPageScan::scan(g_text);
    FUZZ_CHECK(scan.imgs.size() <= size_t(HtmlPageScan::kMaxImgs));
    FUZZ_CHECK(scan.maps.size() <= size_t(HtmlPageScan::kMaxMaps));
    FUZZ_CHECK(inside(scan.bodyEnd));
    FUZZ_CHECK(scan.unclosedMap == -1 || inside(scan.unclosedMap));
    qsizetype last = -1;
    for (const HtmlImg& img : scan.imgs) {
        FUZZ_CHECK(img.start > last && img.start < img.end && inside(img.end));
        FUZZ_CHECK(g_text[img.start] == '<');
        last = img.start;
        FUZZ_CHECK(inside(img.src) && inside(img.mapRef));
        FUZZ_CHECK(img.nameEnd > img.start && img.nameEnd <= img.attributesEnd);
        FUZZ_CHECK(img.attributesEnd <= img.end);
        for (const HtmlAttribute& a : img.carried)
            checkAttribute(a);
        checkAttribute(img.srcAttribute);
        checkAttribute(img.usemapAttribute);
    }
    last = -1;
    for (const HtmlMapBlock& map : scan.maps) {
        FUZZ_CHECK(map.start >= last && map.start < map.end && inside(map.end));
        FUZZ_CHECK(g_text[map.start] == '<');
        last = map.end;
        FUZZ_CHECK(inside(map.name));
        FUZZ_CHECK(map.areas.size() <= size_t(HtmlPageScan::kMaxAreasPerMap));
        FUZZ_CHECK(map.tracking.size() <= size_t(HtmlPageScan::kMaxTrackingLines));
        for (const HtmlAreaEntry& area : map.areas)
            FUZZ_CHECK(inside(area.shape) && inside(area.coords) && inside(area.href) &&
                       inside(area.alt) && inside(area.target));
        for (QByteArrayView line : map.tracking)
            FUZZ_CHECK(inside(line));
    }
    // The tag reader on its own, from every "<" the input's first byte points at.
    if (size > 1) {
        const qsizetype at = data[0] % size;
        if (data[at] == '<') {
            HtmlTag tag;
            HtmlPageScan::readTag(g_text, at, tag);
            FUZZ_CHECK(tag.start == at && tag.end > at && inside(tag.end));
            FUZZ_CHECK(tag.resume > at && tag.resume <= tag.end);
            for (const HtmlAttribute& a : tag.attributes)
                checkAttribute(a);
        }
    }
    return 0;
}
