// A recovery copy read as the editor reads one at start-up: refused with a
// reason, or read whole within the map's limits; a copy that reads writes
// itself again to bytes that read back to the same map.
#include "FuzzTarget.h"
#include "document/RecoveryCopy.h"
#include "model/MapArea.h"

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    RecoveryCopy copy;
    QString reason;
    if (!RecoveryCopy::decode(bytes, copy, reason)) {
        FUZZ_CHECK(!reason.isEmpty());
        return 0;
    }
    FUZZ_CHECK(int(copy.state.areas.size()) <= MapArea::kMaxAreas);
    for (const PictureArea& a : copy.state.areas) {
        if (a.shape == AreaShape::Polygon)
            FUZZ_CHECK(a.points.size() > 2 && a.points.size() <= MapArea::kMaxVertices);
    }
    // What was read is what a later copy of the recovered map holds.
    RecoveryCopy again;
    QString againReason;
    const QByteArray rewritten = copy.encode();
    FUZZ_CHECK(RecoveryCopy::decode(rewritten, again, againReason));
    FUZZ_CHECK(again.state.areas == copy.state.areas);
    FUZZ_CHECK(again.state.path == copy.state.path);
    FUZZ_CHECK(again.encode() == rewritten);
    return 0;
}
