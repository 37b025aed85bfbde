#include "raster/RasterControl.h"

#include "model/ColorRef.h"
#include "raster/HugePages.h"
#include "raster/PackedDib.h"
#include "raster/PictureCodec.h"
#include "raster/RasterDispid.h"

#include <QFile>
#include <QPaintEvent>
#include <QPainter>

#include <new>
#include <utility>

RasterControl::RasterControl(QWidget* parent)
    : QWidget(parent), m_background(palette().color(QPalette::Button)) {}

void RasterControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
    if (!m_painting || m_rows.isNull())
        return;
    if (m_clipSet)
        painter.setClipRect(m_clip, Qt::IntersectClip);
    const QRectF target = m_displaySet ? m_display : QRectF(QPointF(0, 0), m_rows.size());
    if (target.size() != QSizeF(m_rows.size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The stored rows run bottom-up: drawn upside down into the target.
    painter.translate(0, target.top() + target.bottom());
    painter.scale(1, -1);
    painter.drawImage(target, m_rows);
}

quint16 RasterControl::setBackColor(quint32 colorRef) {
    if ((colorRef >> 24) != 0)
        return RasterStatus::BadArgument;
    m_background = colorOfColorRef(colorRef);
    update();
    return RasterStatus::Ok;
}

quint16 RasterControl::queryFile(const QString& path) {
    ImageProbe::Info info;
    const quint16 status = ImageProbe::probeFile(path, &info);
    m_info = status == RasterStatus::Ok ? info : ImageProbe::Info{};
    return status;
}

void RasterControl::changed() {
    if (m_autoRepaint)
        update();
}

void RasterControl::takePacked(QByteArray packed) {
    m_rows = QImage();
    m_packed = std::move(packed);
    m_rows = PackedDib::storedRows(m_packed);
    if (m_autoSetRects) {
        m_display = m_clip = QRectF(QPointF(0, 0), m_rows.size());
        m_displaySet = m_clipSet = true;
    }
    changed();
}

quint16 RasterControl::takeDecoded(const QByteArray& data) {
    QByteArray packed;
    const quint16 status = PictureCodec::decode(data, &packed);
    if (status == RasterStatus::Ok)
        takePacked(std::move(packed));
    return status;
}

quint16 RasterControl::loadFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return RasterStatus::FileNotFound;
    if (file.size() == 0)
        return RasterStatus::FormatBad;
    const uchar* mapped = file.map(0, file.size());
    if (mapped) {
        const QByteArray view =
            QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size());
        return takeDecoded(view);
    }
    const QByteArray bytes = file.readAll();
    return bytes.size() == file.size() ? takeDecoded(bytes) : RasterStatus::FileNotFound;
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

quint16 RasterControl::setPackedDib(const QByteArray& packed) {
    // Kept in the component's own layout (bottom-up, full colour table,
    // flattened) whatever layout the caller's bitmap had.
    const QImage picture = PackedDib::toImage(packed);
    if (picture.isNull())
        return RasterStatus::FormatBad;
    QByteArray own = PackedDib::fromImage(picture);
    if (own.isEmpty())
        return RasterStatus::OutOfMemory;
    takePacked(std::move(own));
    return RasterStatus::Ok;
}

quint16 RasterControl::packedDib(QVariant* result) const {
    if (m_packed.isEmpty())
        return RasterStatus::NoPicture;
    if (result)
        *result = QVariant(m_packed);
    return RasterStatus::Ok;
}

quint16 RasterControl::saveFile(const QString& path, qint16 format, qint16 bits, qint16 quality,
                                bool append) {
    if (append)
        return RasterStatus::BadArgument; // files hold one picture
    if (m_packed.isEmpty())
        return RasterStatus::NoPicture;
    return PictureCodec::write(PackedDib::toImage(m_packed), path, format, bits, quality);
}

quint16 RasterControl::setDisplayRect(int dispid, float left, float top, float width,
                                      float height) {
    if (width < 0 || height < 0)
        return RasterStatus::BadArgument;
    const QRectF rect(left, top, width, height);
    if (dispid == RasterDispid::SetDisplayRect) {
        m_display = rect;
        m_displaySet = true;
    } else {
        m_clip = rect;
        m_clipSet = true;
    }
    changed();
    return RasterStatus::Ok;
}
