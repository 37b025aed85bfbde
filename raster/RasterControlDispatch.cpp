// The dispatch entry of RasterControl: argument decoding and routing by id.
#include "model/ColorRef.h"
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
        else if constexpr (std::is_same_v<T, quint32>)
            status = args.uint32(index, target);
        else if constexpr (std::is_same_v<T, float>)
            status = args.real(index, target);
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
    case RasterDispid::BackColor:
        value = colorRefOf(m_background);
        break;
    case RasterDispid::Painting:
        value = m_painting;
        break;
    case RasterDispid::AutoRepaint:
        value = m_autoRepaint;
        break;
    case RasterDispid::AutoSetRects:
        value = m_autoSetRects;
        break;
    case RasterDispid::PictureWidth:
        value = float(m_rows.width());
        break;
    case RasterDispid::PictureHeight:
        value = float(m_rows.height());
        break;
    case RasterDispid::ControlWidth:
        value = float(width());
        break;
    case RasterDispid::ControlHeight:
        value = float(height());
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
    if (dispid == RasterDispid::BackColor) {
        quint32 color = 0;
        const quint16 status = read(args, &color);
        return status ? status : setBackColor(color);
    }
    bool* flag = dispid == RasterDispid::Painting       ? &m_painting
                 : dispid == RasterDispid::AutoRepaint  ? &m_autoRepaint
                 : dispid == RasterDispid::AutoSetRects ? &m_autoSetRects
                                                        : nullptr;
    if (!flag)
        return RasterStatus::UnknownMember;
    if (const quint16 status = read(args, flag))
        return status;
    if (dispid == RasterDispid::Painting)
        changed();
    return RasterStatus::Ok;
}

quint16 RasterControl::call(int dispid, const DispatchArgs& args, QVariant* result) {
    switch (dispid) {
    case RasterDispid::QueryFile:
    case RasterDispid::LoadFile:
    case RasterDispid::SaveFile:
        return callFile(dispid, args);
    case RasterDispid::StartFeedLoad:
    case RasterDispid::FeedLoad:
    case RasterDispid::StopFeedLoad:
        return callFeed(dispid, args);
    case RasterDispid::LoadMemory:
    case RasterDispid::SetPackedDib:
    case RasterDispid::GetPackedDib:
        return callPicture(dispid, args, result);
    case RasterDispid::SetDisplayRect:
    case RasterDispid::SetDisplayClip:
    case RasterDispid::Repaint:
        return callDisplay(dispid, args);
    default:
        return RasterStatus::UnknownMember;
    }
}

// The second argument of a query and the second and third of a file load
// are reserved: callers pass 0 and any value is accepted.
quint16 RasterControl::callFile(int dispid, const DispatchArgs& args) {
    QString path;
    qint16 a = 0, b = 0, c = 0;
    bool append = false;
    quint16 status = RasterStatus::Ok;
    switch (dispid) {
    case RasterDispid::QueryFile:
        status = read(args, &path, &a);
        return status ? status : queryFile(path);
    case RasterDispid::LoadFile:
        status = read(args, &path, &a, &b);
        return status ? status : loadFile(path);
    default:
        status = read(args, &path, &a, &b, &c, &append);
        return status ? status : saveFile(path, a, b, c, append);
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
    if (dispid == RasterDispid::SetPackedDib) {
        status = read(args, &bytes);
        return status ? status : setPackedDib(bytes);
    }
    status = read(args);
    return status ? status : packedDib(result);
}

quint16 RasterControl::callDisplay(int dispid, const DispatchArgs& args) {
    if (dispid == RasterDispid::Repaint) {
        if (const quint16 status = read(args))
            return status;
        update();
        return RasterStatus::Ok;
    }
    float left = 0, top = 0, width = 0, height = 0;
    const quint16 status = read(args, &left, &top, &width, &height);
    return status ? status : setDisplayRect(dispid, left, top, width, height);
}
