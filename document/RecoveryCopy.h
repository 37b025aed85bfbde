#pragma once

#include "document/DocumentState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// A recovery copy of one open map, as the editor writes it while the map has
// changes not yet saved, and reads it back at the next start.
//
// The file is a header of "key=value" lines (values percent-encoded, so that
// paths of any bytes fit on a line) after the line "Tessary recovery copy 1",
// ended by an empty line, then the map as the HTML page a save would write
// into a new file. The header holds what the page cannot: the document's
// paths, the page's own picture reference, the read-only state, the
// process that owns the copy, the time of the copy and the size and time of
// the page then. "map-bytes" gives the length of the page, so that a copy
// cut short is told from a whole one.
//
// A copy is outside input: the header is read within fixed bounds (line
// count and length, numbers in range), the page with the same scan and
// reader as any page, and nothing of a copy that breaks a rule is used.
struct RecoveryCopy {
    static constexpr int kVersion = 1;
    // Far beyond the copies of real maps: 10,000 areas of one million
    // points in all make a copy of about 10 MB.
    static constexpr qsizetype kMaxBytes = 128 * 1024 * 1024;
    static constexpr int kMaxHeaderLines = 64;
    static constexpr qsizetype kMaxHeaderLine = 64 * 1024;

    DocumentState state;
    QDateTime time;         // when the copy was made (UTC)
    qint64 ownerPid = 0;    // the editor process that wrote it
    qint64 ownerStart = 0;  // that process's start time (ProcessIdentity)
    qint64 pageSize = -1;   // the page's size when the copy was made; -1 when it did not exist
    QDateTime pageModified; // and its modification time then

    // The bytes of the file.
    QByteArray encode() const;
    // Reads a copy; false with the reason (a sentence for the user) when it
    // cannot be recovered.
    static bool decode(QByteArrayView bytes, RecoveryCopy& copy, QString& reason);

    // The map as the page a save would write into a new file.
    static QByteArray mapPage(const DocumentState& state);
};
