#pragma once

#include "model/AreaClipRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class MapArea;
class QMimeData;

// The whole of one area on the clipboard, beside the fixed record that
// other running copies read: shape, picture geometry and every text, the
// title and the attributes kept from its page included, none of them cut.
// Paste prefers it when it is there and sound.
//
//   {"shape": "rect" | "circle" | "poly",
//    "rect": [left, top, right, bottom],      picture pixels, exclusive
//    "points": [[x, y], ...],                 a polygon's vertices (3 to 100,000)
//    "url": T, "target": T, "comment": T, "title": T,
//    "attributes": [[name, T, form] | [name, null], ...]}
//
// T is a string (UTF-8), or {"bytes": base64} for bytes that are not UTF-8;
// form is "double", "single" or "unquoted" (how the page quoted the value;
// "double" when left out); a null value is a bare attribute.
//
// What the clipboard holds may come from anywhere: fromBytes refuses
// (nullopt) anything larger than kMaxBytes, malformed, of a wrong type, out
// of range, holding a NUL, or naming an attribute the editor writes itself
// (but for a TITLE given empty, which areas keep among their attributes).
class AreaClipJson {
public:
    static constexpr qsizetype kMaxBytes = 4 * 1024 * 1024;

    static QString mimeType();
    static QByteArray toBytes(const MapArea& area);
    // The area as a record to paste; a pure function of the bytes.
    static std::optional<AreaClipRecord> fromBytes(QByteArrayView bytes);

    // Copy: this form, and the fixed record when the area fits it.
    static void putInto(QMimeData& data, const MapArea& area);
    // Paste: this form when data holds a sound one, else the fixed record.
    static std::optional<AreaClipRecord> fromMimeData(const QMimeData& data);
    // Whether data offers an area in either form.
    static bool offeredBy(const QMimeData& data);
};
