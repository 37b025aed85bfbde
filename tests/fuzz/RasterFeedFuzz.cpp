// A picture file as the editor loads it: its headers queried, then fed to
// the raster component in 1,024-byte chunks (the last one shorter) and
// decoded. PNG, JPEG and GIF (through giflib) alike.
#include "FuzzTarget.h"
#include "raster/ImageProbe.h"
#include "raster/Rastel.h"

#include <QApplication>
#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    ImageProbe::Info info;
    const quint16 probed = ImageProbe::probe(&buffer, &info);
    if (probed == 0)
        FUZZ_CHECK(info.width > 0 && info.height > 0);

    static CRastel rastel;
    FUZZ_CHECK(rastel.startFeedLoad() == 0);
    constexpr qsizetype kChunk = 1024;
    for (qsizetype at = 0; at < file.size(); at += kChunk) {
        const QByteArray chunk = file.mid(at, kChunk);
        FUZZ_CHECK(rastel.feedLoad(chunk, qint32(chunk.size())) == 0);
    }
    if (rastel.stopFeedLoad() == 0) {
        FUZZ_CHECK(rastel.pictureWidth() > 0 && rastel.pictureHeight() > 0);
        FUZZ_CHECK(!rastel.picture().isNull());
    }
    return 0;
}
