#pragma once

#include <QByteArray>
#include <QStringList>

// The message a later start of the editor sends the running copy: its
// command-line arguments, each cut to kMaxArgumentBytes of UTF-8, at most
// kMaxArguments of them, in a QDataStream behind a magic number. Windowless,
// so that the decoding of what arrives on the socket is tested and fuzzed on
// its own.
namespace InstanceMessage {

constexpr int kMaxArgumentBytes = 1024;
constexpr int kMaxArguments = 256;
// Everything a start may send, with the stream's own lengths.
constexpr qint64 kMaxBytes = 8 + qint64(kMaxArguments) * (4 + kMaxArgumentBytes);

// The bytes a start sends for its arguments (those beyond the limits cut).
QByteArray encode(const QStringList& arguments);
// The arguments of a message; false, with arguments untouched, on anything
// malformed or beyond the limits.
bool decode(const QByteArray& bytes, QStringList& arguments);

} // namespace InstanceMessage
