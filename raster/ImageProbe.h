#pragma once

#include <QString>

class QIODevice;

// What a picture file holds, read from its headers without decoding its
// pixels: the figures the raster component answers after a file query.
class ImageProbe {
public:
    struct Info {
        int width = 0;
        int height = 0;
        // Bits per pixel the decoded picture is handed out with (1, 4, 8 or
        // 24), as PackedDib::bitsFor() will give it.
        int bits = 0;
        qint16 format = 0; // RasterFormat
        qint64 fileSize = 0;
    };

    // Queries a file. Returns a RasterStatus: FileNotFound when it cannot be
    // opened, FormatBad when it is no picture the component reads,
    // OutOfMemory when it is 2 GiB or larger.
    static quint16 probeFile(const QString& path, Info* out);

    // Queries a picture read from device, which must be at its start and
    // seekable. Returns a RasterStatus; fileSize is left at 0.
    static quint16 probe(QIODevice* device, Info* out);
};
