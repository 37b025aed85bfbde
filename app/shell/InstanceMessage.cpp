#include "app/shell/InstanceMessage.h"

#include <QDataStream>
#include <QIODevice>

namespace InstanceMessage {

namespace {

constexpr quint32 kMagic = 0x54455331; // "TES1"

// An argument as UTF-8, cut to the limit at a character boundary.
QByteArray limitedUtf8(const QString& argument) {
    QByteArray bytes = argument.toUtf8();
    if (bytes.size() <= kMaxArgumentBytes)
        return bytes;
    qsizetype end = kMaxArgumentBytes;
    while (end > 0 && (quint8(bytes[end]) & 0xc0) == 0x80)
        --end; // bytes[end] continues a character: cut before that character
    bytes.truncate(end);
    return bytes;
}

} // namespace

QByteArray encode(const QStringList& arguments) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    const qsizetype count = qMin<qsizetype>(arguments.size(), kMaxArguments);
    out << kMagic << quint32(count);
    for (qsizetype i = 0; i < count; ++i)
        out << limitedUtf8(arguments[i]);
    return bytes;
}

bool decode(const QByteArray& bytes, QStringList& arguments) {
    if (bytes.size() > kMaxBytes)
        return false;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, count = 0;
    in >> magic >> count;
    if (in.status() != QDataStream::Ok || magic != kMagic || count > quint32(kMaxArguments))
        return false;
    QStringList decoded;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray argument;
        in >> argument;
        if (in.status() != QDataStream::Ok || argument.size() > kMaxArgumentBytes)
            return false;
        decoded << QString::fromUtf8(argument);
    }
    if (!in.atEnd())
        return false;
    arguments = decoded;
    return true;
}

} // namespace InstanceMessage
