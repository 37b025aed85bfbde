// A page's client-side map read as the editor opens it (scan, map choice,
// load), then saved back into the same page and read again.
#include "FuzzBytes.h"
#include "FuzzMapSupport.h"
#include "FuzzTarget.h"
#include "formats/HtmlMapReader.h"
#include "formats/MapReadReport.h"
#include "model/AreaCollector.h"

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes in(data, size);
    FuzzDialogs dialogs(in.byte());
    const QByteArrayView page = in.rest();
    AreaCollector collector(MapArea::kMaxAreas);
    MapInfo info;
    MapReadReport report;
    if (!HtmlMapReader::read(page, collector, info, &dialogs, &report)) {
        if (report.failure)
            FUZZ_CHECK(!report.failureText().isEmpty());
        return 0;
    }
    const FuzzAreas areas = collector.take();
    checkReadMap(info, areas);
    if (info.title.isEmpty() || report.lossy())
        return 0; // an unnamed map is saved under a new name; a lossy one is not all there
    checkSaveRoundTrip(page, info, areas);
    checkUneditedSave(page, info, areas);
    return 0;
}
