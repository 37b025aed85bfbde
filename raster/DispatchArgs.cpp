#include "raster/DispatchArgs.h"

#include "raster/RasterDispid.h"

namespace {

bool isIntegral(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

quint16 DispatchArgs::expect(int count) const {
    return m_args.size() == count ? RasterStatus::Ok : RasterStatus::BadArgCount;
}

quint16 DispatchArgs::text(int index, QString* out) const {
    const QVariant& v = m_args.at(index);
    if (v.typeId() != QMetaType::QString)
        return RasterStatus::TypeMismatch;
    *out = v.toString();
    return RasterStatus::Ok;
}

quint16 DispatchArgs::bytes(int index, QByteArray* out) const {
    const QVariant& v = m_args.at(index);
    if (v.typeId() != QMetaType::QByteArray)
        return RasterStatus::TypeMismatch;
    *out = v.toByteArray();
    return RasterStatus::Ok;
}

quint16 DispatchArgs::integral(int index, qint64 low, qint64 high, qint64* out) const {
    const QVariant& v = m_args.at(index);
    if (!isIntegral(v))
        return RasterStatus::TypeMismatch;
    if (v.typeId() == QMetaType::ULongLong && v.toULongLong() > quint64(high))
        return RasterStatus::BadArgument;
    const qint64 value = v.toLongLong();
    if (value < low || value > high)
        return RasterStatus::BadArgument;
    *out = value;
    return RasterStatus::Ok;
}

quint16 DispatchArgs::int16(int index, qint16* out) const {
    qint64 value = 0;
    const quint16 status = integral(index, -32768, 32767, &value);
    if (status == RasterStatus::Ok)
        *out = qint16(value);
    return status;
}

quint16 DispatchArgs::int32(int index, qint32* out) const {
    qint64 value = 0;
    const quint16 status = integral(index, INT32_MIN, INT32_MAX, &value);
    if (status == RasterStatus::Ok)
        *out = qint32(value);
    return status;
}

quint16 DispatchArgs::boolean(int index, bool* out) const {
    const QVariant& v = m_args.at(index);
    if (!isIntegral(v))
        return RasterStatus::TypeMismatch;
    *out = v.toLongLong() != 0;
    return RasterStatus::Ok;
}
