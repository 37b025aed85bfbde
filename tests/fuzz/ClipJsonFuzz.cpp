// The JSON form of an area on the clipboard, which any program can put
// there: read, made into an area, and copied again as it would be.
#include "FuzzTarget.h"
#include "model/AreaClipJson.h"

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<AreaClipRecord> record = AreaClipJson::fromBytes(bytes);
    if (!record)
        return 0;
    const std::unique_ptr<MapArea> area = record->makeArea(QPoint(0, 0));
    FUZZ_CHECK(area && area->shape() == record->shape);
    FUZZ_CHECK(area->vertexCount() <= MapArea::kMaxVertices);
    // Its copy is sound and says the same.
    const std::optional<AreaClipRecord> copied =
        AreaClipJson::fromBytes(AreaClipJson::toBytes(*area));
    FUZZ_CHECK(copied && copied->shape == record->shape && copied->texts == record->texts);
    return 0;
}
