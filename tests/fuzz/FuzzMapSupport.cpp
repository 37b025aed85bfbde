#include "FuzzMapSupport.h"

#include "FuzzTarget.h"
#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/MapReadReport.h"
#include "model/AreaCollector.h"
#include "model/DefaultUrl.h"
#include "model/SourceTag.h"
#include "tests/support/PageDiff.h"

#include <cstdio>
#include <cstdlib>

bool FuzzDialogs::chooseMap(const QList<MapChoice>& maps, int& chosen) {
    FUZZ_CHECK(maps.size() > 1);
    if (m_choice == 255)
        return false;
    chosen = m_choice % int(maps.size());
    return true;
}

void checkReadMap(const MapInfo& info, const FuzzAreas& areas) {
    FUZZ_CHECK(areas.size() <= size_t(MapArea::kMaxAreas));
    const char* const names[] = {"title",  "description", "author",     "date",
                                 "folder", "image file",  "default URL"};
    int field = 0;
    for (const QByteArray* text : {&info.title, &info.description, &info.author, &info.date,
                                   &info.imageFolder, &info.imageFile, &info.defaultUrl}) {
        if (text->contains('\0'))
            std::fprintf(stderr, "byte 0 in the %s\n", names[field]);
        FUZZ_CHECK(!text->contains('\0'));
        ++field;
    }
    for (const auto& area : areas) {
        FUZZ_CHECK(!area->url().contains('\0'));
        FUZZ_CHECK(!area->target().contains('\0'));
        FUZZ_CHECK(!area->comment().contains('\0'));
        if (area->shape() == AreaShape::Polygon) {
            // Fewer only where a browser gives the area no shape either.
            FUZZ_CHECK(area->vertexCount() >= 3 || !area->clickable());
            FUZZ_CHECK(area->vertexCount() <= MapArea::kMaxVertices);
        }
    }
}

namespace {

// One area in a line, for the report of a broken round trip.
void describe(const char* what, const MapArea& a) {
    const PixelRect r = a.imageRect();
    std::fprintf(stderr,
                 "%s: shape %d box %d,%d,%d,%d vertices %d url [%s] target [%s] comment [%s]\n",
                 what, int(a.shape()), r.left, r.top, r.right, r.bottom, a.vertexCount(),
                 a.url().constData(), a.target().constData(), a.comment().constData());
    std::fprintf(stderr, " title [%s]", a.texts().title.constData());
    for (const TagAttribute& t : a.texts().attributes)
        std::fprintf(stderr, " %s=[%s]/%d", t.name.constData(), t.value.constData(), int(t.form));
    for (int v = 0; v < a.vertexCount(); ++v)
        std::fprintf(stderr, " (%d,%d)", a.vertex(v).x(), a.vertex(v).y());
    std::fprintf(stderr, "\n");
}

bool nearLimit(const MapArea& a) {
    constexpr int kNear = 999000; // the limit is 1,000,000
    const PixelRect r = a.imageRect();
    return std::abs(r.left) >= kNear || std::abs(r.top) >= kNear || std::abs(r.right) >= kNear ||
           std::abs(r.bottom) >= kNear;
}

// The texts as a page carries them: "&quot;" is a double quote, and a URL
// that is only the "Default Url Lead" is none (it is an offer, not a URL).
// Kept attributes are compared by name and value: the writer may quote a
// value its old form can no longer hold.
AreaTexts asPageCarries(const AreaTexts& t) {
    AreaTexts out{DefaultUrl::isSet(t.url) ? HtmlText::unquote(t.url) : QByteArray(),
                  HtmlText::unquote(t.target), HtmlText::unquote(t.comment),
                  HtmlText::unquote(t.title), t.attributes};
    for (TagAttribute& a : out.attributes) {
        a.value = HtmlText::unquote(a.value);
        a.form = TagAttribute::Form::DoubleQuoted;
    }
    return out;
}

AreaTexts withoutForms(AreaTexts t) {
    for (TagAttribute& a : t.attributes)
        a.form = TagAttribute::Form::DoubleQuoted;
    return t;
}

} // namespace

void checkSaveRoundTrip(QByteArrayView oldPage, const MapInfo& info, const FuzzAreas& areas) {
    HtmlMapWriter writer(oldPage);
    writer.begin(info);
    // Asked after begin, as the saver does: only begin knows whether the
    // page would be written anew. Every save path refuses such a page.
    if (writer.replacesForeignPage())
        return;
    for (const auto& area : areas)
        writer.writeArea(*area);
    writer.writeDefault(info);
    const QByteArray saved = writer.finish();
    // The map adds no byte 0 but those of the page text its tags were
    // read from; the page's own bytes are copied as they are.
    qsizetype kept = 0;
    for (const auto& area : areas) {
        if (const SourceTag* source = area->source())
            kept += source->gap.count('\0') + source->text.count('\0');
    }
    if (const MapTagSource* source = info.source.get())
        kept += source->text.count('\0') + source->tail.count('\0') +
                source->defaultGap.count('\0') + source->defaultText.count('\0');
    FUZZ_CHECK(saved.count('\0') <= oldPage.count('\0') + kept);

    const HtmlPageScan scan = HtmlPageScan::scan(saved);
    int index = -1;
    for (int i = 0; i < int(scan.maps.size()) && index < 0; ++i) {
        if (HtmlText::unquote(LineScan::beforeNul(scan.maps[i].name)) ==
            HtmlText::unquote(info.title))
            index = i;
    }
    if (index < 0)
        (std::fprintf(stderr, "saved page:\n"),
         std::fwrite(saved.constData(), 1, size_t(saved.size()), stderr));
    FUZZ_CHECK(index >= 0);
    AreaCollector collector(MapArea::kMaxAreas);
    MapInfo back;
    MapReadReport report;
    HtmlMapReader::loadMap(saved, scan, index, collector, back, &report);
    if (report.lossy())
        std::fprintf(stderr, "read back with loss: %s\n", report.lossList().toUtf8().constData());
    FUZZ_CHECK(!report.lossy());
    const FuzzAreas read = collector.take();
    if (read.size() != areas.size()) {
        for (const auto& a : areas)
            describe("saved", *a);
        for (const auto& b : read)
            describe("read back", *b);
        (std::fprintf(stderr, "saved page:\n"),
         std::fwrite(saved.constData(), 1, size_t(saved.size()), stderr));
    }
    FUZZ_CHECK(read.size() == areas.size());
    for (size_t i = 0; i < read.size(); ++i) {
        const MapArea& a = *areas[i];
        const MapArea& b = *read[i];
        // A circle is written as its centre and radius, which must read back;
        // its box may lose the odd pixel of a box of odd size, or an
        // ellipse (of a server-side map) its other radius.
        // Near the coordinate limit of map files numbers saturate: such an
        // area lies far beyond any picture, which clips it anyway.
        const bool sameGeometry =
            nearLimit(a) || (a.shape() == AreaShape::Circle ? a.circle() == b.circle()
                                                            : a.imageRect() == b.imageRect());
        // An area still as it was read is written as its own tag, and reads
        // back exactly; what is not clickable stays so.
        const bool sameTexts = a.asRead() ? a.texts() == b.texts()
                                          : asPageCarries(a.texts()) == withoutForms(b.texts());
        if (a.shape() != b.shape() || !sameGeometry || !sameTexts ||
            a.clickable() != b.clickable() || a.vertexCount() != b.vertexCount()) {
            describe("saved", a);
            describe("read back", b);
            (std::fprintf(stderr, "saved page:\n"),
             std::fwrite(saved.constData(), 1, size_t(saved.size()), stderr));
        }
        FUZZ_CHECK(a.shape() == b.shape());
        FUZZ_CHECK(sameGeometry);
        FUZZ_CHECK(sameTexts);
        FUZZ_CHECK(a.clickable() == b.clickable());
        FUZZ_CHECK(a.vertexCount() == b.vertexCount());
        for (int v = 0; v < a.vertexCount(); ++v)
            FUZZ_CHECK(a.vertex(v) == b.vertex(v));
    }
}

namespace {

// The text of the one map named name, from its MAP tag to its closing
// tag, with the editor's tracking comments left out; null when there is
// none or more than one.
QByteArray mapBlockOf(QByteArrayView page, const QByteArray& name) {
    QByteArray block;
    int found = 0;
    for (const HtmlMapBlock& map : HtmlPageScan::scan(page).maps) {
        if (HtmlText::unquote(LineScan::beforeNul(map.name)) == name && found++ == 0)
            block = withoutTracking(page.sliced(map.start, map.end - map.start));
    }
    return found == 1 ? block : QByteArray();
}

} // namespace

void checkUneditedSave(QByteArrayView page, const MapInfo& info, const FuzzAreas& areas) {
    // Only the first map of its name is saved back in its place.
    const QByteArray before = mapBlockOf(page, HtmlText::unquote(info.title));
    // Comments other than the editor's are left to the suites: where a
    // tag's value holds "<!--", which comment is whose needs the tags.
    if (!info.source || before.isNull() || !before.startsWith(info.source.get()->text) ||
        before.contains("<!--"))
        return;
    HtmlMapWriter writer(page);
    writer.begin(info);
    if (writer.isFreshPage())
        return;
    for (const auto& area : areas)
        writer.writeArea(*area);
    writer.writeDefault(info);
    const QByteArray saved = writer.finish();
    const QByteArray after = mapBlockOf(saved, HtmlText::unquote(info.title));
    if (after != before) {
        qsizetype at = 0;
        while (at < before.size() && at < after.size() && before[at] == after[at])
            ++at;
        const QByteArray read = before.mid(at, 80).toPercentEncoding(" <>=\"'/");
        const QByteArray written = after.mid(at, 80).toPercentEncoding(" <>=\"'/");
        std::fprintf(stderr, "map block differs at byte %lld:\nread:  %s\nsaved: %s\n",
                     static_cast<long long>(at), read.constData(), written.constData());
    }
    FUZZ_CHECK(after == before);
}
