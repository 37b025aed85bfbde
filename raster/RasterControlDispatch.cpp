// The dispatch entry of RasterControl: argument decoding and routing by id.
#include "raster/DispatchArgs.h"
#include "raster/RasterControl.h"
#include "raster/RasterDispid.h"

#include <type_traits>

namespace {

// Reads the arguments in order into the given outputs, stopping at the
// first that does not convert.
template <class... Out>
quint16 read(const DispatchArgs& args, Out*... out) {
    quint16 status = args.expect(int(sizeof...(Out)));
    int index = 0;
    [[maybe_unused]] auto one = [&](auto* target) {
        if (status != 0)
            return;
        using T = std::remove_pointer_t<decltype(target)>;
        if constexpr (std::is_same_v<T, QString>)
            status = args.text(index, target);
        else if constexpr (std::is_same_v<T, QByteArray>)
            status = args.bytes(index, target);
        else if constexpr (std::is_same_v<T, qint16>)
            status = args.int16(index, target);
        else if constexpr (std::is_same_v<T, qint32>)
            status = args.int32(index, target);
        else
            status = args.boolean(index, target);
        ++index;
    };
    (one(out), ...);
    return status;
}

} // namespace

quint16 RasterControl::dispatch(int dispid, Access access, const QVariantList& args,
                                QVariant* result) {
    const DispatchArgs reader(args);
    switch (access) {
    case Access::Get:
        if (const quint16 status = reader.expect(0))
            return status;
        return get(dispid, result);
    case Access::Put:
        return put(dispid, reader);
    case Access::Method:
        return call(dispid, reader, result);
    }
    return RasterStatus::UnknownMember;
}

quint16 RasterControl::get(int dispid, QVariant* result) const {
    QVariant value;
    switch (dispid) {
    case RasterDispid::Painting:
        value = m_painting;
        break;
    case RasterDispid::PictureWidth:
        value = float(m_picture.width());
        break;
    case RasterDispid::PictureHeight:
        value = float(m_picture.height());
        break;
    case RasterDispid::InfoWidth:
        value = float(m_info.width);
        break;
    case RasterDispid::InfoHeight:
        value = float(m_info.height);
        break;
    case RasterDispid::InfoBits:
        value = qint16(m_info.bits);
        break;
    case RasterDispid::InfoFormat:
        value = qint16(m_info.format);
        break;
    case RasterDispid::InfoSize:
        value = qint32(m_info.fileSize);
        break;
    default:
        return RasterStatus::UnknownMember;
    }
    if (result)
        *result = value;
    return RasterStatus::Ok;
}

quint16 RasterControl::put(int dispid, const DispatchArgs& args) {
    if (dispid != RasterDispid::Painting)
        return RasterStatus::UnknownMember;
    if (const quint16 status = read(args, &m_painting))
        return status;
    update();
    return RasterStatus::Ok;
}

quint16 RasterControl::call(int dispid, const DispatchArgs& args, QVariant* result) {
    switch (dispid) {
    case RasterDispid::QueryFile: {
        // The second argument is reserved: callers pass 0 and any value is
        // accepted.
        QString path;
        qint16 reserved = 0;
        const quint16 status = read(args, &path, &reserved);
        return status ? status : queryFile(path);
    }
    case RasterDispid::StartFeedLoad:
    case RasterDispid::FeedLoad:
    case RasterDispid::StopFeedLoad:
        return callFeed(dispid, args);
    case RasterDispid::LoadMemory:
    case RasterDispid::GetPicture:
        return callPicture(dispid, args, result);
    case RasterDispid::Repaint:
        if (const quint16 status = read(args))
            return status;
        update();
        return RasterStatus::Ok;
    default:
        return RasterStatus::UnknownMember;
    }
}

// The two arguments of the start of a fed load (callers pass 8 and 0) are
// reserved.
quint16 RasterControl::callFeed(int dispid, const DispatchArgs& args) {
    quint16 status = RasterStatus::Ok;
    if (dispid == RasterDispid::StartFeedLoad) {
        qint16 a = 0, b = 0;
        status = read(args, &a, &b);
        return status ? status : startFeedLoad();
    }
    if (dispid == RasterDispid::FeedLoad) {
        QByteArray chunk;
        qint32 length = 0;
        status = read(args, &chunk, &length);
        return status ? status : feedLoad(chunk, length);
    }
    status = read(args);
    return status ? status : stopFeedLoad();
}

// The second and third arguments of a load from memory are reserved.
quint16 RasterControl::callPicture(int dispid, const DispatchArgs& args, QVariant* result) {
    QByteArray bytes;
    quint16 status = RasterStatus::Ok;
    if (dispid == RasterDispid::LoadMemory) {
        qint16 a = 0, b = 0;
        qint32 size = 0;
        status = read(args, &bytes, &a, &b, &size);
        return status ? status : loadMemory(bytes, size);
    }
    status = read(args);
    return status ? status : picture(result);
}
