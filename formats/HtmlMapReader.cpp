#include "formats/HtmlMapReader.h"

#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/LineScan.h"
#include "formats/MapInfoLine.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/Strings.h"

#include <QPoint>

#include <vector>

using HtmlText::equalsNoCase;
using HtmlText::unquote;

namespace HtmlMapReader {

namespace {

// The first IMG whose map reference is name, exactly; null when none.
const HtmlImg* imgUsing(const HtmlPageScan& scan, const QByteArray& name) {
    for (const HtmlImg& img : scan.imgs) {
        if (unquote(img.mapRef) == name)
            return &img;
    }
    return nullptr;
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
// that repeat is not a vertex of its own, or every save would add one.
void readPolygon(QByteArrayView coords, const AreaTexts& texts, MapSink& sink) {
    std::vector<QPoint> points;
    int v[2];
    while (coords.size() > 2) {
        int used = -1;
        if (LineScan::scanInts(coords, "%d,%d%n", v, &used) < 2 || used < 0)
            break;
        points.emplace_back(v[0], v[1]);
        coords = coords.sliced(used);
        if (coords.startsWith(','))
            coords = coords.sliced(1);
        coords = LineScan::trimLeft(coords);
    }
    if (points.size() > 1 && points.back() == points.front())
        points.pop_back();
    sink.beginPolygon();
    for (const QPoint& p : points)
        sink.vertex(p.x(), p.y());
    sink.endPolygon(texts);
}

void readArea(const HtmlAreaEntry& entry, MapSink& sink, MapInfo& info) {
    const QByteArrayView shape = entry.shape;
    if (equalsNoCase(shape, "DEFAULT")) {
        info.defaultUrl = unquote(entry.href);
        return;
    }
    if (!sink.acceptsAreas())
        return;
    const AreaTexts texts{unquote(entry.href), unquote(entry.target), unquote(entry.alt)};
    int v[4];
    if (shape.isEmpty() || equalsNoCase(shape, "RECT")) {
        if (LineScan::scanInts(entry.coords, "%d,%d,%d,%d", v) == 4)
            sink.rectangle(texts, v[0], v[1], v[2], v[3]);
    } else if (equalsNoCase(shape, "CIRCLE")) {
        if (LineScan::scanInts(entry.coords, "%d,%d,%d", v) == 3)
            sink.circle(texts, v[0] - v[2], v[1] - v[2], v[0] + v[2], v[1] + v[2]);
    } else if (equalsNoCase(shape, "POLY")) {
        readPolygon(entry.coords, texts, sink);
    }
}

} // namespace

QList<DocumentDialogs::MapChoice> choices(const HtmlPageScan& scan) {
    QList<DocumentDialogs::MapChoice> list;
    for (const HtmlMapBlock& map : scan.maps)
        list.append({unquote(map.name), graphicOf(scan, map)});
    return list;
}

void loadMap(const HtmlPageScan& scan, int index, MapSink& sink, MapInfo& info) {
    const HtmlMapBlock& map = scan.maps.at(index);
    for (QByteArrayView line : map.tracking) {
        LineScan::takeKeyword(line, Strings::raw(Str::KwInfoLead));
        MapInfoLine::apply(line, info);
    }
    info.title = unquote(map.name);
    if (const HtmlImg* img = imgUsing(scan, info.title))
        info.imageFile = unquote(img->src);
    for (const HtmlAreaEntry& entry : map.areas)
        readArea(entry, sink, info);
}

bool read(QByteArrayView text, MapSink& sink, MapInfo& info, DocumentDialogs* dialogs) {
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    if (scan.maps.empty())
        return false;
    int index = 0;
    if (scan.maps.size() > 1) {
        const QList<DocumentDialogs::MapChoice> list = choices(scan);
        if (!dialogs || !dialogs->chooseMap(list, index) || index < 0 || index >= list.size())
            return false;
    }
    loadMap(scan, index, sink, info);
    return true;
}

} // namespace HtmlMapReader
