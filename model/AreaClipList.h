#pragma once

#include "model/AreaClipRecord.h"
#include "model/MapArea.h"

#include <QPoint>
#include <QString>

#include <vector>

class MapArea;
class QMimeData;

// Several areas on the clipboard at once, in map order. Beside the first
// area's fixed record and JSON form (AreaClipJson), which single-area
// readers and other running copies take, the list form holds every area's
// JSON object (AreaClipJson's form, each with its picture rectangle) in a
// JSON array, so that a paste puts them back in the same places relative
// to each other.
class AreaClipList {
public:
    // The most areas and bytes a list may hold.
    static constexpr int kMaxAreas = MapArea::kMaxAreas;
    static constexpr qsizetype kMaxBytes = 256 * 1024 * 1024;

    struct Item {
        AreaClipRecord record;
        QPoint origin; // the picture corner it was copied from
    };

    static QString mimeType();
    // Copy: one area as AreaClipJson puts it; several with the list form.
    static void putInto(QMimeData& data, const std::vector<const MapArea*>& areas);
    // The areas data offers: the list when it is there and sound (every
    // entry as AreaClipJson reads one), else the single area, else none.
    static std::vector<Item> fromMimeData(const QMimeData& data);
    // The list form's bytes; empty when any entry is unsound.
    static std::vector<Item> fromBytes(const QByteArray& bytes);
};
