#include "raster/RasterControl.h"

#include "raster/HugePages.h"
#include "raster/PictureCodec.h"
#include "raster/RasterDispid.h"

#include <QPaintEvent>
#include <QPainter>

#include <new>
#include <utility>

RasterControl::RasterControl(QWidget* parent) : QWidget(parent) {}

void RasterControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    if (m_painting && !m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
}

quint16 RasterControl::queryFile(const QString& path) {
    ImageProbe::Info info;
    const quint16 status = ImageProbe::probeFile(path, &info);
    m_info = status == RasterStatus::Ok ? info : ImageProbe::Info{};
    return status;
}

quint16 RasterControl::takeDecoded(const QByteArray& data) {
    QImage picture;
    const quint16 status = PictureCodec::decode(data, &picture);
    if (status != RasterStatus::Ok)
        return status;
    m_picture = std::move(picture);
    update();
    return status;
}

quint16 RasterControl::loadMemory(const QByteArray& data, qint32 size) {
    if (size < 0 || size > data.size())
        return RasterStatus::BadArgument;
    return takeDecoded(QByteArray::fromRawData(data.constData(), size));
}

quint16 RasterControl::startFeedLoad() {
    m_feed = QByteArray();
    m_feeding = true;
    // A fed load usually follows a query of the same file: holding its size
    // at once spares growing the buffer chunk by chunk.
    try {
        m_feed.reserve(m_info.fileSize);
        adviseHugePages(m_feed.data(), m_feed.capacity());
    } catch (const std::bad_alloc&) {
    }
    return RasterStatus::Ok;
}

quint16 RasterControl::feedLoad(const QByteArray& chunk, qint32 length) {
    if (!m_feeding)
        return RasterStatus::NotFeeding;
    if (length < 0 || length > chunk.size())
        return RasterStatus::BadArgument;
    try {
        m_feed.append(chunk.constData(), length);
    } catch (const std::bad_alloc&) {
        return RasterStatus::OutOfMemory;
    }
    return RasterStatus::Ok;
}

quint16 RasterControl::stopFeedLoad() {
    if (!m_feeding)
        return RasterStatus::NotFeeding;
    m_feeding = false;
    const QByteArray fed = std::exchange(m_feed, QByteArray());
    return fed.isEmpty() ? RasterStatus::FormatBad : takeDecoded(fed);
}

quint16 RasterControl::picture(QVariant* result) const {
    if (m_picture.isNull())
        return RasterStatus::NoPicture;
    if (result)
        *result = QVariant::fromValue(m_picture);
    return RasterStatus::Ok;
}
