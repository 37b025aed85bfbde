// A server-side map file (or a page the reader takes for one) read as the
// editor opens it, then saved as a page and read back.
#include "FuzzBytes.h"
#include "FuzzMapSupport.h"
#include "FuzzTarget.h"
#include "formats/ServerMapReader.h"
#include "model/AreaCollector.h"

#include <QString>

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes in(data, size);
    static const char* const names[] = {"shop.map", "shop.imp", "shop.htm", "shop"};
    const QString name = QString::fromLatin1(names[in.byte() % 4]);
    FuzzDialogs dialogs(in.byte());
    AreaCollector collector(MapArea::kMaxAreas);
    MapInfo info;
    ServerMapReader reader(&dialogs);
    if (!reader.readText(in.rest(), collector, info, name))
        return 0;
    const FuzzAreas areas = collector.take();
    checkReadMap(info, areas);
    if (reader.report().lossy())
        return 0; // not all there, and never saved back so
    if (info.title.isEmpty())
        info.title = "shop"; // an untitled map takes its file's name
    checkSaveRoundTrip({}, info, areas);
    return 0;
}
