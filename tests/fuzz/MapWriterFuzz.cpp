// The page writer: a map made from the input saved into a page made from
// the rest of it must read back with the same areas.
#include "FuzzBytes.h"
#include "FuzzMapSupport.h"
#include "FuzzTarget.h"

TESSARY_FUZZ_NO_INITIALIZE

namespace {

// A text of the input as the map holds it: up to its first byte 0.
QByteArray mapText(FuzzBytes& in) {
    QByteArray text = in.text();
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.left(nul);
}

int coordinate(FuzzBytes& in) {
    return int(in.flag() ? in.range(-100, 2000) : in.range(-40000, 40000));
}

std::unique_ptr<MapArea> makeArea(FuzzBytes& in) {
    const AreaShape shape = AreaShape(in.byte() % 3);
    auto area = std::make_unique<MapArea>(shape);
    if (shape == AreaShape::Polygon) {
        const int count = 3 + in.byte() % (MapArea::kMaxVertices - 2);
        for (int i = 0; i < count; ++i)
            area->addVertex(coordinate(in), coordinate(in));
        // The drawing closes a ring near its first vertex without adding it
        // again; a last vertex on the first is no vertex of an editor's map.
        const int n = area->vertexCount();
        if (n > 1 && area->vertex(n - 1) == area->vertex(0))
            area->deleteVertex(n - 1);
        if (area->vertexCount() < 3)
            return nullptr; // too few distinct vertices: no polygon
    } else {
        const int x = coordinate(in), y = coordinate(in);
        const int w = 2 * int(in.range(1, 2000));
        const int h = shape == AreaShape::Circle ? w : int(in.range(1, 4000));
        area->setRect(x, y, x + w, y + h);
    }
    AreaTexts texts;
    texts.url = mapText(in);
    texts.target = mapText(in);
    texts.comment = mapText(in);
    texts.title = mapText(in);
    area->setTexts(texts);
    return area;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes in(data, size);
    MapInfo info;
    info.title = mapText(in).trimmed();
    if (info.title.isEmpty())
        info.title = "map";
    while (info.title.contains(" \""))
        info.title.replace(" \"", "\""); // as an opened map's title is settled
    info.imageFile = mapText(in);
    info.author = mapText(in);
    info.defaultUrl = mapText(in);
    FuzzAreas areas;
    for (int n = in.byte() % 8; n > 0; --n) {
        if (auto area = makeArea(in))
            areas.push_back(std::move(area));
    }
    checkSaveRoundTrip(in.rest(), info, areas);
    return 0;
}
