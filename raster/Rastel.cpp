#include "raster/Rastel.h"

#include "raster/RasterControl.h"
#include "raster/RasterDispid.h"

using Access = RasterControl::Access;

CRastel::CRastel(QWidget* parent) : m_control(new RasterControl(parent)) {}

CRastel::~CRastel() {
    delete m_control.data();
}

QWidget* CRastel::widget() const {
    return m_control.data();
}

quint16 CRastel::call(int dispid, const QVariantList& args, QVariant* result) {
    return m_control ? m_control->dispatch(dispid, Access::Method, args, result)
                     : RasterStatus::NoControl;
}

quint16 CRastel::put(int dispid, const QVariant& value) {
    return m_control ? m_control->dispatch(dispid, Access::Put, {value}) : RasterStatus::NoControl;
}

QVariant CRastel::get(int dispid) const {
    QVariant value;
    if (m_control)
        m_control->dispatch(dispid, Access::Get, {}, &value);
    return value;
}

quint16 CRastel::setPainting(bool on) {
    return put(RasterDispid::Painting, on);
}

float CRastel::pictureWidth() const {
    return get(RasterDispid::PictureWidth).toFloat();
}

float CRastel::pictureHeight() const {
    return get(RasterDispid::PictureHeight).toFloat();
}

quint16 CRastel::queryFile(const QString& path, qint16 reserved) {
    return call(RasterDispid::QueryFile, {path, reserved});
}

float CRastel::infoWidth() const {
    return get(RasterDispid::InfoWidth).toFloat();
}

float CRastel::infoHeight() const {
    return get(RasterDispid::InfoHeight).toFloat();
}

qint16 CRastel::infoBits() const {
    return qint16(get(RasterDispid::InfoBits).toInt());
}

qint16 CRastel::infoFormat() const {
    return qint16(get(RasterDispid::InfoFormat).toInt());
}

qint32 CRastel::infoSize() const {
    return get(RasterDispid::InfoSize).toInt();
}

quint16 CRastel::startFeedLoad(qint16 first, qint16 second) {
    return call(RasterDispid::StartFeedLoad, {first, second});
}

quint16 CRastel::feedLoad(const QByteArray& chunk, qint32 length) {
    return call(RasterDispid::FeedLoad, {chunk, length});
}

quint16 CRastel::stopFeedLoad() {
    return call(RasterDispid::StopFeedLoad, {});
}

quint16 CRastel::loadMemory(const QByteArray& image, qint32 size, qint16 first, qint16 second) {
    return call(RasterDispid::LoadMemory, {image, first, second, size});
}

QImage CRastel::picture() {
    QVariant result;
    if (call(RasterDispid::GetPicture, {}, &result) != RasterStatus::Ok)
        return {};
    return result.value<QImage>();
}

quint16 CRastel::repaint() {
    return call(RasterDispid::Repaint, {});
}
