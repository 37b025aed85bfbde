#pragma once

#include "model/LoadedImage.h"

#include <QString>

#include <memory>

class CRastel;
class ImageLoadProgress;

// Decodes a picture file through the raster component the way documents
// load their pictures: the file is queried, mapped read-only and fed to the
// component in chunks of 1,024 bytes, the progress is told after every
// chunk (and may be cancelled there), and the decoded picture is handed
// over into a LoadedImage, its pixels shared with the component's.
class ImageLoader {
public:
    enum Result : int {
        Loaded = 0,    // takeImage() holds the picture
        Failed = 1,    // not a picture the component reads, or unreadable
        Cancelled = 2, // the user stopped it; nothing to report
    };
    static constexpr int kChunkSize = 1024;

    ImageLoader(CRastel& rastel, ImageLoadProgress& progress)
        : m_rastel(rastel), m_progress(progress) {}

    // Loads path. Any picture of an earlier load is dropped first.
    Result load(const QString& path);
    // The picture of the last successful load; null after any other result.
    std::unique_ptr<LoadedImage> takeImage() { return std::move(m_image); }

private:
    Result feed(const uchar* bytes, qint64 length);
    quint16 feedChunks(const uchar* bytes, qint64 length);

    CRastel& m_rastel;
    ImageLoadProgress& m_progress;
    std::unique_ptr<LoadedImage> m_image;
};
