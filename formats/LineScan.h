#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The small text operations map-file lines are read with. Lines are views
// into the file's text; nothing here allocates except percentDecode.
namespace LineScan {

// Space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView trimLeft(QByteArrayView text);

// Coordinates of map files are held within +-kCoordinateLimit: far beyond
// any picture (whose areas are clipped to it), yet far from the int range,
// so that centres, radii and zoomed view pixels never wrap. Numbers beyond
// saturate.
constexpr int kCoordinateLimit = 1000000;
constexpr int coordinate(long long v) {
    return v > kCoordinateLimit    ? kCoordinateLimit
           : v < -kCoordinateLimit ? -kCoordinateLimit
                                   : int(v);
}

// The text up to its first NUL: texts of maps end there, as 8-bit strings do.
QByteArrayView beforeNul(QByteArrayView text);

// Case-insensitive prefix test of keyword on text. On a match the keyword is
// removed from text, then white space, one ":" and white space again.
bool takeKeyword(QByteArrayView& text, QByteArrayView keyword);

// The text up to its first space (all of it when there is none), and the
// text after that space (empty when there is none).
QByteArrayView firstWord(QByteArrayView text);
QByteArrayView afterFirstSpace(QByteArrayView text);

// Every "%" with the two characters after it becomes one byte, high digit x
// 16 + low digit, where "0"-"9" count 0-9, "A"-"F" count 10-15 and any other
// character 0. A "%" with fewer than two characters after it is copied as it
// stands.
QByteArray percentDecode(QByteArrayView text);

// Formatted input as the C library's scanf does it, for formats made of
// "%d", "%n", white space and literal characters: "%d" skips white space and
// reads an optionally signed decimal number (saturated to the int range);
// "%n" stores the count of characters consumed so far; white space in the
// format skips any white space; any other character must match exactly.
// Returns the number of "%d" conversions made before the first mismatch.
// values receives them in order; *consumed is set only when the format's
// "%n" was reached.
int scanInts(QByteArrayView text, const char* format, int* values, int* consumed = nullptr);

} // namespace LineScan
