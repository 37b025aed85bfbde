#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

// Reads the arguments of one dispatch call with the coercions a dispatch
// interface allows: any integral value that fits converts to a 16- or
// 32-bit integer, integers to a Boolean; texts and
// byte arrays must be given as such. Each reader returns a RasterStatus.
class DispatchArgs {
public:
    explicit DispatchArgs(const QVariantList& args) : m_args(args) {}

    // BadArgCount unless exactly count arguments were given.
    quint16 expect(int count) const;

    quint16 text(int index, QString* out) const;
    quint16 bytes(int index, QByteArray* out) const;
    quint16 int16(int index, qint16* out) const;
    quint16 int32(int index, qint32* out) const;
    quint16 boolean(int index, bool* out) const;

private:
    quint16 integral(int index, qint64 low, qint64 high, qint64* out) const;

    const QVariantList& m_args;
};
