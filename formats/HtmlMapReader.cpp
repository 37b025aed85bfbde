#include "formats/HtmlMapReader.h"

#include "formats/CoordsList.h"
#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/MapInfoLine.h"
#include "formats/MapReadReport.h"
#include "formats/ResponsiveScript.h"
#include "formats/TextBlocks.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/PointRepeats.h"
#include "model/SourceTag.h"
#include "model/Strings.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

using HtmlText::equalsNoCase;
using HtmlText::unquote;

namespace HtmlMapReader {

namespace {

enum class Shape { Rectangle, Circle, Polygon, Default };

// SHAPE as browsers read it: its keywords and their synonyms in ASCII case
// only (no other letter stands in for an "i"), without trimming; any other
// value, and none, is a rectangle.
Shape shapeOf(QByteArrayView shape) {
    if (equalsNoCase(shape, "CIRCLE") || equalsNoCase(shape, "CIRC"))
        return Shape::Circle;
    if (equalsNoCase(shape, "POLY") || equalsNoCase(shape, "POLYGON"))
        return Shape::Polygon;
    if (equalsNoCase(shape, "DEFAULT"))
        return Shape::Default;
    return Shape::Rectangle;
}

// A COORDS number as a whole picture pixel within the coordinate limit.
int pixel(double v) {
    return CoordsList::whole(v, LineScan::kCoordinateLimit);
}

// The first IMG whose map reference is name, exactly; null when none.
const HtmlImg* imgUsing(const HtmlPageScan& scan, const QByteArray& name) {
    for (const HtmlImg& img : scan.imgs) {
        if (unquote(img.mapRef) == name)
            return &img;
    }
    return nullptr;
}

// An IMG's WIDTH or HEIGHT in whole CSS pixels as browsers read it: leading
// digits after blanks, a fraction dropped; 0 for none, no digits or a
// percentage (its pixels depend on the page around it).
int dimension(const HtmlImg& img, QByteArrayView name) {
    for (const HtmlAttribute& a : img.carried) {
        if (!equalsNoCase(a.name, name))
            continue;
        QByteArrayView v = a.value;
        while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t' || v.front() == '\n' ||
                                v.front() == '\f' || v.front() == '\r'))
            v = v.sliced(1);
        qsizetype digits = 0;
        qint64 value = 0;
        while (digits < v.size() && v[digits] >= '0' && v[digits] <= '9') {
            value = qMin<qint64>(value * 10 + (v[digits] - '0'), LineScan::kCoordinateLimit);
            ++digits;
        }
        qsizetype after = digits;
        if (after < v.size() && v[after] == '.') {
            ++after;
            while (after < v.size() && v[after] >= '0' && v[after] <= '9')
                ++after;
        }
        const bool percent = after < v.size() && v[after] == '%';
        return digits == 0 || percent ? 0 : int(value);
    }
    return 0;
}

QByteArray graphicOf(const HtmlPageScan& scan, const HtmlMapBlock& map) {
    if (const HtmlImg* img = imgUsing(scan, unquote(map.name)))
        return unquote(img->src);
    const QByteArrayView key = Strings::raw(Str::KwGif);
    for (QByteArrayView line : map.tracking) {
        const QByteArrayView rest = line.sliced(2); // tracking lines begin with "#$"
        if (rest.size() >= key.size() && equalsNoCase(rest.first(key.size()), key))
            return rest.sliced(qMin(rest.size(), key.size() + 1)).toByteArray();
    }
    return Strings::bytes(Str::UnknownGraphic);
}

// Room for the points of a polygon's COORDS, kept from one area to the
// next and never cleared: the room asked for changes from one polygon to
// the next, and a vector would write zeros into what it gains each time.
// The reader writes the numbers into it as they come, x then y: the
// points' own layout.
class PointRoom {
public:
    static_assert(sizeof(QPoint) == 2 * sizeof(int) && std::is_standard_layout_v<QPoint>);

    // Room for at least numbers whole numbers.
    int* reserve(std::size_t numbers) {
        const std::size_t points = numbers / 2 + 1;
        if (points > m_size) {
            m_size = std::max(points, 2 * m_size);
            m_points = std::make_unique_for_overwrite<QPoint[]>(m_size);
        }
        return reinterpret_cast<int*>(m_points.get());
    }
    QPoint* points() { return m_points.get(); }

private:
    std::unique_ptr<QPoint[]> m_points;
    std::size_t m_size = 0;
};

// The writer closes every polygon by repeating its first vertex at the end;
// that repeat is not a vertex of its own, or every save would add one. An
// odd last number has no partner and is dropped, as browsers drop it.
// Successive repeats are one point. The points go from the room into the
// polygon's own storage in one copy, with no zeros written first; nearly no
// page repeats a point directly, and only a polygon with one is gone
// through again point by point.
QPolygon polygonOf(PointRoom& room, std::size_t numbers) {
    const qsizetype pairs = qsizetype(numbers / 2);
    const QPoint* const points = room.points();
    if (pairs == 0)
        return {};
    QArrayDataPointer<QPoint> polygon(QTypedArrayData<QPoint>::allocate(pairs));
    Q_CHECK_PTR(polygon.data());
    QPoint* const to = polygon.data();
    // The room is a polygon's worth, in the cache: a look for a repeat
    // (vectorised) and a copy cost less than one loop that does both.
    std::memcpy(static_cast<void*>(to), points, std::size_t(pairs) * sizeof(QPoint));
    const bool repeats = hasRepeatedNeighbour(points, pairs);
    qsizetype count = pairs;
    if (repeats) {
        count = 1;
        for (qsizetype i = 1; i < pairs; ++i) {
            if (to[count - 1] != points[i])
                to[count++] = points[i];
        }
    }
    if (count > 1 && to[count - 1] == to[0])
        --count;
    polygon.size = count;
    return QPolygon(QList<QPoint>(std::move(polygon)));
}

// The map block's bytes, copied once as its areas are read: the kept texts
// of its tags are slices of them (model/SourceTag.h). The copy is made tag
// by tag, just before each is read, so that a polygon's COORDS are read
// from the copy while its bytes are still in the processor's cache, rather
// than from the page once more after the whole block went through it. The
// copy is written through the pointer taken while it was its own, as the
// kept texts share it from the first tag on.
class BlockText {
public:
    BlockText(QByteArrayView page, const HtmlMapBlock& map)
        : m_page(page.sliced(map.start, map.end - map.start)), m_start(map.start),
          m_bytes(m_page.size(), Qt::Uninitialized), m_copy(m_bytes.data()) {}

    // Copies the block's bytes before the page's offset end (within the block).
    void copyBefore(qsizetype end) {
        const qsizetype to = end - m_start;
        if (to > m_copied) {
            std::memcpy(m_copy + m_copied, m_page.data() + m_copied, std::size_t(to - m_copied));
            m_copied = to;
        }
    }
    const QByteArray& bytes() const { return m_bytes; }
    // The copy's bytes of a slice of the page's block (copied already).
    QByteArrayView copied(QByteArrayView pageSlice) const {
        if (pageSlice.isEmpty())
            return {};
        return {m_copy + (pageSlice.data() - m_page.data()), pageSlice.size()};
    }
    // A view into the page's block as a text sharing the copy's bytes.
    QByteArray share(QByteArrayView pageSlice) const {
        const QByteArrayView bytes = copied(pageSlice);
        return bytes.isEmpty() ? QByteArray() : QByteArray::fromRawData(bytes.data(), bytes.size());
    }
    // A value of a tag in the block as the map keeps it: shared, unless
    // "&quot;" in it makes it a text of its own.
    QByteArray value(QByteArrayView pageSlice) const {
        return pageSlice.contains('&') ? unquote(pageSlice) : share(pageSlice);
    }

private:
    QByteArrayView m_page; // the block in the page
    qsizetype m_start;     // its offset in the page
    QByteArray m_bytes;
    char* m_copy;
    qsizetype m_copied = 0;
};

// A value as the map holds it: up to a NUL, as the map's 8-bit texts end
// there (the page reader stops at one, but the scan is also handed pages
// straight from memory).
QByteArray mapText(QByteArrayView value) {
    return unquote(LineScan::beforeNul(value));
}

TagAttribute::Form formOf(const HtmlAttribute& a) {
    if (a.valueAt < 0)
        return TagAttribute::Form::Bare;
    if (!a.quoted)
        return TagAttribute::Form::Unquoted;
    return a.quote == '\'' ? TagAttribute::Form::SingleQuoted : TagAttribute::Form::DoubleQuoted;
}

TagAttribute attributeOf(const HtmlAttribute& a) {
    return {a.name.toByteArray(), mapText(a.value), formOf(a)};
}

TagAttributes attributesOf(const HtmlOtherAttributes& others, MapReadReport* report) {
    TagAttributes out;
    out.reserve(qsizetype(others.kept.size()));
    for (const HtmlAttribute& a : others.kept) {
        // A stray quote or "=" in a broken tag reads as an attribute without
        // a name: no attribute, which the writer could not write back.
        if (TagAttribute::validName(a.name))
            out.append(attributeOf(a));
    }
    if (report)
        report->attributesBeyond += others.beyond;
    return out;
}

// A value up to a NUL (LineScan::beforeNul), and whether a "&" is in what
// is kept (so that it may hold "&quot;"): one look at each byte of the
// short texts of 10,000 areas, where two searches would each cost a call.
QByteArrayView beforeNul(QByteArrayView value, bool& ampersand) {
    if (value.size() > 64) {
        value = LineScan::beforeNul(value);
        ampersand = value.contains('&');
        return value;
    }
    bool found = false;
    qsizetype n = 0;
    for (; n < value.size() && value[n] != '\0'; ++n)
        found |= value[n] == '&';
    ampersand = found;
    return value.first(n);
}

// The area's texts. A TITLE given empty (which keeps browsers from showing
// an inherited tooltip) is no title to edit, but it stays on the tag.
// The texts are copies of their own, kept in blocks shared with those of
// the other areas.
AreaTexts textsOf(const HtmlAreaEntry& entry, TextBlocks& blocks, MapReadReport* report) {
    const auto text = [&blocks](QByteArrayView value) {
        bool entity = false;
        value = beforeNul(value, entity);
        return entity ? unquote(value) : blocks.copy(value);
    };
    AreaTexts texts{text(entry.href), text(entry.target), text(entry.alt), text(entry.title.value),
                    attributesOf(entry.others, report)};
    if (!entry.title.name.isEmpty() && texts.title.isEmpty())
        texts.attributes.prepend(attributeOf(entry.title));
    return texts;
}

// Hands the area of COORDS coords (its bytes in the block's copy) to sink:
// with the shape a browser gives it, else as an area that is not
// clickable. False when the sink took no area.
// points is room for a polygon's COORDS, kept from one area to the next;
// plainCoords tells whether they held whole numbers and separators alone
// (and so no "&quot;"), false when unknown.
bool readArea(QByteArrayView coords, Shape shape, const AreaTexts& texts, MapSink& sink,
              MapReadReport* report, PointRoom& points, bool& clickable, bool& plainCoords) {
    plainCoords = false;
    if (!sink.acceptsAreas()) {
        if (report)
            ++report->areasBeyond;
        return false;
    }
    clickable = true;
    PictureArea none;
    if (shape == Shape::Polygon) {
        // Read straight as pixels: a map may hold a million points.
        int* const room = points.reserve(CoordsList::wholeRoom(coords.size()));
        std::size_t count = 0;
        plainCoords = CoordsList::parseWhole(coords, LineScan::kCoordinateLimit, room, count);
        none.shape = AreaShape::Polygon;
        none.points = polygonOf(points, count);
        if (none.points.size() >= 3) {
            if (report && int(none.points.size()) > MapArea::kMaxVertices)
                ++report->polygonsCut;
            sink.distinctPolygon(texts, none.points);
            return true;
        }
        clickable = false;
        none.texts = texts;
        sink.unclickable(none);
        return true;
    }
    const std::vector<double> v = CoordsList::parse(coords);
    if (shape == Shape::Rectangle) {
        if (v.size() >= 4 && v[0] != v[2] && v[1] != v[3]) {
            sink.rectangle(texts, pixel(v[0]), pixel(v[1]), pixel(v[2]), pixel(v[3]));
            return true;
        }
        none.shape = AreaShape::Rectangle;
    } else if (shape == Shape::Circle) {
        if (v.size() >= 3 && v[2] > 0) {
            using LineScan::coordinate;
            const long long x = pixel(v[0]), y = pixel(v[1]), r = qMax(1, pixel(v[2]));
            sink.circle(texts, coordinate(x - r), coordinate(y - r), coordinate(x + r),
                        coordinate(y + r));
            return true;
        }
        none.shape = AreaShape::Circle;
    }
    clickable = false;
    none.texts = texts;
    sink.unclickable(none);
    return true;
}

// The text of a map block between two of its tags as a save keeps it: the
// editor's tracking comments ("<!-- #$...-->"), each with the line break
// after it, left out, as the save writes its own. Only a comment that
// follows a ">" or a line break (or starts the text after a tag that
// ended with ">", afterTag) goes: one that cut a tag short is kept, as its
// going would join that tag to the text after it.
QByteArray keptGap(const BlockText& block, QByteArrayView text, bool afterTag) {
    if (!text.contains(QByteArrayView("<!--", 4))) // nearly every gap: line breaks and indentation
        return block.share(text);
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf("<!--", from)) >= 0;) {
        // Where the page scan ends it: at the first "-->" after "<!--".
        const qsizetype close = text.indexOf("-->", at + 4);
        if (close < 0)
            break;
        qsizetype end = close + 3;
        QByteArrayView inside = text.sliced(at + 4, close - at - 4);
        while (!inside.isEmpty() && LineScan::isSpace(inside.front()))
            inside = inside.sliced(1);
        const bool standsAlone = at == 0 ? afterTag : text[at - 1] == '>' || text[at - 1] == '\n';
        if (!inside.startsWith("#$") || !standsAlone) {
            out += text.sliced(from, end - from);
            from = end;
            continue;
        }
        out += text.sliced(from, at - from);
        if (text.sliced(end).startsWith("\r\n"))
            end += 2;
        else if (text.sliced(end).startsWith('\n'))
            end += 1;
        from = end;
    }
    out += text.sliced(from);
    return out;
}

// The map's areas, each with the page text it was read from.
void readAreas(QByteArrayView text, const HtmlMapBlock& map, MapSink& sink, MapInfo& info,
               MapTagSource& mapSource, MapReadReport* report) {
    BlockText block(text, map);
    PointRoom points;
    TextBlocks textBlocks;
    QByteArray pending; // text of tags that became no area, kept with the next
    qsizetype from = map.tagEnd;
    int index = 0;
    for (const HtmlAreaEntry& entry : map.areas) {
        block.copyBefore(entry.end);
        QByteArray gap =
            keptGap(block, text.sliced(from, entry.start - from), text[from - 1] == '>');
        if (!pending.isEmpty()) {
            gap.prepend(pending);
            pending.clear();
        }
        const QByteArrayView tagText = text.sliced(entry.start, entry.end - entry.start);
        from = entry.end;
        const Shape shape =
            shapeOf(entry.shape.contains('&') ? QByteArrayView(unquote(entry.shape)) : entry.shape);
        if (shape == Shape::Default) {
            if (mapSource.defaultIndex >= 0) { // browsers never reach a second one
                pending = gap + tagText.toByteArray();
                continue;
            }
            info.defaultUrl = mapText(entry.href);
            info.defaultAttributes = attributesOf(entry.others, report);
            mapSource.defaultGap = QByteArray(gap.constData(), gap.size()); // its own bytes
            mapSource.defaultText = tagText.toByteArray();
            mapSource.defaultUrl = info.defaultUrl;
            mapSource.defaultAttributes = info.defaultAttributes;
            mapSource.defaultIndex = index;
            continue;
        }
        const AreaTexts texts = textsOf(entry, textBlocks, report);
        bool clickable = true, plainCoords = false;
        if (!readArea(block.copied(entry.coords), shape, texts, sink, report, points, clickable,
                      plainCoords)) {
            pending = gap + tagText.toByteArray();
            continue;
        }
        ++index;
        sink.source({std::move(gap),
                     block.share(tagText),
                     {},
                     clickable,
                     block.value(entry.shape),
                     // Searched for "&quot;" only when the reading did not
                     // tell: a polygon's COORDS are most of a large page.
                     plainCoords ? block.share(entry.coords) : block.value(entry.coords),
                     block.bytes()});
    }
    block.copyBefore(map.end);
    mapSource.tail = pending +
                     keptGap(block, text.sliced(from, map.closeAt - from), text[from - 1] == '>') +
                     text.sliced(map.closeAt, map.end - map.closeAt).toByteArray();
}

// Why a page gave no map: a MAP never closed, else a "<map" that the scan
// did not take as markup (inside a comment, script or style), else none.
void explainNoMap(QByteArrayView text, const HtmlPageScan& scan, MapReadReport& report) {
    if (scan.unclosedMap >= 0)
        return report.fail(Str::LoadUnclosedMap, text, scan.unclosedMap);
    for (qsizetype at = text.indexOf('<'); at >= 0; at = text.indexOf('<', at + 1)) {
        const QByteArrayView rest = text.sliced(at + 1);
        if (rest.size() >= 4 && equalsNoCase(rest.first(3), "MAP") &&
            (LineScan::isSpace(rest[3]) || rest[3] == '>'))
            return report.fail(Str::LoadMapHidden, text, at);
    }
    report.fail(Str::LoadNoMap, text, -1);
}

} // namespace

QList<DocumentDialogs::MapChoice> choices(const HtmlPageScan& scan) {
    QList<DocumentDialogs::MapChoice> list;
    for (const HtmlMapBlock& map : scan.maps)
        list.append({unquote(map.name), graphicOf(scan, map)});
    return list;
}

void loadMap(QByteArrayView text, const HtmlPageScan& scan, int index, MapSink& sink, MapInfo& info,
             MapReadReport* report) {
    const HtmlMapBlock& map = scan.maps.at(index);
    // The page's map decides these.
    info.scalesWithPicture = info.highlightsAreas = false;
    info.drawnWidth = info.drawnHeight = 0;
    for (QByteArrayView line : map.tracking) {
        LineScan::takeKeyword(line, Strings::raw(Str::KwInfoLead));
        line = LineScan::beforeNul(line);
        if (!ResponsiveScript::applyTrackingLine(line, info))
            MapInfoLine::apply(line, info);
    }
    info.title = mapText(map.name);
    info.mapAttributes = attributesOf(map.others, report);
    ResponsiveScript::takeSizeAttribute(info.mapAttributes, info);
    if (const HtmlImg* img = imgUsing(scan, unquote(map.name)))
        info.imageFile = mapText(img->src);
    takeShownSize(scan, unquote(map.name), info);
    auto source = std::make_shared<MapTagSource>();
    source->text = text.sliced(map.start, map.tagEnd - map.start).toByteArray();
    source->title = info.title;
    source->attributes = info.mapAttributes;
    source->sizeText = ResponsiveScript::writtenSize(info);
    readAreas(text, map, sink, info, *source, report);
    info.source.kept = std::move(source);
    if (report)
        report->areasBeyond += map.areasBeyond;
}

void takeShownSize(const HtmlPageScan& scan, const QByteArray& name, MapInfo& info) {
    const HtmlImg* img = imgUsing(scan, name);
    info.shownWidth = img ? dimension(*img, "width") : 0;
    info.shownHeight = img ? dimension(*img, "height") : 0;
}

bool read(QByteArrayView text, MapSink& sink, MapInfo& info, DocumentDialogs* dialogs,
          MapReadReport* report) {
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    if (scan.maps.empty()) {
        if (report)
            explainNoMap(text, scan, *report);
        return false;
    }
    int index = 0;
    if (scan.maps.size() > 1) {
        const QList<DocumentDialogs::MapChoice> list = choices(scan);
        if (!dialogs || !dialogs->chooseMap(list, index) || index < 0 || index >= list.size())
            return false;
    }
    loadMap(text, scan, index, sink, info, report);
    return true;
}

} // namespace HtmlMapReader
