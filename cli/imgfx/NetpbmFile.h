#pragma once

#include "rkkernel/rkkernel.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace imgfxcli {

// Binary grey and colour maps with 8-bit samples (PGM "P5" and PPM "P6",
// largest sample 255), the form build pipelines pass pictures between
// tools in, read and written straight between the file's bytes and the
// bitmap's rows. Qt's readers and writers take these through a QImage of
// their own form and convert each pixel on the way, which cost more than
// median 5 itself in a batch. The bytes are the ones Qt's reader and writer
// give; every other file, and any file of these kinds this reader is not
// sure of (a short file, other sample sizes), is left to Qt's.
class NetpbmFile {
public:
    enum class Read {
        Other,  // not a file this reader takes: read it through Qt
        Done,   // *bitmap holds the picture
        Failed, // a picture of these kinds that cannot be held; *error says why
    };

    // Reads path into *bitmap (freed first when Done or Failed): an 8-bit
    // grey bitmap from a PGM, a 24-bit BGR one from a PPM, rows stored as
    // rowOrder says.
    static Read read(const QString& path, RasterBitmap* bitmap, int rowOrder, QString* error);

    // Whether write() takes this bitmap to a file of format ("ppm" or
    // "pgm", as the file name's suffix names it): 24-bit pictures to PPM,
    // grey ones to either.
    static bool writes(const RasterBitmap& bitmap, const QByteArray& format);
    // Writes the picture to device as Qt's writer of format would; false
    // with the device's message in *error when a write fails.
    static bool write(RasterBitmap& bitmap, const QByteArray& format, QIODevice* device,
                      QString* error);
};

} // namespace imgfxcli
