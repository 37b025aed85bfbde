#pragma once

#include "model/PictureArea.h"

#include <QByteArray>

// The page text an area was read from, so that a save writes an area the
// user did not change back as it was written, byte for byte.
//
// gap is the text of the map block between the tag before and this one
// (line breaks, indentation, comments, tags the editor does not read), the
// editor's own tracking comments left out; text is the tag, "<" to ">". read
// is the area as it was read from them: while the area equals it, the tag
// is still true to it.
//
// An area a browser gives no shape (a polygon of fewer than three points,
// a circle of no radius, a rectangle of no width or height, too few numbers)
// is not clickable: the document keeps it as written, and every save writes
// its SHAPE and COORDS as written (shape and coords), whatever else of it
// changes.
//
// A reader may hand gap, text, shape and coords over as slices of one copy
// of the page text that all tags of a map share (QByteArray::fromRawData
// over pageText), instead of a copy of each: a map of 10,000 areas would
// otherwise hold its page twice over in small pieces. pageText keeps those
// bytes while the tag lives, so the four are read with the tag, and a text
// that is to outlive it is copied (QByteArray(data, size)) first.
struct SourceTag {
    QByteArray gap;
    QByteArray text;
    PictureArea read;
    bool clickable = true;
    QByteArray shape;  // the SHAPE value as written, quotes removed
    QByteArray coords; // the COORDS value likewise
    QByteArray pageText{};
};

// The source of a map's MAP tag and of the end of its block: the tag, the
// text from the last AREA to the closing tag's end (tail), the map's name,
// attributes and size attribute as read, and the default area's tag.
struct MapTagSource {
    QByteArray text;
    QByteArray tail;
    QByteArray breakAfter; // the line break after the closing tag, "" when none
    QByteArray title;
    TagAttributes attributes;
    QByteArray sizeText; // the size attribute the map was read with; "" for none
    // The first AREA of SHAPE DEFAULT: its gap and tag, the URL and
    // attributes it was read as, and how many other areas went before it.
    QByteArray defaultGap;
    QByteArray defaultText;
    QByteArray defaultUrl;
    TagAttributes defaultAttributes;
    int defaultIndex = -1; // -1: the map had none
};
