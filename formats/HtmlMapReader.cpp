#include "formats/HtmlMapReader.h"

#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/MapInfoLine.h"
#include "formats/MapReadReport.h"
#include "formats/ResponsiveScript.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/Strings.h"

#include <QPoint>

#include <cmath>
#include <vector>

using HtmlText::equalsNoCase;
using HtmlText::unquote;

namespace HtmlMapReader {

namespace {

enum class Shape { Rectangle, Circle, Polygon, Default, Unknown };

Shape shapeOf(QByteArrayView shape) {
    if (shape.isEmpty() || equalsNoCase(shape, "RECT") || equalsNoCase(shape, "RECTANGLE"))
        return Shape::Rectangle;
    if (equalsNoCase(shape, "CIRCLE") || equalsNoCase(shape, "CIRC"))
        return Shape::Circle;
    if (equalsNoCase(shape, "POLY") || equalsNoCase(shape, "POLYGON"))
        return Shape::Polygon;
    if (equalsNoCase(shape, "DEFAULT"))
        return Shape::Default;
    return Shape::Unknown;
}

constexpr bool isSeparator(char c) {
    return LineScan::isSpace(c) || c == ',' || c == ';';
}

// The number a COORDS word begins with: an optional sign, digits, a point
// and digits, an exponent; 0 when it begins with none.
double leadingNumber(QByteArrayView word) {
    qsizetype end = 0;
    if (end < word.size() && (word[end] == '+' || word[end] == '-'))
        ++end;
    const auto digits = [&] {
        while (end < word.size() && word[end] >= '0' && word[end] <= '9')
            ++end;
    };
    digits();
    if (end < word.size() && word[end] == '.') {
        ++end;
        digits();
    }
    if (end < word.size() && (word[end] == 'e' || word[end] == 'E')) {
        const qsizetype mantissaEnd = end++;
        if (end < word.size() && (word[end] == '+' || word[end] == '-'))
            ++end;
        const qsizetype expStart = end;
        digits();
        if (end == expStart)
            end = mantissaEnd;
    }
    // Long runs of digits only saturate; the limit is far below them.
    const QByteArray number = word.first(qMin<qsizetype>(end, 40)).toByteArray();
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

// COORDS as browsers read it: numbers separated by commas, semicolons and
// white space, rounded to whole pixels within the coordinate limit.
std::vector<int> coordsOf(QByteArrayView text) {
    std::vector<int> out;
    qsizetype pos = 0;
    while (true) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        const qsizetype start = pos;
        while (pos < text.size() && !isSeparator(text[pos]))
            ++pos;
        const double v = leadingNumber(text.sliced(start, pos - start));
        const double limit = LineScan::kCoordinateLimit;
        out.push_back(int(std::lround(qBound(-limit, v, limit))));
    }
    return out;
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

// The writer closes every polygon by repeating its first vertex at the end;
// that repeat is not a vertex of its own, or every save would add one. An
// odd last number has no partner and is dropped, as browsers drop it.
void readPolygon(const std::vector<int>& v, const AreaTexts& texts, MapSink& sink,
                 MapReadReport* report) {
    std::vector<QPoint> points;
    for (size_t i = 0; i + 1 < v.size(); i += 2) {
        const QPoint p(v[i], v[i + 1]);
        if (points.empty() || points.back() != p) // successive repeats are one point
            points.push_back(p);
    }
    if (points.size() > 1 && points.back() == points.front())
        points.pop_back();
    if (points.size() < 3)
        return; // no area to a browser either
    if (report && int(points.size()) > MapArea::kMaxVertices)
        ++report->polygonsCut;
    sink.beginPolygon();
    for (const QPoint& p : points)
        sink.vertex(p.x(), p.y());
    sink.endPolygon(texts);
}

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

// The area's texts. A TITLE given empty (which keeps browsers from showing
// an inherited tooltip) is no title to edit, but it stays on the tag.
AreaTexts textsOf(const HtmlAreaEntry& entry, MapReadReport* report) {
    AreaTexts texts{mapText(entry.href), mapText(entry.target), mapText(entry.alt),
                    mapText(entry.title.value), attributesOf(entry.others, report)};
    if (!entry.title.name.isEmpty() && texts.title.isEmpty())
        texts.attributes.prepend(attributeOf(entry.title));
    return texts;
}

void readArea(const HtmlAreaEntry& entry, MapSink& sink, MapInfo& info, MapReadReport* report) {
    const Shape shape = shapeOf(entry.shape);
    if (shape == Shape::Default) {
        info.defaultUrl = mapText(entry.href);
        info.defaultAttributes = attributesOf(entry.others, report);
        return;
    }
    if (shape == Shape::Unknown) {
        if (report)
            report->addUnknownShape(entry.shape);
        return;
    }
    const std::vector<int> v = coordsOf(entry.coords);
    const size_t needed = shape == Shape::Rectangle ? 4 : shape == Shape::Circle ? 3 : 6;
    if (v.size() < needed)
        return; // browsers ignore an area with too few numbers
    if (!sink.acceptsAreas()) {
        if (report)
            ++report->areasBeyond;
        return;
    }
    const AreaTexts texts = textsOf(entry, report);
    using LineScan::coordinate;
    if (shape == Shape::Rectangle) {
        sink.rectangle(texts, v[0], v[1], v[2], v[3]);
    } else if (shape == Shape::Circle) {
        const long long x = v[0], y = v[1], r = v[2];
        sink.circle(texts, coordinate(x - r), coordinate(y - r), coordinate(x + r),
                    coordinate(y + r));
    } else {
        readPolygon(v, texts, sink, report);
    }
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

void loadMap(const HtmlPageScan& scan, int index, MapSink& sink, MapInfo& info,
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
    for (const HtmlAreaEntry& entry : map.areas)
        readArea(entry, sink, info, report);
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
    loadMap(scan, index, sink, info, report);
    return true;
}

} // namespace HtmlMapReader
