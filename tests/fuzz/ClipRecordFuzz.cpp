// The area record of the clipboard, which any program can put there: read,
// made into an area at a place the input gives, and copied again.
#include "FuzzBytes.h"
#include "FuzzTarget.h"
#include "model/AreaClipRecord.h"

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<AreaClipRecord> record = AreaClipRecord::fromBytes(bytes);
    if (!record)
        return 0;
    // Bytes beyond the record place the pasted area.
    FuzzBytes tail(data + qMin<size_t>(size, AreaClipRecord::kSize),
                   size - qMin<size_t>(size, AreaClipRecord::kSize));
    const QPoint at(int(tail.range(-40000, 40000)), int(tail.range(-40000, 40000)));
    const std::unique_ptr<MapArea> area = record->makeArea(at);
    FUZZ_CHECK(area && area->shape() == record->shape);
    FUZZ_CHECK(area->vertexCount() <= MapArea::kMaxVertices);
    const QByteArray again = AreaClipRecord::of(*area).toBytes();
    FUZZ_CHECK(again.size() == AreaClipRecord::kSize);
    const std::optional<AreaClipRecord> copied = AreaClipRecord::fromBytes(again);
    FUZZ_CHECK(copied && copied->shape == record->shape && copied->texts == record->texts);
    return 0;
}
