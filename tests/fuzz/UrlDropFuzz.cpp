// What a drop on the map view may carry: bookmark data, a URL with its
// title, a URI list and plain text, in any mix.
#include "FuzzBytes.h"
#include "FuzzTarget.h"
#include "model/UrlDrop.h"

#include <QMimeData>

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes in(data, size);
    const uint8_t offered = in.byte();
    const QStringList types = UrlDrop::mimeTypes();
    QMimeData mime;
    for (int i = 0; i < int(types.size()); ++i) {
        if (offered & (1 << i))
            mime.setData(types[i], in.text());
    }
    const std::optional<UrlDrop> drop = UrlDrop::fromMimeData(mime);
    FUZZ_CHECK(drop.has_value() == ((offered & 0xf) != 0));
    if (drop) {
        // The texts become an area's 8-bit texts, which end at a byte 0.
        FUZZ_CHECK(!drop->url.contains('\0') && !drop->title.contains('\0'));
    }
    return 0;
}
