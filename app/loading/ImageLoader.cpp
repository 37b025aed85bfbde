#include "app/loading/ImageLoader.h"

#include "app/loading/ImageLoadProgress.h"
#include "raster/ImageLoadTexts.h"
#include "raster/Rastel.h"
#include "raster/RasterDispid.h"

#include <QFile>

#include <cstring>

ImageLoader::Result ImageLoader::load(const QString& path) {
    m_image.reset();
    if (path.isEmpty() || m_rastel.queryFile(path) != RasterStatus::Ok)
        return Failed;
    const qint32 size = m_rastel.infoSize();
    m_progress.begin(
        ImageLoadTexts::sizeLine(m_rastel.infoWidth(), m_rastel.infoHeight(), m_rastel.infoBits()),
        ImageLoadTexts::formatLine(m_rastel.infoFormat(), size), size);

    // Mapped read-only; the mapping ends when the file is closed.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return Failed;
    const uchar* bytes = file.map(0, file.size());
    if (!bytes)
        return Failed;
    return feed(bytes, file.size());
}

ImageLoader::Result ImageLoader::feed(const uchar* bytes, qint64 length) {
    if (m_rastel.startFeedLoad() != RasterStatus::Ok)
        return Failed;
    const quint16 fed = feedChunks(bytes, length);
    // The fed load is ended whatever happened, so that the component lets
    // go of what it was given; a feed that failed fails the load even if
    // what came before it decodes.
    const quint16 ended = m_rastel.stopFeedLoad();
    m_progress.finish();
    if (m_progress.cancelled())
        return Cancelled;
    if (fed != RasterStatus::Ok || ended != RasterStatus::Ok)
        return Failed;
    m_image = LoadedImage::fromImage(m_rastel.picture());
    return m_image ? Loaded : Failed;
}

quint16 ImageLoader::feedChunks(const uchar* bytes, qint64 length) {
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    quint16 status = RasterStatus::Ok;
    qint64 done = 0;
    while (done < length && status == RasterStatus::Ok && !m_progress.cancelled()) {
        const int n = int(qMin<qint64>(kChunkSize, length - done));
        std::memcpy(chunk.data(), bytes + done, size_t(n));
        status = m_rastel.feedLoad(chunk, n);
        done += n;
        m_progress.advance(done);
    }
    return status;
}
